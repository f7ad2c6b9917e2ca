// Device paths of HID collections, shaped so the program's path parsers find
// "vid_XXXX&pid_XXXX&mi_XX&colXX" in them, followed by the backend's own node.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// "hid#vid_320f&pid_5055&mi_01&col04#" + node. The "&mi_" part is left out for
// a negative interface number and "&col" for collection 0 (the only
// collection of its interface), as the system does.
std::string FormatHidPath(uint16_t vendorId, uint16_t productId, int interfaceNumber,
                          int collectionNumber, const std::string& node);

// The node part of a path made by FormatHidPath (text after the last '#');
// empty when the path has no such part.
std::string HidPathNode(const std::string& path);

}  // namespace platform
