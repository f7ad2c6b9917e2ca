#include "ui/HandImgButtonUI.h"

#include "ui/HandImageFile.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {

void* CHandImgButtonUI::GetInterface(const std::string& name) {
    if (name == "HandImgButton") {
        return this;
    }
    return CButtonUI::GetInterface(name);
}

void CHandImgButtonUI::SetHandImage(const std::string& image) {
    m_sHandImage = image;
    Invalidate();
}

bool CHandImgButtonUI::SetAttribute(const std::string& name, const std::string& value) {
    if (EqualsNoCase(name, "handimage")) {
        SetHandImage(value);
        return true;
    }
    return CButtonUI::SetAttribute(name, value);
}

void CHandImgButtonUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (m_rcItem.Contains(event.ptMouse) && IsEnabled()) {
                m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
                Invalidate();
            }
            return;
        case UIEVENT_BUTTONUP:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                if (m_rcItem.Contains(event.ptMouse)) {
                    Activate();
                }
                m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
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
        case UIEVENT_MOUSEENTER:
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                SendNotify("msenter");
                Invalidate();
            }
            break;
        case UIEVENT_MOUSELEAVE:
            if (IsEnabled()) {
                m_uButtonState &= ~UISTATE_HOT;
                SendNotify("msleave");
                Invalidate();
            }
            break;
        default:
            break;
    }
    CButtonUI::DoEvent(event);
}

void CHandImgButtonUI::PaintStatusImage(HDC hDC) {
    CButtonUI::PaintStatusImage(hDC);
    if (!m_sHandImage.empty()) {
        CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, m_rcItem, m_sHandImage,
                                       HandImageOverride(m_sHandImage));
    }
}

}  // namespace DuiLib
