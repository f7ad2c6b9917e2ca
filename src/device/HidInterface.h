// One HID collection as the program reaches it: lists the present interfaces,
// opens one path, learns its attributes and capabilities, and moves single
// reports bounded by a time-out and abortable through a stop event.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "device/HidReportTables.h"
#include "platform/Event.h"
#include "platform/hid/HidBackend.h"

namespace device {

struct HidAttributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
};

class HidInterface {
public:
    // Longest path Open accepts: the path buffer holds 260 characters with the
    // terminator. A longer path is refused instead of being cut short.
    static constexpr std::size_t kMaxPathLength = 259;

    HidInterface();
    ~HidInterface();
    HidInterface(const HidInterface&) = delete;
    HidInterface& operator=(const HidInterface&) = delete;

    // Path list of every present collection; NextPath walks it (null at the end).
    bool Enumerate();
    const char* NextPath();
    void FreePaths();
    // The enumerated collections with their identity fields, in path-list order.
    const std::vector<platform::HidDeviceEntry>& Entries() const { return m_entries; }

    bool Open(const std::string& path, bool read, bool write, bool overlapped, bool exclusive);
    void Close();
    bool IsOpen() const;

    // One report each way. timeoutMs -1 waits without limit; Close from another
    // thread ends a waiting transfer with false.
    bool ReadReport(uint8_t* buffer, uint32_t length, uint32_t& bytesRead, int timeoutMs);
    bool WriteReport(const uint8_t* data, uint32_t length, uint32_t& bytesWritten, int timeoutMs);

    // Fills the input items from one input report (first byte = report ID).
    bool UnpackInputReport(const uint8_t* report, uint32_t length);

    // The presence check of discovery: true while the device behind the path
    // is there, without opening it for I/O.
    static bool PathPresent(const std::string& path);

    static uint16_t ParseVid(std::string_view path);
    static uint16_t ParsePid(std::string_view path);
    static uint16_t ParseInterfaceNumber(std::string_view path);
    static uint16_t ParseCollection(std::string_view path);

    const std::string& Path() const { return m_path; }
    const HidAttributes& Attributes() const { return m_attributes; }
    const HidCollectionTables& Tables() const { return m_tables; }
    uint16_t UsagePage() const { return m_tables.usagePage; }
    uint16_t Usage() const { return m_tables.usage; }
    uint32_t InterfaceNumber() const { return m_interfaceNumber; }
    uint32_t CollectionNumber() const { return m_collectionNumber; }

private:
    bool Reopen();
    void CloseLocked();
    bool FillDeviceInformation();
    std::shared_ptr<platform::HidHandle> BeginTransfer(bool& flag);
    void EndTransfer(bool& flag);

    std::vector<std::string> m_paths;
    std::vector<platform::HidDeviceEntry> m_entries;
    std::size_t m_cursor = 0;

    bool m_read = false;
    bool m_write = false;
    bool m_overlapped = false;
    bool m_exclusive = false;

    // Guards the handle and the two flags; never held while a transfer waits.
    mutable std::mutex m_handleMutex;
    std::shared_ptr<platform::HidHandle> m_handle;
    std::string m_path;
    HidAttributes m_attributes;
    HidCollectionTables m_tables;
    uint32_t m_interfaceNumber = 0;
    uint32_t m_collectionNumber = 0;

    platform::Event m_readEvent{false};
    platform::Event m_writeEvent{false};
    platform::Event m_stopEvent{false};
    bool m_reading = false;
    bool m_writing = false;
};

}  // namespace device
