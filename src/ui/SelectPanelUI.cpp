#include "ui/SelectPanelUI.h"

#include <algorithm>

#include "ui/DeviceKeyButtonUI.h"

namespace DuiLib {

void* CSelectPanelUI::GetInterface(const std::string& name) {
    if (name == "SelectPanel") {
        return this;
    }
    return CVerticalLayoutUI::GetInterface(name);
}

void CSelectPanelUI::DoEvent(TEventUI& event) {
    CVerticalLayoutUI::DoEvent(event);
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
            if (IsEnabled()) {
                m_nArmed = 1;
                m_ptAnchor = event.ptMouse;
            }
            break;
        case UIEVENT_MOUSEMOVE:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                m_ptCurrent = event.ptMouse;
                NeedUpdate();
            }
            if (m_nArmed != 0) {
                m_bSelecting = true;
            }
            if (m_bSelecting) {
                m_ptCurrent = event.ptMouse;
                m_rcSelect.left = std::min(m_ptAnchor.x, m_ptCurrent.x);
                m_rcSelect.right = std::max(m_ptAnchor.x, m_ptCurrent.x);
                m_rcSelect.top = std::min(m_ptAnchor.y, m_ptCurrent.y);
                m_rcSelect.bottom = std::max(m_ptAnchor.y, m_ptCurrent.y);
                NeedUpdate();
            }
            break;
        case UIEVENT_BUTTONUP:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                m_uButtonState &= ~UISTATE_CAPTURED;
                m_nArmed = 0;
                m_bSelecting = false;
                m_ptAnchor = m_ptCurrent;
            }
            m_nArmed = 0;
            if (m_bSelecting) {
                m_bSelecting = false;
                m_ptAnchor = m_ptCurrent;
                ApplySelection();
                NeedUpdate();
                SendNotify("click_select_end");
            }
            break;
        default:
            break;
    }
}

void CSelectPanelUI::ApplySelection() {
    for (CControlUI* child : m_items) {
        if (child->GetClass() != "DeviceKeyButton") {
            continue;
        }
        auto* key = static_cast<CDeviceKeyButtonUI*>(child->GetInterface("DeviceKeyButton"));
        if (key == nullptr) {
            continue;
        }
        key->SetKeySelected(child->GetPos().Intersects(m_rcSelect) ? 1 : 0);
        key->Invalidate();
    }
}

}  // namespace DuiLib
