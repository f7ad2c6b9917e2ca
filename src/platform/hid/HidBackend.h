// The program's view of the system's HID layer: a backend lists the present
// top-level collections and opens one of them as a handle that moves single
// reports. Two backends exist: hidapi for real devices and the simulator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Event.h"

namespace platform {

// One top-level collection of one USB interface, as enumeration reports it.
struct HidDeviceEntry {
    std::string path;  // contains "vid_XXXX&pid_XXXX&mi_XX&colXX"
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
    int interfaceNumber = -1;  // -1 when the device is not a USB interface
    int collectionNumber = 0;  // 1-based position in the descriptor; 0 when it is the only one
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

// How a single transfer ended. A time-out and a failure stay apart.
enum class HidIoResult { kOk, kTimeout, kStopped, kError };

// One opened collection. Reads deliver only input reports whose report ID
// belongs to the collection. Read and Write may run at the same time on two
// threads; each watches the given stop event (auto-reset: a signal ends one
// waiting transfer) besides its time-out (-1 waits without limit).
class HidHandle {
public:
    virtual ~HidHandle() = default;

    virtual HidIoResult Read(uint8_t* buffer, std::size_t length, std::size_t& bytesRead,
                             int timeoutMs, Event& stop) = 0;
    virtual HidIoResult Write(const uint8_t* data, std::size_t length, std::size_t& bytesWritten,
                              int timeoutMs, Event& stop) = 0;

    // Wakes a transfer that waits in Read or Write so it looks at its stop
    // event at once instead of at its next slice.
    virtual void Interrupt() {}

    // The raw report descriptor of the whole interface, and the 0-based index
    // of this handle's top-level collection in it.
    virtual const std::vector<uint8_t>& ReportDescriptor() const = 0;
    virtual int CollectionIndex() const = 0;

    virtual uint16_t VendorId() const = 0;
    virtual uint16_t ProductId() const = 0;
    virtual uint16_t VersionNumber() const = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;

    // Fills entries with every present top-level collection; false when the
    // system cannot be asked.
    virtual bool Enumerate(std::vector<HidDeviceEntry>& entries) = 0;

    // Opens the collection of a path from Enumerate; null when it is gone or
    // cannot be opened.
    virtual std::shared_ptr<HidHandle> Open(const std::string& path, bool read, bool write) = 0;

    // True while the device behind the path is present (a cheap check that
    // opens nothing for I/O).
    virtual bool IsPresent(const std::string& path) = 0;
};

// The backend every HidInterface uses. Installing null removes it; the next
// ActiveHidBackend call then installs its default again.
void InstallHidBackend(std::shared_ptr<HidBackend> backend);

// The installed backend; when none is installed, the result of makeDefault is
// installed first (the device layer passes the hidapi backend).
std::shared_ptr<HidBackend> ActiveHidBackend(
    const std::function<std::shared_ptr<HidBackend>()>& makeDefault);

}  // namespace platform
