#include "platform/hid/HidBackend.h"

#include <mutex>

namespace platform {
namespace {

std::mutex g_backendMutex;
std::shared_ptr<HidBackend> g_backend;

}  // namespace

void InstallHidBackend(std::shared_ptr<HidBackend> backend) {
    std::lock_guard<std::mutex> lock(g_backendMutex);
    g_backend = std::move(backend);
}

std::shared_ptr<HidBackend> ActiveHidBackend(
    const std::function<std::shared_ptr<HidBackend>()>& makeDefault) {
    std::lock_guard<std::mutex> lock(g_backendMutex);
    if (!g_backend && makeDefault) {
        g_backend = makeDefault();
    }
    return g_backend;
}

}  // namespace platform
