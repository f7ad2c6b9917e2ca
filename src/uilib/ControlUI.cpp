#include "uilib/ControlUI.h"

#include "uilib/AttributeTable.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"
#include "uilib/ResourceManager.h"

namespace DuiLib {
namespace {

uint32_t ColorValue(const std::string& value) {
    uint32_t color = 0;
    ParseColor(value, color);
    return color;
}

const AttributeTable<CControlUI>& ControlAttributes() {
    static const AttributeTable<CControlUI> table = {
        {"name", [](CControlUI& c, const std::string& v) { c.SetName(v); }},
        {"text", [](CControlUI& c, const std::string& v) { c.SetText(v); }},
        {"tooltip", [](CControlUI& c, const std::string& v) { c.SetToolTip(v); }},
        {"userdata", [](CControlUI& c, const std::string& v) { c.SetUserData(v); }},
        {"visible", [](CControlUI& c, const std::string& v) { c.SetVisible(ParseBool(v)); }},
        {"enabled", [](CControlUI& c, const std::string& v) { c.SetEnabled(ParseBool(v)); }},
        {"mouse", [](CControlUI& c, const std::string& v) { c.SetMouseEnabled(ParseBool(v)); }},
        {"keyboard",
         [](CControlUI& c, const std::string& v) { c.SetKeyboardEnabled(ParseBool(v)); }},
        {"menu", [](CControlUI& c, const std::string& v) { c.SetContextMenuUsed(ParseBool(v)); }},
        {"float", [](CControlUI& c, const std::string& v) { c.SetFloat(ParseBool(v)); }},
        {"pos",
         [](CControlUI& c, const std::string& v) {
             UiRect rc = ParseRect(v);
             c.SetFixedXY({rc.left, rc.top});
             c.SetFixedWidth(rc.Width());
             c.SetFixedHeight(rc.Height());
         }},
        {"width", [](CControlUI& c, const std::string& v) { c.SetFixedWidth(ParseInt(v)); }},
        {"height", [](CControlUI& c, const std::string& v) { c.SetFixedHeight(ParseInt(v)); }},
        {"minwidth", [](CControlUI& c, const std::string& v) { c.SetMinWidth(ParseInt(v)); }},
        {"minheight", [](CControlUI& c, const std::string& v) { c.SetMinHeight(ParseInt(v)); }},
        {"maxwidth", [](CControlUI& c, const std::string& v) { c.SetMaxWidth(ParseInt(v)); }},
        {"maxheight", [](CControlUI& c, const std::string& v) { c.SetMaxHeight(ParseInt(v)); }},
        {"padding", [](CControlUI& c, const std::string& v) { c.SetPadding(ParseRect(v)); }},
        {"bkcolor", [](CControlUI& c, const std::string& v) { c.SetBkColor(ColorValue(v)); }},
        {"forecolor", [](CControlUI& c, const std::string& v) { c.SetForeColor(ColorValue(v)); }},
        {"bordercolor",
         [](CControlUI& c, const std::string& v) { c.SetBorderColor(ColorValue(v)); }},
        {"focusbordercolor",
         [](CControlUI& c, const std::string& v) { c.SetFocusBorderColor(ColorValue(v)); }},
        {"bordersize", [](CControlUI& c, const std::string& v) { c.SetBorderSize(ParseInt(v)); }},
        {"borderround",
         [](CControlUI& c, const std::string& v) { c.SetBorderRound(ParseSize(v)); }},
        {"bkimage", [](CControlUI& c, const std::string& v) { c.SetBkImage(v); }},
        {"cursor",
         [](CControlUI& c, const std::string& v) {
             c.SetCursor(EqualsNoCase(v, "hand")     ? kCursorHand
                         : EqualsNoCase(v, "ibeam")  ? kCursorIBeam
                         : EqualsNoCase(v, "sizewe") ? kCursorSizeWE
                         : EqualsNoCase(v, "sizens") ? kCursorSizeNS
                                                     : kCursorArrow);
         }},
        {"foreimage", [](CControlUI& c, const std::string& v) { c.SetForeImage(v); }},
    };
    return table;
}

}  // namespace

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
    if (m_pManager != nullptr) {
        m_pManager->ReapObjects(this);
    }
}

void* CControlUI::GetInterface(const std::string& name) {
    return name == "Control" ? this : nullptr;
}

std::string CControlUI::GetText() const {
    return CResourceManager::GetInstance().Translate(m_sText);
}

