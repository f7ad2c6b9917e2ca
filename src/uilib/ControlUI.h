// CControlUI: the base of every windowless control. It holds what every control
// has (name, text, tooltip, user data, visibility, enabled state, colours,
// images, border, padding, fixed and float positions), takes events from its
// paint manager and paints itself in layered steps that subclasses override.
#pragma once

#include <functional>
#include <string>

#include "uilib/UiEvent.h"
#include "uilib/UiTypes.h"

namespace DuiLib {

class CPaintManagerUI;

// Control states of m_uButtonState.
enum UiControlState {
    UISTATE_FOCUSED = 0x01,
    UISTATE_SELECTED = 0x02,
    UISTATE_DISABLED = 0x04,
    UISTATE_HOT = 0x08,
    UISTATE_PUSHED = 0x10,
    UISTATE_READONLY = 0x20,
    UISTATE_CAPTURED = 0x40,
};

// Pointer shapes a control asks for while the pointer is over it.
enum UiCursor { kCursorArrow = 0, kCursorHand, kCursorIBeam, kCursorSizeWE, kCursorSizeNS };

class CControlUI {
public:
    using FindProc = std::function<bool(CControlUI*)>;

    CControlUI();
    virtual ~CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;

    virtual std::string GetClass() const { return "Control"; }
    // The control as the named interface ("Control", "Button", ...), or nullptr.
    virtual void* GetInterface(const std::string& name);

    const std::string& GetName() const { return m_sName; }
    void SetName(const std::string& name) { m_sName = name; }
    // The text as shown: a language key is replaced by its translation.
    std::string GetText() const;
    const std::string& GetRawText() const { return m_sText; }
    virtual void SetText(const std::string& text);
    std::string GetToolTip() const;
    void SetToolTip(const std::string& tip) { m_sToolTip = tip; }
    const std::string& GetUserData() const { return m_sUserData; }
    void SetUserData(const std::string& data) { m_sUserData = data; }
    uintptr_t GetTag() const { return m_tag; }
    void SetTag(uintptr_t tag) { m_tag = tag; }

    // Visible when the control itself is visible and its parents are.
    bool IsVisible() const { return m_bVisible && m_bInternVisible; }
    bool IsOwnVisible() const { return m_bVisible; }
    virtual void SetVisible(bool visible = true);
    virtual void SetInternVisible(bool visible = true);
    bool IsEnabled() const { return m_bEnabled; }
    virtual void SetEnabled(bool enabled = true);
    bool IsMouseEnabled() const { return m_bMouseEnabled; }
    void SetMouseEnabled(bool enabled) { m_bMouseEnabled = enabled; }
    bool IsKeyboardEnabled() const { return m_bKeyboardEnabled; }
    void SetKeyboardEnabled(bool enabled) { m_bKeyboardEnabled = enabled; }
    bool IsContextMenuUsed() const { return m_bMenuUsed; }
    void SetContextMenuUsed(bool used) { m_bMenuUsed = used; }
    int GetCursor() const { return m_cursor; }
    void SetCursor(int cursor) { m_cursor = cursor; }
    bool IsFocused() const;
    virtual void SetFocus();
    virtual bool Activate();

    // Position and size, in the window's unscaled (96 DPI) coordinates.
    const UiRect& GetPos() const { return m_rcItem; }
    virtual void SetPos(const UiRect& rc, bool needInvalidate = true);
    int GetWidth() const { return m_rcItem.Width(); }
    int GetHeight() const { return m_rcItem.Height(); }
    virtual UiSize EstimateSize(UiSize available);
    const UiRect& GetPadding() const { return m_rcPadding; }
    void SetPadding(const UiRect& padding);
    bool IsFloat() const { return m_bFloat; }
    void SetFloat(bool isFloat);
    UiPoint GetFixedXY() const { return m_fixedXY; }
    void SetFixedXY(UiPoint xy);
    int GetFixedWidth() const { return m_cxyFixed.cx; }
    void SetFixedWidth(int cx);
    int GetFixedHeight() const { return m_cxyFixed.cy; }
    void SetFixedHeight(int cy);
    int GetMinWidth() const { return m_cxyMin.cx; }
    int GetMinHeight() const { return m_cxyMin.cy; }
    int GetMaxWidth() const { return m_cxyMax.cx; }
    int GetMaxHeight() const { return m_cxyMax.cy; }
    void SetMinWidth(int cx) { m_cxyMin.cx = cx; }
    void SetMinHeight(int cy) { m_cxyMin.cy = cy; }
    void SetMaxWidth(int cx) { m_cxyMax.cx = cx; }
    void SetMaxHeight(int cy) { m_cxyMax.cy = cy; }

