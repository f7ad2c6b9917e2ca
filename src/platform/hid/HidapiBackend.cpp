#include "platform/hid/HidapiBackend.h"

#include <hidapi/hidapi.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>

#include "platform/hid/HidPath.h"

namespace platform {
namespace {

bool InitHidapi() {
    static const bool ok = hid_init() == 0;
    return ok;
}

// The "&col" field of one of our own paths (hexadecimal, 0 when absent).
int PathCollection(const std::string& path) {
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::size_t at = lower.find("&col");
    if (at == std::string::npos) {
        return 0;
    }
    return static_cast<int>(std::strtoul(lower.c_str() + at + 4, nullptr, 16) & 0xFFFF);
}

class HidapiHandle : public HidHandle {
public:
    HidapiHandle(hid_device* device, std::vector<uint8_t> descriptor, int collectionIndex,
                 std::vector<uint8_t> reportIds, uint16_t vid, uint16_t pid, uint16_t version)
        : m_device(device),
          m_descriptor(std::move(descriptor)),
          m_collectionIndex(collectionIndex),
          m_reportIds(std::move(reportIds)),
          m_vid(vid),
          m_pid(pid),
          m_version(version) {}

    ~HidapiHandle() override { hid_close(m_device); }

    HidIoResult Read(uint8_t* buffer, std::size_t length, std::size_t& bytesRead, int timeoutMs,
                     Event& stop) override {
        using Clock = std::chrono::steady_clock;
        bytesRead = 0;
        const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
        for (;;) {
            if (m_interrupted.load() || stop.Wait(0) == WaitResult::kSignaled) {
                return HidIoResult::kStopped;
            }
            int slice = HidapiBackend::kReadSliceMs;
            if (timeoutMs >= 0) {
                auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                        .count();
                slice = static_cast<int>(std::clamp<long long>(left, 0, slice));
            }
            int n;
            {
                std::lock_guard<std::mutex> lock(m_readMutex);
                n = hid_read_timeout(m_device, buffer, length, slice);
            }
            if (n < 0) {
                return HidIoResult::kError;
            }
            if (n > 0 && Mine(buffer[0])) {
                bytesRead = static_cast<std::size_t>(n);
                return HidIoResult::kOk;
            }
            // A report of another collection of the same node is not ours.
            if (timeoutMs >= 0 && Clock::now() >= deadline) {
                return HidIoResult::kTimeout;
            }
        }
    }

    HidIoResult Write(const uint8_t* data, std::size_t length, std::size_t& bytesWritten, int,
                      Event& stop) override {
        bytesWritten = 0;
        if (m_interrupted.load() || stop.Wait(0) == WaitResult::kSignaled) {
            return HidIoResult::kStopped;
        }
        // hidraw writes go straight to the device's output pipe and do not
        // block for long; hidapi offers no time-out for them.
        int n = hid_write(m_device, data, length);
        if (n < 0) {
            return HidIoResult::kError;
        }
        bytesWritten = static_cast<std::size_t>(n);
        return HidIoResult::kOk;
    }

    // Closing ends every transfer on this handle, not only the one that
    // happens to take the stop signal.
    void Interrupt() override { m_interrupted.store(true); }

    const std::vector<uint8_t>& ReportDescriptor() const override { return m_descriptor; }
    int CollectionIndex() const override { return m_collectionIndex; }
    uint16_t VendorId() const override { return m_vid; }
    uint16_t ProductId() const override { return m_pid; }
    uint16_t VersionNumber() const override { return m_version; }

private:
    bool Mine(uint8_t reportId) const {
        return m_reportIds.empty() ||
               std::find(m_reportIds.begin(), m_reportIds.end(), reportId) != m_reportIds.end();
    }

    hid_device* m_device;
    std::vector<uint8_t> m_descriptor;
    int m_collectionIndex;
    std::vector<uint8_t> m_reportIds;
    uint16_t m_vid, m_pid, m_version;
    std::mutex m_readMutex;
    std::atomic<bool> m_interrupted{false};
};

}  // namespace

HidapiBackend::HidapiBackend(HidCollectionSplitter splitter) : m_splitter(std::move(splitter)) {}

HidapiBackend::~HidapiBackend() = default;

std::vector<uint8_t> HidapiBackend::ReadNodeDescriptor(const std::string& node) {
    std::size_t slash = node.rfind('/');
    std::string name = slash == std::string::npos ? node : node.substr(slash + 1);
    if (name.empty()) {
        return {};
    }
    std::ifstream file("/sys/class/hidraw/" + name + "/device/report_descriptor", std::ios::binary);
    if (!file) {
        return {};
    }
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>());
}

