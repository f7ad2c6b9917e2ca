#include "platform/hid/HidAccess.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

int RealTryOpen(const std::string& node) {
    int fd = ::open(node.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    ::close(fd);
    return 0;
}

// "HID_ID=0003:0000320F:00005055" of the HID device's uevent.
bool ReadHidId(const fs::path& device, uint16_t& vendorId, uint16_t& productId) {
    std::ifstream uevent(device / "uevent");
    std::string line;
    while (std::getline(uevent, line)) {
        if (line.rfind("HID_ID=", 0) != 0) {
            continue;
        }
        unsigned bus = 0, vid = 0, pid = 0;
        if (std::sscanf(line.c_str() + 7, "%x:%x:%x", &bus, &vid, &pid) != 3 || vid > 0xFFFF ||
            pid > 0xFFFF) {
            return false;
        }
        vendorId = static_cast<uint16_t>(vid);
        productId = static_cast<uint16_t>(pid);
        return true;
    }
    return false;
}

// The USB interface is the HID device's parent; its bInterfaceNumber is
// hexadecimal text ("01").
int ReadInterfaceNumber(const fs::path& device) {
    std::error_code error;
    fs::path real = fs::canonical(device, error);
    if (error) {
        return -1;
    }
    std::ifstream file(real.parent_path() / "bInterfaceNumber");
    std::string text;
    if (!(file >> text)) {
        return -1;
    }
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 16);
    return (*end == '\0' && value >= 0 && value <= 0xFF) ? static_cast<int>(value) : -1;
}

}  // namespace

bool HidNodeAccess::Denied() const {
    return openError == EACCES || openError == EPERM;
}

std::vector<HidNodeAccess> ListHidrawNodes(const HidAccessFolders& folders) {
    std::vector<HidNodeAccess> nodes;
    std::error_code error;
    fs::directory_iterator it(folders.sysClassHidraw, error);
    if (error) {
        return nodes;
    }
    const auto tryOpen = folders.tryOpen ? folders.tryOpen : RealTryOpen;
    // Stepped with an error code: a node that vanishes while the folder is
    // read must not throw.
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) {
            break;
        }
        const fs::directory_entry& entry = *it;
        const std::string name = entry.path().filename().string();
        if (name.rfind("hidraw", 0) != 0) {
            continue;
        }
        HidNodeAccess node;
        const fs::path device = entry.path() / "device";
        if (!ReadHidId(device, node.vendorId, node.productId)) {
            continue;
        }
        node.interfaceNumber = ReadInterfaceNumber(device);
        node.node = (fs::path(folders.dev) / name).string();
        node.openError = tryOpen(node.node);
        nodes.push_back(std::move(node));
    }
    std::sort(nodes.begin(), nodes.end(),
              [](const HidNodeAccess& a, const HidNodeAccess& b) { return a.node < b.node; });
    return nodes;
}

}  // namespace platform
