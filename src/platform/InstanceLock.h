// The single-instance lock: held by the running program from start to exit.
// A lock left by a crashed instance (its process is gone) is taken over.
#pragma once

#include <memory>
#include <string>

class QLockFile;

namespace platform {

class InstanceLock {
public:
    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock named name; false when another
    // live process holds it. Of two processes asking at the same moment,
    // exactly one gets it.
    bool Acquire(const std::string& name);
    void Release();
    bool Held() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace platform
