#include "uilib/ButtonUI.h"

#include "uilib/AttributeTable.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

uint32_t ColorValue(const std::string& value) {
    uint32_t color = 0;
    ParseColor(value, color);
    return color;
}

const AttributeTable<CButtonUI>& ButtonAttributes() {
    static const AttributeTable<CButtonUI> table = {
        {"normalimage", [](CButtonUI& c, const std::string& v) { c.SetNormalImage(v); }},
        {"hotimage", [](CButtonUI& c, const std::string& v) { c.SetHotImage(v); }},
        {"pushedimage", [](CButtonUI& c, const std::string& v) { c.SetPushedImage(v); }},
        {"focusedimage", [](CButtonUI& c, const std::string& v) { c.SetFocusedImage(v); }},
        {"disabledimage", [](CButtonUI& c, const std::string& v) { c.SetDisabledImage(v); }},
        {"hotbkcolor", [](CButtonUI& c, const std::string& v) { c.SetHotBkColor(ColorValue(v)); }},
        {"pushedbkcolor",
         [](CButtonUI& c, const std::string& v) { c.SetPushedBkColor(ColorValue(v)); }},
        {"hottextcolor",
         [](CButtonUI& c, const std::string& v) { c.SetHotTextColor(ColorValue(v)); }},
        {"pushedtextcolor",
         [](CButtonUI& c, const std::string& v) { c.SetPushedTextColor(ColorValue(v)); }},
    };
    return table;
}

}  // namespace

CButtonUI::CButtonUI() {
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}

void* CButtonUI::GetInterface(const std::string& name) {
    return name == "Button" ? this : CLabelUI::GetInterface(name);
}

bool CButtonUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    SendNotify("click");
    return true;
}

void CButtonUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!enabled) {
        m_uButtonState = UISTATE_DISABLED;
    }
}

void CButtonUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (m_rcItem.Contains(event.ptMouse) && IsEnabled()) {
                m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSEMOVE:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                if (m_rcItem.Contains(event.ptMouse)) {
                    m_uButtonState |= UISTATE_PUSHED;
                } else {
                    m_uButtonState &= ~UISTATE_PUSHED;
                }
                Invalidate();
            }
            return;
        case UIEVENT_BUTTONUP:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
                Invalidate();
                if (m_rcItem.Contains(event.ptMouse)) {
                    Activate();
                }
            }
            return;
        case UIEVENT_MOUSEENTER:
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSELEAVE:
            if ((m_uButtonState & UISTATE_HOT) != 0) {
                m_uButtonState &= ~UISTATE_HOT;
                Invalidate();
            }
            return;
        case UIEVENT_KEYDOWN:
            if (IsEnabled() && (event.chKey == kVkSpace || event.chKey == kVkReturn)) {
                Activate();
                return;
            }
            break;
        default:
            break;
    }
    CLabelUI::DoEvent(event);
}

bool CButtonUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(ButtonAttributes(), *this, name, value) ||
           CLabelUI::SetAttribute(name, value);
}

void CButtonUI::SetNormalImage(const std::string& image) {
    m_sNormalImage = image;
    Invalidate();
}

void CButtonUI::SetHotImage(const std::string& image) {
    m_sHotImage = image;
    Invalidate();
}

void CButtonUI::SetPushedImage(const std::string& image) {
    m_sPushedImage = image;
    Invalidate();
}

void CButtonUI::SetFocusedImage(const std::string& image) {
    m_sFocusedImage = image;
    Invalidate();
}

void CButtonUI::SetDisabledImage(const std::string& image) {
    m_sDisabledImage = image;
    Invalidate();
}

void CButtonUI::PaintBkColor(HDC hDC) {
    uint32_t color = m_dwBackColor;
    if ((m_uButtonState & UISTATE_PUSHED) != 0 && m_dwPushedBkColor != 0) {
        color = m_dwPushedBkColor;
    } else if ((m_uButtonState & UISTATE_HOT) != 0 && m_dwHotBkColor != 0) {
        color = m_dwHotBkColor;
    }
    if (color == 0) {
        return;
    }
    if (m_cxyBorderRound.cx > 0) {
        CRenderEngine::FillRoundRect(hDC, m_rcItem, m_cxyBorderRound.cx, color);
    } else {
        CRenderEngine::DrawColor(hDC, m_rcItem, color);
    }
}

void CButtonUI::PaintStatusImage(HDC hDC) {
    const std::string* image = &m_sNormalImage;
    if (!IsEnabled()) {
        if (!m_sDisabledImage.empty()) {
            image = &m_sDisabledImage;
        }
    } else if ((m_uButtonState & UISTATE_PUSHED) != 0 && !m_sPushedImage.empty()) {
        image = &m_sPushedImage;
    } else if ((m_uButtonState & UISTATE_HOT) != 0 && !m_sHotImage.empty()) {
        image = &m_sHotImage;
    } else if (IsFocused() && !m_sFocusedImage.empty()) {
        image = &m_sFocusedImage;
    }
    if (!image->empty()) {
        DrawImage(hDC, *image);
    }
}

void CButtonUI::PaintText(HDC hDC) {
    std::string text = GetText();
    if (text.empty()) {
        return;
    }
    uint32_t color = CurrentTextColor();
    if (IsEnabled()) {
        if ((m_uButtonState & UISTATE_PUSHED) != 0 && m_dwPushedTextColor != 0) {
            color = m_dwPushedTextColor;
        } else if ((m_uButtonState & UISTATE_HOT) != 0 && m_dwHotTextColor != 0) {
            color = m_dwHotTextColor;
        }
    }
    CRenderEngine::DrawText(hDC, m_rcItem.Deflate(m_rcTextPadding), text, color, m_iFont,
                            m_uTextStyle);
}

}  // namespace DuiLib