bool HidapiBackend::Split(const std::vector<uint8_t>& descriptor,
                          std::vector<HidTopCollection>& out) const {
    out.clear();
    return m_splitter && !descriptor.empty() && m_splitter(descriptor, out) && !out.empty();
}

bool HidapiBackend::Enumerate(std::vector<HidDeviceEntry>& entries) {
    entries.clear();
    if (!InitHidapi()) {
        return false;
    }
    hid_device_info* list = hid_enumerate(0, 0);
    // hidapi lists one entry per collection it sees, nested ones included;
    // group them by node and keep hidapi's own list only as a fallback.
    std::map<std::string, std::vector<const hid_device_info*>> nodes;
    std::vector<std::string> order;
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        std::string node = info->path != nullptr ? info->path : "";
        if (nodes.find(node) == nodes.end()) {
            order.push_back(node);
        }
        nodes[node].push_back(info);
    }
    for (const std::string& node : order) {
        const auto& infos = nodes[node];
        const hid_device_info& first = *infos.front();
        HidDeviceEntry entry;
        entry.vendorId = first.vendor_id;
        entry.productId = first.product_id;
        entry.versionNumber = first.release_number;
        entry.interfaceNumber = first.interface_number;
        std::vector<HidTopCollection> tops;
        if (Split(ReadNodeDescriptor(node), tops)) {
            for (std::size_t i = 0; i < tops.size(); ++i) {
                entry.collectionNumber = tops.size() > 1 ? static_cast<int>(i) + 1 : 0;
                entry.usagePage = tops[i].usagePage;
                entry.usage = tops[i].usage;
                entry.path = FormatHidPath(entry.vendorId, entry.productId, entry.interfaceNumber,
                                           entry.collectionNumber, node);
                entries.push_back(entry);
            }
            continue;
        }
        for (std::size_t i = 0; i < infos.size(); ++i) {
            entry.collectionNumber = infos.size() > 1 ? static_cast<int>(i) + 1 : 0;
            entry.usagePage = infos[i]->usage_page;
            entry.usage = infos[i]->usage;
            entry.path = FormatHidPath(entry.vendorId, entry.productId, entry.interfaceNumber,
                                       entry.collectionNumber, node);
            entries.push_back(entry);
        }
    }
    hid_free_enumeration(list);
    return true;
}

std::shared_ptr<HidHandle> HidapiBackend::Open(const std::string& path, bool, bool) {
    std::string node = HidPathNode(path);
    if (node.empty() || !InitHidapi()) {
        return nullptr;
    }
    hid_device* device = hid_open_path(node.c_str());
    if (device == nullptr) {
        return nullptr;
    }
    std::vector<uint8_t> descriptor = ReadNodeDescriptor(node);
    std::vector<HidTopCollection> tops;
    int index = std::max(PathCollection(path), 1) - 1;
    std::vector<uint8_t> ids;
    if (Split(descriptor, tops)) {
        if (index >= static_cast<int>(tops.size())) {
            hid_close(device);
            return nullptr;
        }
        // With a single collection every report of the node is its own.
        if (tops.size() > 1) {
            ids = tops[static_cast<std::size_t>(index)].reportIds;
        }
    }
    uint16_t vid = 0, pid = 0, version = 0;
    if (const hid_device_info* info = hid_get_device_info(device)) {
        vid = info->vendor_id;
        pid = info->product_id;
        version = info->release_number;
    }
    return std::make_shared<HidapiHandle>(device, std::move(descriptor), index, std::move(ids), vid,
                                          pid, version);
}

bool HidapiBackend::IsPresent(const std::string& path) {
    std::string node = HidPathNode(path);
    if (node.empty()) {
        return false;
    }
    // Existence only, as the presence check opens the node without access
    // rights: a node we may not read is still a present device.
    return access(node.c_str(), F_OK) == 0;
}

}  // namespace platform
