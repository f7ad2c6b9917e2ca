#include "device/HidInterface.h"

#include <algorithm>
#include <cctype>

#include "device/HidBackendDefault.h"

namespace device {
namespace {

// Reads the hexadecimal number right after a four-character marker found
// case-insensitively; 0 when the marker is absent.
uint16_t ParseField(std::string_view path, std::string_view marker) {
    auto lower = [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    auto it = std::search(path.begin(), path.end(), marker.begin(), marker.end(),
                          [&](char a, char b) { return lower(a) == lower(b); });
    if (it == path.end()) {
        return 0;
    }
    uint32_t value = 0;
    for (it += static_cast<std::ptrdiff_t>(marker.size()); it != path.end(); ++it) {
        char c = lower(*it);
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            break;
        }
        // Only the low 16 bits are returned; keep the sum from overflowing.
        value = ((value << 4) | static_cast<uint32_t>(digit)) & 0xFFFFF;
    }
    return static_cast<uint16_t>(value & 0xFFFF);
}

}  // namespace

HidInterface::HidInterface() = default;

HidInterface::~HidInterface() {
    Close();
    FreePaths();
}

bool HidInterface::Enumerate() {
    FreePaths();
    std::shared_ptr<platform::HidBackend> backend = ActiveBackend();
    if (!backend || !backend->Enumerate(m_entries)) {
        m_entries.clear();
        return false;
    }
    m_paths.reserve(m_entries.size());
    for (const platform::HidDeviceEntry& entry : m_entries) {
        m_paths.push_back(entry.path);
    }
    return true;
}

const char* HidInterface::NextPath() {
    if (m_cursor >= m_paths.size()) {
        return nullptr;
    }
    return m_paths[m_cursor++].c_str();
}

void HidInterface::FreePaths() {
    m_paths.clear();
    m_entries.clear();
    m_cursor = 0;
}

bool HidInterface::Open(const std::string& path, bool read, bool write, bool overlapped,
                        bool exclusive) {
    m_read = read;
    m_write = write;
    m_overlapped = overlapped;
    m_exclusive = exclusive;
    if (path.size() > kMaxPathLength) {
        Close();
        std::lock_guard<std::mutex> lock(m_handleMutex);
        m_path.clear();
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(m_handleMutex);
        m_path = path;
    }
    return Reopen();
}

bool HidInterface::Reopen() {
    std::lock_guard<std::mutex> lock(m_handleMutex);
    CloseLocked();
    // A stop signalled for a transfer that had already ended must not fail
    // the first transfer on the new handle.
    m_stopEvent.Reset();
    std::shared_ptr<platform::HidBackend> backend = ActiveBackend();
    if (!backend) {
        return false;
    }
    m_handle = backend->Open(m_path, m_read, m_write);
    if (!m_handle) {
        return false;
    }
    if (!FillDeviceInformation()) {
        m_handle.reset();
        m_tables = HidCollectionTables{};
        return false;
    }
    return true;
}

bool HidInterface::FillDeviceInformation() {
    m_attributes.vendorId = m_handle->VendorId();
    m_attributes.productId = m_handle->ProductId();
    m_attributes.versionNumber = m_handle->VersionNumber();
    if (!BuildCollectionTables(m_handle->ReportDescriptor(), m_handle->CollectionIndex(),
                               m_tables)) {
        return false;
    }
    m_interfaceNumber = ParseInterfaceNumber(m_path);
    m_collectionNumber = ParseCollection(m_path);
    return true;
}

void HidInterface::Close() {
    std::lock_guard<std::mutex> lock(m_handleMutex);
    CloseLocked();
}

void HidInterface::CloseLocked() {
    if (m_reading || m_writing) {
        m_stopEvent.Set();
    }
    if (m_handle) {
        // The handle itself lives on in a waiting transfer until that returns,
        // so the backend never closes a device under a running read.
        m_handle->Interrupt();
        m_handle.reset();
    }
    m_tables = HidCollectionTables{};
}

bool HidInterface::IsOpen() const {
    std::lock_guard<std::mutex> lock(m_handleMutex);
    return m_handle != nullptr;
}

std::shared_ptr<platform::HidHandle> HidInterface::BeginTransfer(bool& flag) {
    std::lock_guard<std::mutex> lock(m_handleMutex);
    if (m_handle) {
        flag = true;
    }
    return m_handle;
}

void HidInterface::EndTransfer(bool& flag) {
    std::lock_guard<std::mutex> lock(m_handleMutex);
    flag = false;
}

bool HidInterface::ReadReport(uint8_t* buffer, uint32_t length, uint32_t& bytesRead,
                              int timeoutMs) {
    bytesRead = 0;
    std::shared_ptr<platform::HidHandle> handle = BeginTransfer(m_reading);
    if (!handle) {
        return false;
    }
    std::size_t n = 0;
    platform::HidIoResult result = handle->Read(buffer, length, n, timeoutMs, m_stopEvent);
    EndTransfer(m_reading);
    if (result != platform::HidIoResult::kOk) {
        return false;
    }
    bytesRead = static_cast<uint32_t>(n);
    m_readEvent.Set();
    return true;
}

bool HidInterface::WriteReport(const uint8_t* data, uint32_t length, uint32_t& bytesWritten,
                               int timeoutMs) {
    bytesWritten = 0;
    std::shared_ptr<platform::HidHandle> handle = BeginTransfer(m_writing);
    if (!handle) {
        return false;
    }
    std::size_t n = 0;
    platform::HidIoResult result = handle->Write(data, length, n, timeoutMs, m_stopEvent);
    EndTransfer(m_writing);
    if (result != platform::HidIoResult::kOk) {
        return false;
    }
    bytesWritten = static_cast<uint32_t>(n);
    m_writeEvent.Set();
    return true;
}

bool HidInterface::UnpackInputReport(const uint8_t* report, uint32_t length) {
    return device::UnpackInputReport(m_tables.caps, m_tables.Of(HidReportType::kInput).items,
                                     report, length);
}

bool HidInterface::PathPresent(const std::string& path) {
    std::shared_ptr<platform::HidBackend> backend = ActiveBackend();
    return backend && backend->IsPresent(path);
}

uint16_t HidInterface::ParseVid(std::string_view path) {
    return ParseField(path, "vid_");
}
uint16_t HidInterface::ParsePid(std::string_view path) {
    return ParseField(path, "pid_");
}
uint16_t HidInterface::ParseInterfaceNumber(std::string_view path) {
    return ParseField(path, "&mi_");
}
uint16_t HidInterface::ParseCollection(std::string_view path) {
    return ParseField(path, "&col");
}

}  // namespace device