    // Colours are 0xAARRGGBB; 0 means none.
    uint32_t GetBkColor() const { return m_dwBackColor; }
    void SetBkColor(uint32_t color);
    uint32_t GetForeColor() const { return m_dwForeColor; }
    void SetForeColor(uint32_t color);
    uint32_t GetBorderColor() const { return m_dwBorderColor; }
    void SetBorderColor(uint32_t color);
    void SetFocusBorderColor(uint32_t color);
    int GetBorderSize() const { return m_nBorderSize; }
    void SetBorderSize(int size);
    UiSize GetBorderRound() const { return m_cxyBorderRound; }
    void SetBorderRound(UiSize round);
    const std::string& GetBkImage() const { return m_sBkImage; }
    void SetBkImage(const std::string& image);
    const std::string& GetForeImage() const { return m_sForeImage; }
    void SetForeImage(const std::string& image);

    CPaintManagerUI* GetManager() const { return m_pManager; }
    CControlUI* GetParent() const { return m_pParent; }
    virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true);
    virtual void DoInit() {}

    void Invalidate();
    bool IsUpdateNeeded() const { return m_bUpdateNeeded; }
    void NeedUpdate();
    void NeedParentUpdate();

    // Event entry: the paint manager calls Event, which passes to DoEvent.
    // Unhandled mouse wheel and key events travel up to the parent.
    void Event(TEventUI& event);
    virtual void DoEvent(TEventUI& event);

    // Sets one attribute; false when the name is not an attribute of the class.
    virtual bool SetAttribute(const std::string& name, const std::string& value);
    // Applies a list written as: name="value" name2="value2". Returns false when
    // the list cannot be read or holds an unknown attribute.
    bool ApplyAttributeList(const std::string& list);

    virtual CControlUI* FindControl(const FindProc& proc, unsigned flags);

    virtual void DoPaint(HDC hDC, const UiRect& rcPaint);
    virtual void PaintBkColor(HDC hDC);
    virtual void PaintBkImage(HDC hDC);
    virtual void PaintStatusImage(HDC hDC);
    virtual void PaintText(HDC hDC);
    virtual void PaintBorder(HDC hDC);

    // Draws an image description over the control (see CRenderEngine).
    bool DrawImage(HDC hDC, const std::string& image, const std::string& modify = {});

protected:
    // Raises a notification through the manager, when there is one.
    void SendNotify(const std::string& type, WPARAM wParam = 0, LPARAM lParam = 0);

    CPaintManagerUI* m_pManager = nullptr;
    CControlUI* m_pParent = nullptr;
    std::string m_sName;
    std::string m_sText;
    std::string m_sToolTip;
    std::string m_sUserData;
    uintptr_t m_tag = 0;
    bool m_bVisible = true;
    bool m_bInternVisible = true;
    bool m_bEnabled = true;
    bool m_bMouseEnabled = true;
    bool m_bKeyboardEnabled = true;
    bool m_bMenuUsed = false;
    bool m_bFloat = false;
    bool m_bUpdateNeeded = true;
    UiRect m_rcItem;
    UiRect m_rcPadding;
    UiPoint m_fixedXY;
    UiSize m_cxyFixed;
    UiSize m_cxyMin;
    UiSize m_cxyMax{9999, 9999};
    uint32_t m_dwBackColor = 0;
    uint32_t m_dwForeColor = 0;
    uint32_t m_dwBorderColor = 0;
    uint32_t m_dwFocusBorderColor = 0;
    int m_nBorderSize = 0;
    UiSize m_cxyBorderRound;
    std::string m_sBkImage;
    std::string m_sForeImage;
    unsigned m_uButtonState = 0;
    int m_cursor = kCursorArrow;
};

}  // namespace DuiLib
