#include "uilib/TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include "uilib/MenuWnd.h"
#include "uilib/ResourceManager.h"
#include "uilib/WindowMessages.h"

namespace DuiLib {

CTrayIcon::CTrayIcon() = default;

CTrayIcon::~CTrayIcon() {
    DeleteTrayIcon();
}

bool CTrayIcon::CreateTrayIcon(const HWND& receiver, UINT iconResource, const std::string& tip,
                               UINT message) {
    DeleteTrayIcon();
    m_receiver = receiver;
    m_message = message;
    m_iconResource = iconResource;
    m_tip = tip;
    m_created = true;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return false;
    }
    std::string file = CResourceManager::GetInstance().GetIconFile(iconResource);
    m_icon = std::make_unique<QSystemTrayIcon>(QIcon(QString::fromStdString(file)));
    m_icon->setToolTip(QString::fromStdString(tip));
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger) {
                             Trigger(WM_LBUTTONUP);
                         } else if (reason == QSystemTrayIcon::Context) {
                             Trigger(WM_RBUTTONUP);
                         }
                     });
    BuildMenu();
    m_icon->show();
    return true;
}

void CTrayIcon::DeleteTrayIcon() {
    if (m_icon) {
        m_icon->hide();
        m_icon.reset();
    }
    m_menu.reset();
    m_created = false;
    m_receiver.reset();
}

void CTrayIcon::SetTooltipText(const std::string& tip) {
    m_tip = tip;
    if (m_icon) {
        m_icon->setToolTip(QString::fromStdString(tip));
    }
}

void CTrayIcon::Trigger(LPARAM mouseEvent) {
    if (m_created) {
        DuiLib::PostMessage(m_receiver, m_message, m_iconResource, mouseEvent);
    }
}

}  // namespace DuiLib

namespace DuiLib {

void CTrayIcon::SetMenuItems(const std::vector<MenuItem>& items) {
    m_menuItems = items;
    BuildMenu();
}

bool CTrayIcon::HasOwnMenu() const {
    return m_icon != nullptr && m_menu != nullptr;
}

void CTrayIcon::BuildMenu() {
    if (m_icon == nullptr) {
        return;
    }
    m_icon->setContextMenu(nullptr);
    m_menu.reset();
    if (m_menuItems.empty()) {
        return;
    }
    m_menu = std::make_unique<QMenu>();
    for (const MenuItem& item : m_menuItems) {
        QAction* action = m_menu->addAction(QString::fromStdString(item.text));
        QObject::connect(action, &QAction::triggered,
                         [this, name = item.name] { ChooseMenuItem(name); });
    }
    m_icon->setContextMenu(m_menu.get());
}

bool CTrayIcon::ChooseMenuItem(const std::string& name) {
    for (const MenuItem& item : m_menuItems) {
        if (item.name != name) {
            continue;
        }
        auto* command = new MenuCmd{item.name, "", item.text};
        if (!DuiLib::PostMessage(m_receiver, WM_MENUCOMMAND, reinterpret_cast<WPARAM>(command),
                                 0)) {
            delete command;
            return false;
        }
        return true;
    }
    return false;
}

}  // namespace DuiLib
