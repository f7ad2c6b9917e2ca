#include "ui/WndUI.h"

namespace DuiLib {

void* CWndUI::GetInterface(const std::string& name) {
    if (name == "Wnd") {
        return this;
    }
    return CControlUI::GetInterface(name);
}

void CWndUI::SetPos(const UiRect& rc, bool needInvalidate) {
    CControlUI::SetPos(rc, needInvalidate);
    FollowControl();
}

void CWndUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    FollowControl();
}

void CWndUI::SetInternVisible(bool visible) {
    CControlUI::SetInternVisible(visible);
    FollowControl();
}

void CWndUI::FollowControl() {
    if (m_pHosted == nullptr || !m_pHosted->IsAlive()) {
        return;
    }
    if (m_pManager != nullptr) {
        UiRect rc = m_rcItem;
        if (!m_pHosted->IsChildOfPaintWindow()) {
            const UiPoint origin = m_pHosted->PaintWindowScreenOrigin();
            rc = rc.Offset(origin.x, origin.y);
        }
        m_pHosted->MoveTo(rc);
    }
    m_pHosted->Show(IsVisible());
}

}  // namespace DuiLib
