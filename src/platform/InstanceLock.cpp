#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/MessageBus.h"
#include "platform/Trace.h"

namespace platform {

InstanceLock::~InstanceLock() {
    Release();
}

bool InstanceLock::Acquire(const std::string& name) {
    Release();
    std::string path = BusSocketPath(name) + ".lock";
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        TraceF("单实例：无法打开 %s：%s", path.c_str(), std::strerror(errno));
        return false;
    }
    // An advisory lock on an open file: the kernel drops it with the process,
    // whether it exits, crashes or is killed.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void InstanceLock::Release() {
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace platform
