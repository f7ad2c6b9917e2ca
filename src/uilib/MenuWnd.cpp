#include "uilib/MenuWnd.h"

#include <QCursor>
#include <QWidget>

namespace DuiLib {

CMenuWnd::CMenuWnd(const HWND& owner, const std::string& xml, IDialogBuilderCallback* callback)
    : m_owner(owner), m_sXml(xml), m_pCallback(callback) {}

CMenuWnd* CMenuWnd::CreateMenu(const HWND& owner, const std::string& xml, int x, int y,
                               IDialogBuilderCallback* callback) {
    auto* menu = new CMenuWnd(owner, xml, callback);
    if (!menu->Create(owner, "Menu", WS_POPUP, WS_EX_UIPOPUP | WS_EX_TOOLWINDOW)) {
        delete menu;
        return nullptr;
    }
    if (QWidget* widget = menu->GetWidget()) {
        widget->move(x, y);
    }
    menu->ShowWindow(true);
    return menu;
}

void CMenuWnd::GetCursorPos(int& x, int& y) {
    QPoint pos = QCursor::pos();
    x = pos.x();
    y = pos.y();
}

CControlUI* CMenuWnd::CreateControl(const std::string& className) {
    return m_pCallback != nullptr ? m_pCallback->CreateControl(className) : nullptr;
}

void CMenuWnd::Notify(TNotifyUI& msg) {
    if (msg.sType == "click" && msg.pSender != nullptr &&
        msg.pSender->GetInterface("MenuElement") != nullptr) {
        auto* command =
            new MenuCmd{msg.pSender->GetName(), msg.pSender->GetUserData(), msg.pSender->GetText()};
        if (!DuiLib::PostMessage(m_owner, WM_MENUCOMMAND, reinterpret_cast<WPARAM>(command), 0)) {
            delete command;
        }
        Close(IDOK);
    }
}

bool CMenuWnd::Choose(const std::string& name) {
    CControlUI* item = m_pm.FindControl(name);
    if (item == nullptr || item->GetInterface("MenuElement") == nullptr) {
        return false;
    }
    return item->Activate();
}

void CMenuWnd::OnFinalMessage(HWND) {
    delete this;
}

}  // namespace DuiLib
