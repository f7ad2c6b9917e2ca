#include "platform/Event.h"

#include <chrono>

namespace platform {

Event::Event(bool manualReset, bool initiallySet)
    : m_manualReset(manualReset), m_set(initiallySet) {}

void Event::Set() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_set = true;
    }
    if (m_manualReset) {
        m_changed.notify_all();
    } else {
        m_changed.notify_one();
    }
}

void Event::Reset() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_set = false;
}

bool Event::IsSet() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_set;
}

WaitResult Event::Wait(int timeoutMs) {
    std::unique_lock<std::mutex> lock(m_mutex);
    auto isSet = [this] { return m_set; };
    bool signaled;
    if (timeoutMs < 0) {
        m_changed.wait(lock, isSet);
        signaled = true;
    } else {
        signaled = m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), isSet);
    }
    if (!signaled) {
        return WaitResult::kTimeout;
    }
    if (!m_manualReset) {
        m_set = false;
    }
    return WaitResult::kSignaled;
}

}  // namespace platform
