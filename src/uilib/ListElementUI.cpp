#include "uilib/ListElementUI.h"

#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {

void* CListElementUI::GetInterface(const std::string& name) {
    if (name == "ListItem" || name == "ListElement") {
        return this;
    }
    return CControlUI::GetInterface(name);
}

bool CListElementUI::Select(bool select, bool triggerEvent) {
    if (!IsEnabled()) {
        return false;
    }
    if (select == m_bSelected) {
        return true;
    }
    m_bSelected = select;
    if (select && m_pOwner != nullptr) {
        m_pOwner->SelectItem(m_iIndex, false, triggerEvent);
    }
    Invalidate();
    return true;
}

bool CListElementUI::SelectMulti(bool select) {
    if (!IsEnabled()) {
        return false;
    }
    m_bSelected = select;
    Invalidate();
    return true;
}

bool CListElementUI::SetAttribute(const std::string& name, const std::string& value) {
    if (EqualsNoCase(name, "selected")) {
        m_bSelected = ParseBool(value);
        return true;
    }
    return CControlUI::SetAttribute(name, value);
}

bool CListElementUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    SendNotify("itemactivate");
    return true;
}

void CListElementUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    if (!IsVisible() && m_bSelected) {
        m_bSelected = false;
        if (m_pOwner != nullptr) {
            m_pOwner->SelectItem(-1);
        }
    }
}

void CListElementUI::DoEvent(TEventUI& event) {
    if (!IsMouseEnabled() && event.Type > UIEVENT__MOUSEBEGIN && event.Type < UIEVENT__MOUSEEND) {
        if (m_pOwner != nullptr) {
            m_pOwner->DoEvent(event);
        } else {
            CControlUI::DoEvent(event);
        }
        return;
    }
    switch (event.Type) {
        case UIEVENT_DBLCLICK:
            if (IsEnabled()) {
                Activate();
                Invalidate();
            }
            return;
        case UIEVENT_KEYDOWN:
            if (IsEnabled() && event.chKey == kVkReturn) {
                Activate();
                Invalidate();
                return;
            }
            break;
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_RBUTTONDOWN:
            if (IsEnabled()) {
                if (m_pOwner != nullptr && m_pOwner->IsMultiSelect() &&
                    (event.wKeyState & kKeyControl) != 0) {
                    m_pOwner->SelectMultiItem(m_iIndex);
                } else {
                    Select();
                }
                Invalidate();
            }
            return;
        case UIEVENT_BUTTONUP:
            if (IsEnabled()) {
                SendNotify("itemclick");
            }
            return;
        case UIEVENT_MOUSEMOVE:
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
        default:
            break;
    }
    if (m_pOwner != nullptr &&
        (event.Type == UIEVENT_KEYDOWN || event.Type == UIEVENT_SCROLLWHEEL)) {
        m_pOwner->DoEvent(event);
        return;
    }
    CControlUI::DoEvent(event);
}

void CListElementUI::PaintBkColor(HDC hDC) {
    CControlUI::PaintBkColor(hDC);
    if (m_pOwner == nullptr) {
        return;
    }
    TListInfoUI* info = m_pOwner->GetListInfo();
    uint32_t color = info->dwBkColor;
    if (m_bSelected) {
        color = info->dwSelectedBkColor;
    } else if ((m_uButtonState & UISTATE_HOT) != 0) {
        color = info->dwHotBkColor;
    }
    CRenderEngine::DrawColor(hDC, m_rcItem, color);
}

void CListElementUI::PaintStatusImage(HDC hDC) {
    if (m_pOwner == nullptr) {
        return;
    }
    TListInfoUI* info = m_pOwner->GetListInfo();
    if (m_bSelected && !info->sSelectedImage.empty()) {
        DrawImage(hDC, info->sSelectedImage);
    } else if ((m_uButtonState & UISTATE_HOT) != 0 && !info->sHotImage.empty()) {
        DrawImage(hDC, info->sHotImage);
    }
}

}  // namespace DuiLib
