#include "ui/MsgWnd.h"

#include "platform/Trace.h"
#include "ui/NamedLayout.h"
#include "ui/WindowDpi.h"

namespace ui {
namespace {

constexpr DuiLib::UINT kWmDpiChanged = 0x02E0;
constexpr DuiLib::UINT kConfirmed = 1;
constexpr DuiLib::UINT kNotConfirmed = 0;

CMsgWnd::ShowObserver& Observer() {
    static CMsgWnd::ShowObserver observer;
    return observer;
}

}  // namespace

void CMsgWnd::SetShowObserver(ShowObserver observer) {
    Observer() = std::move(observer);
}

std::string CMsgWnd::GetSkinFile() {
    return NamedLayout("XML_MSG", "XML/MsgWnd.xml");
}

void CMsgWnd::InitWindow() {
    m_closeButton = m_pm.FindControl("closebtn");
}

void CMsgWnd::Notify(DuiLib::TNotifyUI& msg) {
    if (msg.sType == "click" && msg.pSender != nullptr) {
        const std::string& name = msg.pSender->GetName();
        if (name == "confirm_btn") {
            Close(kConfirmed);
            return;
        }
        if (name == "cancel_btn" || msg.pSender == m_closeButton) {
            Close(kNotConfirmed);
            return;
        }
    }
    WindowImplBase::Notify(msg);
}

DuiLib::LRESULT CMsgWnd::HandleCustomMessage(DuiLib::UINT msg, DuiLib::WPARAM wParam,
                                             DuiLib::LPARAM lParam, bool& handled) {
    handled = false;
    if (msg == kWmDpiChanged) {
        m_dpi = CheckedDpi(static_cast<int>(wParam & 0xFFFF), "MSG_WND DPI SET ERROR");
        m_pm.SetDPI(m_dpi);
        if (const auto* suggested = reinterpret_cast<const DuiLib::UiRect*>(lParam)) {
            SetWindowPos(suggested->left, suggested->top, suggested->Width(), suggested->Height());
        }
        m_pm.NeedUpdate();
        handled = true;
    }
    return 0;
}

void CMsgWnd::OnFinalMessage(DuiLib::HWND) {
    delete this;
}

int ShowMessage(const DuiLib::HWND& owner, const std::string& title, const std::string& text,
                int dpi, bool textIsKey, int buttonMode) {
    // Our labels show the translation of a language key by themselves, so a
    // key and a plain text are set the same way.
    (void)textIsKey;
    auto* box = new CMsgWnd();
    if (!box->Create(owner, "msgwnd", DuiLib::WS_POPUP, DuiLib::WS_EX_TOOLWINDOW)) {
        delete box;
        return 0;
    }
    DuiLib::CPaintManagerUI& pm = box->GetPaintManager();
    if (!title.empty()) {
        if (DuiLib::CControlUI* label = pm.FindControl("MessageTitle")) {
            label->SetText(title);
        }
    }
    if (!text.empty()) {
        if (DuiLib::CControlUI* label = pm.FindControl("MessageText")) {
            // The label shows the translation of a language key by itself.
            label->SetText(text);
        }
    }
    box->SetDpi(CheckedDpi(dpi, "MSG_WND DPI SET ERROR"));
    DuiLib::CPaintManagerUI::SetAllDPI(box->GetDpi());
    DuiLib::CControlUI* confirm = pm.FindControl("confirm_btn");
    DuiLib::CControlUI* cancel = pm.FindControl("cancel_btn");
    if (buttonMode == kMsgConfirmOnly || buttonMode == kMsgConfirmCancel) {
        if (confirm != nullptr) {
            confirm->SetVisible(true);
        }
        if (cancel != nullptr) {
            cancel->SetVisible(buttonMode == kMsgConfirmCancel);
        }
    }
    box->CenterWindow();
    if (Observer()) {
        Observer()(*box);
    }
    // The box deletes itself when its window is gone; only the result is used.
    DuiLib::UINT result = box->ShowModal();
    return result == kConfirmed ? 1 : 0;
}

}  // namespace ui
