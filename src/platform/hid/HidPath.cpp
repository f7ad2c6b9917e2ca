#include "platform/hid/HidPath.h"

#include <cstdio>

namespace platform {

std::string FormatHidPath(uint16_t vendorId, uint16_t productId, int interfaceNumber,
                          int collectionNumber, const std::string& node) {
    char ids[64];
    int n = std::snprintf(ids, sizeof ids, "hid#vid_%04x&pid_%04x", vendorId, productId);
    if (interfaceNumber >= 0) {
        n += std::snprintf(ids + n, sizeof ids - n, "&mi_%02x", interfaceNumber & 0xFF);
    }
    if (collectionNumber > 0) {
        std::snprintf(ids + n, sizeof ids - n, "&col%02x", collectionNumber & 0xFF);
    }
    return std::string(ids) + "#" + node;
}

std::string HidPathNode(const std::string& path) {
    std::size_t hash = path.rfind('#');
    if (hash == std::string::npos) {
        return {};
    }
    return path.substr(hash + 1);
}

}  // namespace platform
