// Window message numbers and window styles our windows understand. The
// numbers are those the program's windows were designed with, so messages
// such as 1025 (tray) or 3090 (device found) keep their values.
#pragma once

#include <cstdint>

#include "uilib/UiTypes.h"

namespace DuiLib {

constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_COPYDATA = 0x004A;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_USER = 0x0400;

// What the window system tells a window about itself: activation (wParam 1
// active, 0 inactive), the mouse entering and leaving it, a change of the
// screen's resolution, and a new DPI (in the low word of wParam; lParam is a
// suggested rectangle or null).
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_DISPLAYCHANGE = 0x007E;
constexpr UINT WM_MOUSEHOVER = 0x02A1;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_DPICHANGED = 0x02E0;

constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_RESTORE = 0xF120;

constexpr UINT IDOK = 1;
constexpr UINT IDCANCEL = 2;

constexpr uint32_t WS_POPUP = 0x80000000;
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_EX_TOOLWINDOW = 0x00000080;
constexpr uint32_t WS_EX_TOPMOST = 0x00000008;
// Our own: a pop-up that closes when the user clicks outside it (menus).
constexpr uint32_t WS_EX_UIPOPUP = 0x40000000;

// The menu window's message to its owner; wParam is a MenuCmd* the receiver
// deletes.
constexpr UINT WM_MENUCOMMAND = 1145;

// The tray icon's mouse events in lParam of its message.
constexpr LPARAM WM_LBUTTONUP = 0x0202;
constexpr LPARAM WM_RBUTTONUP = 0x0205;

// The record of WM_COPYDATA; lParam points to it while the send runs.
struct COPYDATASTRUCT {
    uintptr_t dwData = 0;
    uint32_t cbData = 0;
    const void* lpData = nullptr;
};

}  // namespace DuiLib
