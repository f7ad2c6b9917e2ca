#include "firmware/SimBackend.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <sstream>

#include "device/ReportDescriptor.h"
#include "platform/hid/HidPath.h"

namespace sim {
namespace {

using Clock = std::chrono::steady_clock;

constexpr uint8_t kVendorReportId = 0x04;
constexpr uint8_t kUnreachable = 0xAA;
// Waiting transfers look at their stop event at least this often; Close
// wakes them at once through Interrupt.
constexpr auto kSlice = std::chrono::milliseconds(500);

struct Collection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    std::vector<uint8_t> reportIds;
    uint16_t inputLength = 0;
    std::string path;

    bool Owns(uint8_t id) const {
        return reportIds.empty() ||
               std::find(reportIds.begin(), reportIds.end(), id) != reportIds.end();
    }
};

struct UsbInterface {
    SimInterface info;
    std::vector<Collection> collections;
};

struct Port {
    std::shared_ptr<FirmwareModel> device;
    SimPath path = SimPath::kCable;
    bool reachable = true;
    int unplugAfterWrites = -1;
    std::vector<UsbInterface> interfaces;
};

class SimHandle;

}  // namespace

struct SimBackend::Core {
    std::mutex mutex;
    std::map<int, Port> ports;
    int nextPort = 1;
    std::vector<SimHandle*> handles;

    void UnplugLocked(int port);
};

namespace {

struct Pending {
    std::vector<uint8_t> data;
    Clock::time_point readyAt;
};

class SimHandle : public platform::HidHandle {
public:
    SimHandle(std::shared_ptr<SimBackend::Core> core, int port, std::size_t interfaceIndex,
              std::size_t collectionIndex, const UsbInterface& usb)
        : m_core(std::move(core)),
          m_port(port),
          m_interface(interfaceIndex),
          m_collection(collectionIndex),
          m_info(usb.info),
          m_owner(usb.collections[collectionIndex]) {}

    ~SimHandle() override {
        std::lock_guard<std::mutex> lock(m_core->mutex);
        auto& list = m_core->handles;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }

    platform::HidIoResult Read(uint8_t* buffer, std::size_t length, std::size_t& bytesRead,
                               int timeoutMs, platform::Event& stop) override {
        bytesRead = 0;
        std::unique_lock<std::mutex> lock(m_core->mutex);
        const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
        for (;;) {
            const auto now = Clock::now();
            if (m_gone) {
                return platform::HidIoResult::kError;
            }
            if (!m_queue.empty() && m_queue.front().readyAt <= now) {
                const std::vector<uint8_t>& report = m_queue.front().data;
                bytesRead = std::min(length, report.size());
                std::copy_n(report.begin(), bytesRead, buffer);
                m_queue.pop_front();
                return platform::HidIoResult::kOk;
            }
            if (m_interrupted || stop.Wait(0) == platform::WaitResult::kSignaled) {
                return platform::HidIoResult::kStopped;
            }
            if (timeoutMs >= 0 && now >= deadline) {
                return platform::HidIoResult::kTimeout;
            }
            auto wake = now + kSlice;
            if (!m_queue.empty()) {
                wake = std::min(wake, m_queue.front().readyAt);
            }
            if (timeoutMs >= 0) {
                wake = std::min(wake, deadline);
            }
            m_wake.wait_until(lock, wake);
        }
    }