void CControlUI::SetText(const std::string& text) {
    if (m_sText == text) {
        return;
    }
    m_sText = text;
    Invalidate();
}

std::string CControlUI::GetToolTip() const {
    return CResourceManager::GetInstance().Translate(m_sToolTip);
}

void CControlUI::SetVisible(bool visible) {
    if (m_bVisible == visible) {
        return;
    }
    bool wasVisible = IsVisible();
    m_bVisible = visible;
    if (!visible && m_pManager != nullptr && IsFocused()) {
        m_pManager->SetFocus(nullptr);
    }
    if (wasVisible != IsVisible()) {
        NeedParentUpdate();
    }
}

void CControlUI::SetInternVisible(bool visible) {
    m_bInternVisible = visible;
    if (!visible && m_pManager != nullptr && IsFocused()) {
        m_pManager->SetFocus(nullptr);
    }
}

void CControlUI::SetEnabled(bool enabled) {
    if (m_bEnabled == enabled) {
        return;
    }
    m_bEnabled = enabled;
    if (enabled) {
        m_uButtonState &= ~UISTATE_DISABLED;
    } else {
        m_uButtonState = UISTATE_DISABLED;
    }
    Invalidate();
}

bool CControlUI::IsFocused() const {
    return m_pManager != nullptr && m_pManager->GetFocus() == this;
}

void CControlUI::SetFocus() {
    if (m_pManager != nullptr) {
        m_pManager->SetFocus(this);
    }
}

bool CControlUI::Activate() {
    return IsVisible() && IsEnabled();
}

void CControlUI::SetPos(const UiRect& rc, bool needInvalidate) {
    UiRect next = rc;
    if (next.right < next.left) {
        next.right = next.left;
    }
    if (next.bottom < next.top) {
        next.bottom = next.top;
    }
    m_bUpdateNeeded = false;
    if (next == m_rcItem) {
        return;
    }
    UiRect old = m_rcItem;
    m_rcItem = next;
    if (needInvalidate && m_pManager != nullptr && IsVisible()) {
        m_pManager->Invalidate(old.Union(m_rcItem));
    }
}

UiSize CControlUI::EstimateSize(UiSize) {
    return m_cxyFixed;
}

void CControlUI::SetPadding(const UiRect& padding) {
    m_rcPadding = padding;
    NeedParentUpdate();
}

void CControlUI::SetFloat(bool isFloat) {
    m_bFloat = isFloat;
    NeedParentUpdate();
}

void CControlUI::SetFixedXY(UiPoint xy) {
    m_fixedXY = xy;
    NeedParentUpdate();
}

void CControlUI::SetFixedWidth(int cx) {
    if (cx < 0 || cx == m_cxyFixed.cx) {
        return;
    }
    m_cxyFixed.cx = cx;
    NeedParentUpdate();
}

void CControlUI::SetFixedHeight(int cy) {
    if (cy < 0 || cy == m_cxyFixed.cy) {
        return;
    }
    m_cxyFixed.cy = cy;
    NeedParentUpdate();
}

void CControlUI::SetBkColor(uint32_t color) {
    m_dwBackColor = color;
    Invalidate();
}

void CControlUI::SetForeColor(uint32_t color) {
    m_dwForeColor = color;
    Invalidate();
}

void CControlUI::SetBorderColor(uint32_t color) {
    m_dwBorderColor = color;
    Invalidate();
}

void CControlUI::SetFocusBorderColor(uint32_t color) {
    m_dwFocusBorderColor = color;
    Invalidate();
}

void CControlUI::SetBorderSize(int size) {
    m_nBorderSize = size;
    Invalidate();
}

void CControlUI::SetBorderRound(UiSize round) {
    m_cxyBorderRound = round;
    Invalidate();
}

void CControlUI::SetBkImage(const std::string& image) {
    m_sBkImage = image;
    Invalidate();
}

void CControlUI::SetForeImage(const std::string& image) {
    m_sForeImage = image;
    Invalidate();
}

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    m_pManager = manager;
    m_pParent = parent;
    if (init && m_pParent != nullptr) {
        DoInit();
    }
}

void CControlUI::Invalidate() {
    if (m_pManager != nullptr && IsVisible()) {
        m_pManager->Invalidate(m_rcItem);
    }
}

