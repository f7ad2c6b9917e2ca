#include "ui/CloudShareListItemUI.h"

#include "uilib/RenderEngine.h"

namespace DuiLib {

void* CCloudShareListItemUI::GetInterface(const std::string& name) {
    if (name == "CloudShareListItemUI") {
        return this;
    }
    return CListContainerElementUI::GetInterface(name);
}

bool CCloudShareListItemUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    if (m_pManager != nullptr) {
        SendNotify("itemactivate");
    }
    return true;
}

void CCloudShareListItemUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
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
        case UIEVENT_CONTEXTMENU:
            if (IsContextMenuUsed()) {
                SendNotify("menu", event.wParam, event.lParam);
            }
            return;
        default:
            CListContainerElementUI::DoEvent(event);
            return;
    }
}

void CCloudShareListItemUI::PaintBkColor(HDC hDC) {
    CListContainerElementUI::PaintBkColor(hDC);
    if (m_bSelected || (m_uButtonState & UISTATE_HOT) == 0 || m_pOwner == nullptr) {
        return;
    }
    // Lists that give hot items an image frame the item under the pointer in
    // their accent (selection) colour.
    const TListInfoUI* info = m_pOwner->GetListInfo();
    if (info != nullptr && !info->sHotImage.empty()) {
        CRenderEngine::DrawRect(hDC, m_rcItem, 1, info->dwSelectedBkColor);
    }
}

}  // namespace DuiLib