    platform::HidIoResult Write(const uint8_t* data, std::size_t length, std::size_t& written,
                                int timeoutMs, platform::Event& stop) override {
        written = 0;
        std::unique_lock<std::mutex> lock(m_core->mutex);
        Port* port = PortLocked();
        if (port == nullptr || length == 0) {
            return platform::HidIoResult::kError;
        }
        if (port->unplugAfterWrites == 0) {
            m_core->UnplugLocked(m_port);
            return platform::HidIoResult::kError;
        }
        if (port->unplugAfterWrites > 0) {
            --port->unplugAfterWrites;
        }
        // The device takes its time for each report it is sent.
        const int latency = port->device->LatencyMs();
        if (latency > 0) {
            const auto done = Clock::now() + std::chrono::milliseconds(latency);
            const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
            for (;;) {
                if (m_gone) {
                    return platform::HidIoResult::kError;
                }
                if (m_interrupted || stop.Wait(0) == platform::WaitResult::kSignaled) {
                    return platform::HidIoResult::kStopped;
                }
                const auto now = Clock::now();
                if (now >= done) {
                    break;
                }
                if (timeoutMs >= 0 && now >= deadline) {
                    return platform::HidIoResult::kTimeout;
                }
                auto wake = std::min(done, now + kSlice);
                if (timeoutMs >= 0) {
                    wake = std::min(wake, deadline);
                }
                m_wake.wait_until(lock, wake);
            }
            port = PortLocked();
            if (port == nullptr) {
                return platform::HidIoResult::kError;
            }
        }
        written = length;
        if (!m_owner.Owns(kVendorReportId) || data[0] != kVendorReportId) {
            return platform::HidIoResult::kOk;
        }
        Deliver(Answer(*port, data, length), latency);
        return platform::HidIoResult::kOk;
    }

    void Interrupt() override {
        std::lock_guard<std::mutex> lock(m_core->mutex);
        m_interrupted = true;
        m_wake.notify_all();
    }

    const std::vector<uint8_t>& ReportDescriptor() const override { return m_info.descriptor; }
    int CollectionIndex() const override { return static_cast<int>(m_collection); }
    uint16_t VendorId() const override { return m_info.vendorId; }
    uint16_t ProductId() const override { return m_info.productId; }
    uint16_t VersionNumber() const override { return 0x0107; }

    // Called with the core locked.
    void Push(std::vector<uint8_t> report, Clock::time_point readyAt) {
        // A reader that never reads does not make the device's memory grow.
        if (m_queue.size() < 64 && m_owner.Owns(report.empty() ? 0 : report[0])) {
            m_queue.push_back({std::move(report), readyAt});
            m_wake.notify_all();
        }
    }
    // Called with the core locked.
    void MarkGone() {
        m_gone = true;
        m_wake.notify_all();
    }
    int PortNumber() const { return m_port; }
    std::size_t InterfaceIndex() const { return m_interface; }
    const Collection& Owner() const { return m_owner; }

private:
    Port* PortLocked() {
        if (m_gone) {
            return nullptr;
        }
        auto it = m_core->ports.find(m_port);
        return it == m_core->ports.end() ? nullptr : &it->second;
    }

    // The receiver answers for a device it cannot reach; otherwise the
    // device's firmware does.
    std::vector<std::vector<uint8_t>> Answer(Port& port, const uint8_t* data, std::size_t length) {
        if (port.path == SimPath::kReceiver && !port.reachable) {
            std::vector<uint8_t> reply(FirmwareModel::kPacket, 0);
            reply[0] = kVendorReportId;
            reply[3] = kUnreachable;
            reply[8] = kUnreachable;
            return {reply};
        }
        return port.device->Handle(data, length);
    }

    void Deliver(std::vector<std::vector<uint8_t>> replies, int latency) {
        const auto readyAt = Clock::now() + std::chrono::milliseconds(latency);
        for (auto& reply : replies) {
            for (SimHandle* handle : m_core->handles) {
                if (handle->PortNumber() == m_port && handle->InterfaceIndex() == m_interface) {
                    handle->Push(reply, readyAt);
                }
            }
        }
    }

    std::shared_ptr<SimBackend::Core> m_core;
    int m_port;
    std::size_t m_interface;
    std::size_t m_collection;
    SimInterface m_info;
    Collection m_owner;
    std::deque<Pending> m_queue;
    // Each handle is woken for what concerns it only: a frame streamed to one
    // device does not wake the readers waiting on every other.
    std::condition_variable m_wake;
    bool m_interrupted = false;
    bool m_gone = false;
};

}  // namespace

void SimBackend::Core::UnplugLocked(int port) {
    ports.erase(port);
    for (SimHandle* handle : handles) {
        if (handle->PortNumber() == port) {
            handle->MarkGone();
        }
    }
}

SimBackend::SimBackend() : m_core(std::make_shared<Core>()) {}

