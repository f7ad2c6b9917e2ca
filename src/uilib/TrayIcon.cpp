#include "uilib/TrayIcon.h"

#include <QSystemTrayIcon>

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
    m_icon->show();
    return true;
}

void CTrayIcon::DeleteTrayIcon() {
    if (m_icon) {
        m_icon->hide();
        m_icon.reset();
    }
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
