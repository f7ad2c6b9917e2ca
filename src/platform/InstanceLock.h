// The single-instance lock: held by the running program from start to exit.
// The system releases it when its process ends in any way, so a crashed
// instance never blocks the next start.
#pragma once

#include <string>

namespace platform {

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock named name; false when another
    // process holds it (or the lock file cannot be opened). Of two processes
    // asking at the same moment, exactly one gets it.
    bool Acquire(const std::string& name);
    void Release();
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

}  // namespace platform