SimBackend::~SimBackend() = default;

std::shared_ptr<FirmwareModel> SimBackend::AddDevice(SimKind kind) {
    return std::make_shared<FirmwareModel>(kind);
}

int SimBackend::Plug(const std::shared_ptr<FirmwareModel>& device, SimPath path) {
    return Plug(device, path, InterfacesOf(device->Kind(), path));
}

int SimBackend::Plug(const std::shared_ptr<FirmwareModel>& device, SimPath path,
                     std::vector<SimInterface> interfaces) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    const int number = m_core->nextPort++;
    Port port;
    port.device = device;
    port.path = path;
    for (SimInterface& info : interfaces) {
        UsbInterface usb;
        usb.info = std::move(info);
        device::ReportDescriptorInfo parsed;
        if (!device::ParseReportDescriptor(usb.info.descriptor.data(), usb.info.descriptor.size(),
                                           &parsed, nullptr)) {
            continue;
        }
        std::ostringstream node;
        node << "sim/" << SimKindName(device->Kind()) << "-"
             << (path == SimPath::kCable ? "cable" : "receiver") << "-" << number << "/if"
             << usb.info.interfaceNumber;
        const std::size_t count = parsed.collections.size();
        for (std::size_t i = 0; i < count; ++i) {
            const device::HidCollectionCaps& caps = parsed.collections[i];
            Collection collection;
            collection.usagePage = caps.UsagePage;
            collection.usage = caps.Usage;
            collection.reportIds = caps.ReportIDs;
            collection.inputLength = caps.InputReportByteLength;
            collection.path = platform::FormatHidPath(
                usb.info.vendorId, usb.info.productId, usb.info.interfaceNumber,
                count > 1 ? static_cast<int>(i) + 1 : 0, node.str());
            usb.collections.push_back(std::move(collection));
        }
        port.interfaces.push_back(std::move(usb));
    }
    m_core->ports.emplace(number, std::move(port));
    return number;
}

void SimBackend::Unplug(int port) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->UnplugLocked(port);
}

void SimBackend::UnplugAfterWrites(int port, int writes) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    auto it = m_core->ports.find(port);
    if (it != m_core->ports.end()) {
        it->second.unplugAfterWrites = writes;
    }
}

void SimBackend::SetReachable(int port, bool reachable) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    auto it = m_core->ports.find(port);
    if (it != m_core->ports.end()) {
        it->second.reachable = reachable;
    }
}

void SimBackend::Notify(int port, uint16_t code) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    const auto now = Clock::now();
    for (SimHandle* handle : m_core->handles) {
        const Collection& owner = handle->Owner();
        if (handle->PortNumber() != port || owner.usagePage != 0x000C) {
            continue;
        }
        // The notification travels in the collection's first report that is
        // not the command channel's.
        for (uint8_t id : owner.reportIds) {
            if (id == kVendorReportId) {
                continue;
            }
            std::vector<uint8_t> report(std::max<std::size_t>(owner.inputLength, 3), 0);
            report[0] = id;
            report[1] = static_cast<uint8_t>(code & 0xFF);
            report[2] = static_cast<uint8_t>(code >> 8);
            handle->Push(std::move(report), now);
            break;
        }
    }
}

void SimBackend::PressSlotKey(int port, uint8_t slot) {
    if (std::shared_ptr<FirmwareModel> device = DeviceAt(port)) {
        std::lock_guard<std::mutex> lock(m_core->mutex);
        device->Params()[0] = slot & 0x0F;
    }
    Notify(port, static_cast<uint16_t>(0x1000 | (slot & 0x0F)));
}

void SimBackend::PushInput(int port, const std::vector<uint8_t>& report) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    const auto now = Clock::now();
    for (SimHandle* handle : m_core->handles) {
        if (handle->PortNumber() == port) {
            handle->Push(report, now);
        }
    }
}

void SimBackend::SetPowerStatus(int port, uint8_t battery, uint8_t state) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    auto it = m_core->ports.find(port);
    if (it != m_core->ports.end()) {
        it->second.device->Status()[0] = battery;
        it->second.device->Status()[1] = state;
    }
}

