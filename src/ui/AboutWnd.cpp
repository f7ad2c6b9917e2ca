#include "ui/AboutWnd.h"

#include "uilib/WindowMessages.h"

namespace ui {
namespace {

constexpr DuiLib::UINT kMsgLanguageChanged = 3089;
constexpr DuiLib::UINT kOwnTimer = 1;

}  // namespace

void CAboutWnd::InitWindow() {
    m_closeButton = m_pm.FindControl("closebtn");
    m_maxButton = m_pm.FindControl("maxbtn");
    m_restoreButton = m_pm.FindControl("restorebtn");
    m_minButton = m_pm.FindControl("minbtn");
    m_menuButton = m_pm.FindControl("menubtn");
    // The translation is read back from a hidden label, so the label shows
    // the text of the language loaded when the window opens.
    DuiLib::CControlUI* probe = m_pm.FindControl("text_test");
    DuiLib::CControlUI* label = m_pm.FindControl("software_ver_label");
    if (probe != nullptr && label != nullptr) {
        probe->SetText("software_rev_text");
        label->SetText(probe->GetText() + m_version);
    }
}

std::string CAboutWnd::VersionLabelText() const {
    DuiLib::CControlUI* label = m_pm.FindControl("software_ver_label");
    return label != nullptr ? label->GetText() : std::string();
}

void CAboutWnd::Notify(DuiLib::TNotifyUI& msg) {
    if (msg.sType == "click" && msg.pSender != nullptr) {
        if (msg.pSender == m_closeButton) {
            Close(DuiLib::IDCANCEL);
            return;
        }
        if (msg.pSender == m_minButton) {
            SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_MINIMIZE);
        } else if (msg.pSender == m_maxButton) {
            SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_MAXIMIZE);
        } else if (msg.pSender == m_restoreButton) {
            SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_RESTORE);
        }
    }
    WindowImplBase::Notify(msg);
}

DuiLib::LRESULT CAboutWnd::HandleCustomMessage(DuiLib::UINT msg, DuiLib::WPARAM wParam,
                                               DuiLib::LPARAM lParam, bool& handled) {
    handled = false;
    switch (msg) {
        case DuiLib::WM_SYSCOMMAND: {
            DuiLib::LRESULT result = OnSysCommand(msg, wParam, lParam, handled);
            if (wParam == DuiLib::SC_MAXIMIZE || wParam == DuiLib::SC_RESTORE) {
                m_maximized = wParam == DuiLib::SC_MAXIMIZE;
                ShowMaximizeState();
            }
            handled = true;
            return result;
        }
        case kMsgLanguageChanged:
            m_pm.NeedUpdate();
            handled = true;
            return 0;
        case DuiLib::WM_TIMER:
            if (wParam == kOwnTimer) {
                KillTimer(kOwnTimer);
                handled = true;
            }
            return 0;
        default:
            return 0;
    }
}

void CAboutWnd::ShowMaximizeState() {
    if (m_maxButton != nullptr) {
        m_maxButton->SetVisible(!m_maximized);
    }
    if (m_restoreButton != nullptr) {
        m_restoreButton->SetVisible(m_maximized);
    }
}

}  // namespace ui
