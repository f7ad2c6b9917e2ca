#include "platform/PowerEvents.h"

#include <QDBusConnection>

#include "platform/Trace.h"

namespace platform {

PowerEvents::PowerEvents(QObject* parent) : QObject(parent) {}

bool PowerEvents::Start(Handler handler) {
    m_handler = std::move(handler);
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        Trace("电源事件：无法连接系统总线");
        return false;
    }
    bool connected = bus.connect("org.freedesktop.login1", "/org/freedesktop/login1",
                                 "org.freedesktop.login1.Manager", "PrepareForSleep", this,
                                 SLOT(OnPrepareForSleep(bool)));
    if (!connected) {
        Trace("电源事件：无法订阅 PrepareForSleep");
    }
    return connected;
}

void PowerEvents::OnPrepareForSleep(bool suspending) {
    if (m_handler) {
        m_handler(suspending);
    }
}

}  // namespace platform
