#include "platform/InstanceLock.h"

#include <QLockFile>
#include <QString>

#include "platform/MessageBus.h"

namespace platform {

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock() { Release(); }

bool InstanceLock::Acquire(const std::string& name) {
    Release();
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(BusSocketPath(name) + ".lock"));
    // Only a dead owner makes a lock stale, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        return false;
    }
    m_lock = std::move(lock);
    return true;
}

void InstanceLock::Release() {
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
}

bool InstanceLock::Held() const { return m_lock != nullptr; }

}  // namespace platform
