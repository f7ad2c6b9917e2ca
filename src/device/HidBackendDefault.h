// The HID backend the device layer uses: the installed one (the simulator in
// demo mode and tests), otherwise hidapi with our own descriptor parser.
#pragma once

#include <memory>

#include "platform/hid/HidBackend.h"
#include "platform/hid/HidapiBackend.h"

namespace device {

std::shared_ptr<platform::HidBackend> ActiveBackend();

// Top-level collections of a descriptor, for the hidapi backend.
bool SplitTopLevelCollections(const std::vector<uint8_t>& descriptor,
                              std::vector<platform::HidTopCollection>& out);

}  // namespace device
