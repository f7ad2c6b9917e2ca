#include "uilib/ListItemBase.h"

#include "uilib/ControlUI.h"
#include "uilib/HorizontalLayoutUI.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {

template <class Base>
bool CListItemBase<Base>::Select(bool select, bool triggerEvent) {
    if (!this->IsEnabled()) {
        return false;
    }
    if (select == m_bSelected) {
        return true;
    }
    m_bSelected = select;
    if (select && m_pOwner != nullptr) {
        m_pOwner->SelectItem(m_iIndex, false, triggerEvent);
    }
    this->Invalidate();
    return true;
}

template <class Base>
bool CListItemBase<Base>::SelectMulti(bool select) {
    if (!this->IsEnabled()) {
        return false;
    }
    m_bSelected = select;
    this->Invalidate();
    return true;
}

template <class Base>
bool CListItemBase<Base>::SetAttribute(const std::string& name, const std::string& value) {
    if (EqualsNoCase(name, "selected")) {
        m_bSelected = ParseBool(value);
        return true;
    }
    return Base::SetAttribute(name, value);
}

template <class Base>
bool CListItemBase<Base>::Activate() {
    if (!Base::Activate()) {
        return false;
    }
    this->SendNotify("itemactivate");
    return true;
}

template <class Base>
void CListItemBase<Base>::DoEvent(TEventUI& event) {
    if (!this->IsMouseEnabled() && event.Type > UIEVENT__MOUSEBEGIN &&
        event.Type < UIEVENT__MOUSEEND) {
        if (m_pOwner != nullptr) {
            m_pOwner->DoEvent(event);
        } else {
            Base::DoEvent(event);
        }
        return;
    }
    switch (event.Type) {
        case UIEVENT_DBLCLICK:
            if (this->IsEnabled()) {
                Activate();
                this->Invalidate();
            }
            return;
        case UIEVENT_KEYDOWN:
            if (this->IsEnabled() && event.chKey == kVkReturn) {
                Activate();
                this->Invalidate();
                return;
            }
            break;
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_RBUTTONDOWN:
            if (this->IsEnabled()) {
                if (m_pOwner != nullptr && m_pOwner->IsMultiSelect() &&
                    (event.wKeyState & kKeyControl) != 0) {
                    m_pOwner->SelectMultiItem(m_iIndex);
                } else {
                    Select();
                }
                this->Invalidate();
            }
            return;
        case UIEVENT_BUTTONUP:
            if (this->IsEnabled()) {
                this->SendNotify("itemclick");
            }
            return;
        case UIEVENT_MOUSEMOVE:
            return;
        case UIEVENT_MOUSEENTER:
            if (this->IsEnabled()) {
                this->m_uButtonState |= UISTATE_HOT;
                this->Invalidate();
            }
            return;
        case UIEVENT_MOUSELEAVE:
            if ((this->m_uButtonState & UISTATE_HOT) != 0) {
                this->m_uButtonState &= ~UISTATE_HOT;
                this->Invalidate();
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
    Base::DoEvent(event);
}

template <class Base>
void CListItemBase<Base>::PaintBkColor(HDC hDC) {
    Base::PaintBkColor(hDC);
    if (m_pOwner == nullptr) {
        return;
    }
    TListInfoUI* info = m_pOwner->GetListInfo();
    uint32_t color = info->dwBkColor;
    if (m_bSelected) {
        color = info->dwSelectedBkColor;
    } else if ((this->m_uButtonState & UISTATE_HOT) != 0) {
        color = info->dwHotBkColor;
    }
    CRenderEngine::DrawColor(hDC, this->m_rcItem, color);
}

template <class Base>
void CListItemBase<Base>::PaintStatusImage(HDC hDC) {
    if (m_pOwner == nullptr) {
        return;
    }
    TListInfoUI* info = m_pOwner->GetListInfo();
    if (m_bSelected && !info->sSelectedImage.empty()) {
        this->DrawImage(hDC, info->sSelectedImage);
    } else if ((this->m_uButtonState & UISTATE_HOT) != 0 && !info->sHotImage.empty()) {
        this->DrawImage(hDC, info->sHotImage);
    }
}

// The two kinds of item the library has.
template class CListItemBase<CControlUI>;
template class CListItemBase<CHorizontalLayoutUI>;

}  // namespace DuiLib