bool SimBackend::Describe(const std::string& path, SimKind& kind, SimPath& via) const {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    for (const auto& [number, port] : m_core->ports) {
        for (const UsbInterface& usb : port.interfaces) {
            for (const Collection& collection : usb.collections) {
                if (collection.path == path) {
                    kind = port.device->Kind();
                    via = port.path;
                    return true;
                }
            }
        }
    }
    return false;
}

std::shared_ptr<FirmwareModel> SimBackend::DeviceAt(int port) const {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    auto it = m_core->ports.find(port);
    return it == m_core->ports.end() ? nullptr : it->second.device;
}

std::vector<std::string> SimBackend::PathsOf(int port) const {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    std::vector<std::string> paths;
    auto it = m_core->ports.find(port);
    if (it != m_core->ports.end()) {
        for (const UsbInterface& usb : it->second.interfaces) {
            for (const Collection& collection : usb.collections) {
                paths.push_back(collection.path);
            }
        }
    }
    return paths;
}

std::string SimBackend::PathOf(int port, uint16_t usagePage, uint16_t usage) const {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    auto it = m_core->ports.find(port);
    if (it != m_core->ports.end()) {
        for (const UsbInterface& usb : it->second.interfaces) {
            for (const Collection& collection : usb.collections) {
                if (collection.usagePage == usagePage && collection.usage == usage) {
                    return collection.path;
                }
            }
        }
    }
    return {};
}

bool SimBackend::Enumerate(std::vector<platform::HidDeviceEntry>& entries) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    entries.clear();
    for (const auto& [number, port] : m_core->ports) {
        for (const UsbInterface& usb : port.interfaces) {
            const std::size_t count = usb.collections.size();
            for (std::size_t i = 0; i < count; ++i) {
                platform::HidDeviceEntry entry;
                entry.path = usb.collections[i].path;
                entry.vendorId = usb.info.vendorId;
                entry.productId = usb.info.productId;
                entry.versionNumber = 0x0107;
                entry.interfaceNumber = usb.info.interfaceNumber;
                entry.collectionNumber = count > 1 ? static_cast<int>(i) + 1 : 0;
                entry.usagePage = usb.collections[i].usagePage;
                entry.usage = usb.collections[i].usage;
                entries.push_back(std::move(entry));
            }
        }
    }
    return true;
}

std::shared_ptr<platform::HidHandle> SimBackend::Open(const std::string& path, bool, bool) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    for (const auto& [number, port] : m_core->ports) {
        for (std::size_t u = 0; u < port.interfaces.size(); ++u) {
            const UsbInterface& usb = port.interfaces[u];
            for (std::size_t c = 0; c < usb.collections.size(); ++c) {
                if (usb.collections[c].path == path) {
                    auto handle = std::make_shared<SimHandle>(m_core, number, u, c, usb);
                    m_core->handles.push_back(handle.get());
                    return handle;
                }
            }
        }
    }
    return nullptr;
}

bool SimBackend::IsPresent(const std::string& path) {
    std::lock_guard<std::mutex> lock(m_core->mutex);
    for (const auto& [number, port] : m_core->ports) {
        for (const UsbInterface& usb : port.interfaces) {
            for (const Collection& collection : usb.collections) {
                if (collection.path == path) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool PlugKinds(SimBackend& backend, const std::string& kinds) {
    std::stringstream list(kinds);
    std::string name;
    std::vector<std::pair<SimKind, SimPath>> parsed;
    while (std::getline(list, name, ',')) {
        SimPath path = SimPath::kCable;
        const std::string receiver = ":receiver";
        if (name.size() > receiver.size() &&
            name.compare(name.size() - receiver.size(), receiver.size(), receiver) == 0) {
            path = SimPath::kReceiver;
            name.resize(name.size() - receiver.size());
        }
        SimKind kind;
        if (!ParseSimKind(name, kind)) {
            return false;
        }
        parsed.emplace_back(kind, path);
    }
    for (const auto& [kind, path] : parsed) {
        backend.Plug(backend.AddDevice(kind), path);
    }
    return !parsed.empty();
}

}  // namespace sim
