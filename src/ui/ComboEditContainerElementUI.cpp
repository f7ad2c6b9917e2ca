#include "ui/ComboEditContainerElementUI.h"

#include "uilib/DialogBuilder.h"

namespace DuiLib {

void* CComboEditContainerElementUI::GetInterface(const std::string& name) {
    if (name == "ComboEditContainerElement") {
        return this;
    }
    return CListContainerElementUI::GetInterface(name);
}

void CComboEditContainerElementUI::DoInit() {
    CDialogBuilder builder;
    CControlUI* content = builder.Create(kLayoutFile, {}, nullptr, m_pManager);
    if (content == nullptr) {
        return;
    }
    RemoveAll();
    Add(content);
}

bool CComboEditContainerElementUI::SetAttribute(const std::string& name, const std::string& value) {
    if (name == "normalimage" || name == "hotimage" || name == "selectedimage") {
        return true;
    }
    return CContainerUI::SetAttribute(name, value);
}

void CComboEditContainerElementUI::DoEvent(TEventUI& event) {
    if (!IsMouseEnabled() && event.Type > UIEVENT__MOUSEBEGIN && event.Type < UIEVENT__MOUSEEND) {
        if (m_pOwner != nullptr) {
            m_pOwner->DoEvent(event);
        } else {
            CContainerUI::DoEvent(event);
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
                SendNotify("return");
                return;
            }
            break;
        case UIEVENT_BUTTONDOWN:
            if (IsEnabled()) {
                if ((event.wKeyState & kKeyControl) != 0) {
                    SelectMulti(!IsSelected());
                } else {
                    Select();
                }
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
            }
            Invalidate();
            return;
        case UIEVENT_TIMER:
            SendNotify("timer", event.wParam, event.lParam);
            return;
        case UIEVENT_CONTEXTMENU:
            if (IsContextMenuUsed()) {
                SendNotify("menu", event.wParam, event.lParam);
            }
            return;
        default:
            break;
    }
    if (m_pOwner != nullptr) {
        m_pOwner->DoEvent(event);
    } else {
        CControlUI::DoEvent(event);
    }
}

}  // namespace DuiLib
