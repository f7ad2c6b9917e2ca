// The records that travel through the control tree: events delivered to one
// control (TEventUI), notifications delivered to a window (TNotifyUI), and the
// small interfaces windows implement to receive them.
#pragma once

#include <cstdint>
#include <string>

#include "uilib/UiTypes.h"

namespace DuiLib {

class CControlUI;

enum UiEventType {
    UIEVENT__FIRST = 1,
    UIEVENT__KEYBEGIN,
    UIEVENT_KEYDOWN,
    UIEVENT_KEYUP,
    UIEVENT_CHAR,
    UIEVENT__KEYEND,
    UIEVENT__MOUSEBEGIN,
    UIEVENT_MOUSEMOVE,
    UIEVENT_MOUSELEAVE,
    UIEVENT_MOUSEENTER,
    UIEVENT_MOUSEHOVER,
    UIEVENT_BUTTONDOWN,
    UIEVENT_BUTTONUP,
    UIEVENT_RBUTTONDOWN,
    UIEVENT_RBUTTONUP,
    UIEVENT_DBLCLICK,
    UIEVENT_CONTEXTMENU,
    UIEVENT_SCROLLWHEEL,
    UIEVENT__MOUSEEND,
    UIEVENT_KILLFOCUS,
    UIEVENT_SETFOCUS,
    UIEVENT_WINDOWSIZE,
    UIEVENT_SETCURSOR,
    UIEVENT_TIMER,
    UIEVENT__LAST,
};

// Key codes carried in TEventUI::chKey for UIEVENT_KEYDOWN (the virtual-key
// numbers the program's controls compare with).
enum UiKey {
    kVkBack = 8,
    kVkTab = 9,
    kVkReturn = 13,
    kVkEscape = 27,
    kVkSpace = 32,
    kVkEnd = 35,
    kVkHome = 36,
    kVkLeft = 37,
    kVkUp = 38,
    kVkRight = 39,
    kVkDown = 40,
    kVkDelete = 46,
};

// Modifier bits of TEventUI::wKeyState.
enum UiKeyState { kKeyShift = 1, kKeyControl = 2, kKeyAlt = 4, kKeyLButton = 8 };

struct TEventUI {
    int Type = 0;
    CControlUI* pSender = nullptr;
    uint64_t dwTimestamp = 0;
    UiPoint ptMouse;
    uint32_t chKey = 0;  // virtual key for key events, Unicode code point for UIEVENT_CHAR
    uint16_t wKeyState = 0;
    WPARAM wParam = 0;  // timer id for UIEVENT_TIMER, wheel direction for UIEVENT_SCROLLWHEEL
    LPARAM lParam = 0;
    std::string text;  // the typed text of UIEVENT_CHAR
};

// Wheel directions in TEventUI::wParam of UIEVENT_SCROLLWHEEL.
constexpr WPARAM kWheelUp = 0;
constexpr WPARAM kWheelDown = 1;

struct TNotifyUI {
    std::string sType;
    std::string sVirtualWnd;
    CControlUI* pSender = nullptr;
    uint64_t dwTimestamp = 0;
    UiPoint ptMouse;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

class INotifyUI {
public:
    virtual ~INotifyUI() = default;
    virtual void Notify(TNotifyUI& msg) = 0;
};

// Asked by the layout builder for every class name it does not know; returns
// nullptr when the name is not one of the caller's either.
class IDialogBuilderCallback {
public:
    virtual ~IDialogBuilderCallback() = default;
    virtual CControlUI* CreateControl(const std::string& className) = 0;
};

// Lets a window supply texts the language files do not hold.
class IQueryControlText {
public:
    virtual ~IQueryControlText() = default;
    virtual std::string QueryControlText(const std::string& key, const std::string& type) = 0;
};

// Flags of CControlUI::FindControl.
enum UiFindFlags {
    UIFIND_ALL = 0,
    UIFIND_VISIBLE = 1,
    UIFIND_ENABLED = 2,
    UIFIND_HITTEST = 4,
    UIFIND_TOP_FIRST = 8,
};

}  // namespace DuiLib
