// Which hidraw nodes this user may open: the identity of each node from sysfs
// and the outcome of opening its device file. Without a udev rule the nodes
// belong to root, and a device that is plugged in stays silently unusable.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

struct HidAccessFolders {
    std::string sysClassHidraw = "/sys/class/hidraw";
    std::string dev = "/dev";
    // Opens a device file for reading and writing and closes it again; the
    // errno of a failure, 0 on success. Empty: the real open(2).
    std::function<int(const std::string& node)> tryOpen;
};

struct HidNodeAccess {
    std::string node;  // the device file, e.g. "/dev/hidraw3"
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    int interfaceNumber = -1;  // -1 when the node is not on a USB interface
    int openError = 0;         // errno of opening the node, 0 when it opened

    // Present, but this user lacks the rights to open it.
    bool Denied() const;
};

// Every hidraw node of the folder, in name order; nodes whose identity cannot
// be read are left out.
std::vector<HidNodeAccess> ListHidrawNodes(const HidAccessFolders& folders);

}  // namespace platform
