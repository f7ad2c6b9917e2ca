#include "uilib/WindowImplBase.h"

#include <QWidget>

#include "platform/Trace.h"
#include "uilib/DialogBuilder.h"

namespace DuiLib {

void WindowImplBase::Notify(TNotifyUI& msg) {
    if (msg.sType == "click") {
        OnClick(msg);
    }
}

void WindowImplBase::OnClick(TNotifyUI&) {}

CControlUI* WindowImplBase::CreateControl(const std::string&) {
    return nullptr;
}

LRESULT WindowImplBase::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    if (msg == WM_CREATE) {
        return OnCreate(msg, wParam, lParam, handled);
    }
    LRESULT result = HandleCustomMessage(msg, wParam, lParam, handled);
    if (handled) {
        return result;
    }
    switch (msg) {
        case WM_CLOSE:
            result = OnClose(msg, wParam, lParam, handled);
            break;
        case WM_DESTROY:
            result = OnDestroy(msg, wParam, lParam, handled);
            break;
        case WM_SYSCOMMAND:
            result = OnSysCommand(msg, wParam, lParam, handled);
            break;
        default:
            break;
    }
    if (handled) {
        return result;
    }
    return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    handled = true;
    CDialogBuilder builder;
    CControlUI* root = builder.Create(GetSkinFolder() + GetSkinFile(), {}, this, &m_pm);
    if (root == nullptr) {
        platform::TraceF("%s: the skin %s could not be built", GetWindowClassName().c_str(),
                         GetSkinFile().c_str());
    } else {
        m_pm.AttachDialog(root);
        m_bSkinLoaded = true;
    }
    m_pm.AddNotifier(this);
    InitWindow();
    if (m_pm.GetRoot() != nullptr) {
        m_pm.SendNotify(m_pm.GetRoot(), "windowinit", 0, 0, true);
    }
    return 0;
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT, WPARAM wParam, LPARAM, bool& handled) {
    QWidget* widget = GetWidget();
    if (widget == nullptr) {
        return 0;
    }
    handled = true;
    switch (wParam) {
        case SC_MINIMIZE:
            widget->showMinimized();
            break;
        case SC_MAXIMIZE:
            widget->showMaximized();
            break;
        case SC_RESTORE:
            widget->showNormal();
            break;
        case SC_CLOSE:
            Close(IDCANCEL);
            break;
        default:
            handled = false;
            break;
    }
    return 0;
}

}  // namespace DuiLib