void CControlUI::NeedUpdate() {
    m_bUpdateNeeded = true;
    if (m_pManager != nullptr) {
        m_pManager->NeedUpdate();
    }
}

void CControlUI::NeedParentUpdate() {
    if (m_pParent != nullptr) {
        m_pParent->NeedUpdate();
        m_pParent->Invalidate();
    } else {
        NeedUpdate();
    }
    Invalidate();
}

void CControlUI::Event(TEventUI& event) {
    DoEvent(event);
}

void CControlUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_SETFOCUS:
        case UIEVENT_KILLFOCUS:
            Invalidate();
            return;
        case UIEVENT_TIMER:
            SendNotify("timer", event.wParam, event.lParam);
            return;
        case UIEVENT_CONTEXTMENU:
            if (m_bMenuUsed) {
                SendNotify("menu", event.wParam, event.lParam);
                return;
            }
            break;
        default:
            break;
    }
    if (m_pParent != nullptr &&
        (event.Type == UIEVENT_SCROLLWHEEL || event.Type == UIEVENT_CONTEXTMENU)) {
        m_pParent->DoEvent(event);
    }
}

bool CControlUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(ControlAttributes(), *this, name, value);
}

bool CControlUI::ApplyAttributeList(const std::string& list) {
    bool ok = true;
    size_t pos = 0;
    while (pos < list.size()) {
        while (pos < list.size() && (list[pos] == ' ' || list[pos] == '\t' || list[pos] == '\n')) {
            ++pos;
        }
        if (pos >= list.size()) {
            break;
        }
        size_t eq = list.find('=', pos);
        if (eq == std::string::npos || eq + 1 >= list.size()) {
            return false;
        }
        std::string name = list.substr(pos, eq - pos);
        char quote = list[eq + 1];
        if (quote != '"' && quote != '\'') {
            return false;
        }
        size_t end = list.find(quote, eq + 2);
        if (end == std::string::npos) {
            return false;
        }
        ok = SetAttribute(name, list.substr(eq + 2, end - eq - 2)) && ok;
        pos = end + 1;
    }
    return ok;
}

CControlUI* CControlUI::FindControl(const FindProc& proc, unsigned flags) {
    if ((flags & UIFIND_VISIBLE) != 0 && !IsVisible()) {
        return nullptr;
    }
    if ((flags & UIFIND_ENABLED) != 0 && !IsEnabled()) {
        return nullptr;
    }
    return proc(this) ? this : nullptr;
}

void CControlUI::DoPaint(HDC hDC, const UiRect& rcPaint) {
    if (!rcPaint.Intersects(m_rcItem)) {
        return;
    }
    PaintBkColor(hDC);
    PaintBkImage(hDC);
    PaintStatusImage(hDC);
    PaintText(hDC);
    PaintBorder(hDC);
}

void CControlUI::PaintBkColor(HDC hDC) {
    if (m_dwBackColor != 0) {
        if (m_cxyBorderRound.cx > 0) {
            CRenderEngine::FillRoundRect(hDC, m_rcItem, m_cxyBorderRound.cx, m_dwBackColor);
        } else {
            CRenderEngine::DrawColor(hDC, m_rcItem, m_dwBackColor);
        }
    }
}

void CControlUI::PaintBkImage(HDC hDC) {
    if (!m_sBkImage.empty()) {
        DrawImage(hDC, m_sBkImage);
    }
}

void CControlUI::PaintStatusImage(HDC) {}

void CControlUI::PaintText(HDC) {}

void CControlUI::PaintBorder(HDC hDC) {
    uint32_t color =
        IsFocused() && m_dwFocusBorderColor != 0 ? m_dwFocusBorderColor : m_dwBorderColor;
    if (m_nBorderSize <= 0 || color == 0) {
        return;
    }
    if (m_cxyBorderRound.cx > 0) {
        CRenderEngine::DrawRoundRect(hDC, m_rcItem, m_cxyBorderRound.cx, m_nBorderSize, color);
    } else {
        CRenderEngine::DrawRect(hDC, m_rcItem, m_nBorderSize, color);
    }
}

bool CControlUI::DrawImage(HDC hDC, const std::string& image, const std::string& modify) {
    return CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, m_rcItem, image, modify);
}

void CControlUI::SendNotify(const std::string& type, WPARAM wParam, LPARAM lParam) {
    if (m_pManager != nullptr) {
        m_pManager->SendNotify(this, type, wParam, lParam);
    }
}

}  // namespace DuiLib
