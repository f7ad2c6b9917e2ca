// The fixed shapes in which the device pages talk to a device, and the
// sequence that writes a profile to a device. The page classes call these
// instead of sending link commands in their own order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "device/DeviceLink.h"

namespace pages {

class CVexmoorUSBDevice;

// Read state: Begin, the reads, End. The reads run only after a successful
// Begin; End is sent whenever Begin succeeded. Returns Begin's failure code,
// else the reads' result.
int ReadStateSequence(device::DeviceLink& link, const std::function<int()>& reads);

// Write a block: Begin, one write, End (the link pauses before End). The write
// and End are sent even after a failed Begin, as the pages always close a
// transfer; the write's result is returned.
int WriteBlockSequence(device::DeviceLink& link, const std::function<int()>& write);

// Status poll: the presence query, then (when present) a single status read of
// n bytes at offset 0. -101 when the device is not reachable.
int StatusPollSequence(device::DeviceLink& link, uint8_t* status, uint8_t n);

// What the main window must tell the user after writing a profile.
struct ProfileWriteResult {
    int macroResult = 0;  // WriteMacros' result
    bool keyTableWritten = false;
    std::string messageKey;  // "message_text_16", "message_text_7" or empty
};

// Writing a profile to a device: sets the profile name, loads it, refreshes
// the page and writes settings, macros and (unless the macros do not fit) the
// key table of slot 0.
ProfileWriteResult WriteProfileToDevice(CVexmoorUSBDevice& page, const std::string& profileName);

}  // namespace pages
