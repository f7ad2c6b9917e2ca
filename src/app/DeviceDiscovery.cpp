#include "app/DeviceDiscovery.h"

#include <cstdio>
#include <filesystem>

#include "app/DeviceRouting.h"
#include "app/SimulatedDevices.h"
#include "device/HidBackendDefault.h"
#include "platform/Paths.h"
#include "platform/Trace.h"

namespace app {
namespace {

using device::DeviceIdentity;

// After the node list changed, the interfaces are still listed for this many
// passes: the parts of a new device (its interfaces, their nodes) appear one
// after the other.
constexpr int kSettlePasses = 10;

bool SameFour(const DeviceIdentity& a, uint16_t vid, uint16_t pid, uint16_t mi, uint16_t col) {
    return a.vendorId == vid && a.productId == pid && a.interfaceNumber == mi &&
           a.collection == col;
}

bool SameSix(const DeviceIdentity& a, const DeviceIdentity& b) {
    return SameFour(a, b.vendorId, b.productId, b.interfaceNumber, b.collection) &&
           a.usagePage == b.usagePage && a.usage == b.usage;
}

bool Absent(const DeviceIdentity& entry) {
    return entry.present == 0 && entry.path.empty();
}

}  // namespace

DeviceDiscovery::DeviceDiscovery(IDiscoverySink& sink) : m_sink(sink) {
    const auto& table = device::SupportedInterfaceTable();
    std::copy(table.begin(), table.end(), m_devices.begin());
    m_kindHint = SimulatedKindOfPath;
}

DeviceDiscovery::~DeviceDiscovery() {
    Stop();
}

void DeviceDiscovery::Start() {
    m_worker.Start([this](platform::Event& stop) { Run(stop); }, kStopTimeoutMs);
}

platform::WorkerThread::StopOutcome DeviceDiscovery::Stop(int timeoutMs) {
    return m_worker.Stop(timeoutMs);
}

void DeviceDiscovery::SetListWatch(std::unique_ptr<platform::HidListWatch> watch) {
    m_watch = std::move(watch);
    m_watchChosen = true;
}

void DeviceDiscovery::SetAccessFolders(platform::HidAccessFolders folders) {
    m_accessFolders = std::move(folders);
}

void DeviceDiscovery::Run(platform::Event& stop) {
    for (;;) {
        if (stop.Wait(1) != platform::WaitResult::kTimeout) {
            platform::Trace("抓取设备线程设定退出");
            return;
        }
        if (!Pass()) {
            platform::Trace("枚举HID设备失败，抓取设备线程结束");
            // The main window waits for the first scan before it shows itself.
            if (!m_firstScanDone) {
                m_firstScanDone = true;
                m_sink.OnFirstScanDone();
            }
            return;
        }
        stop.Wait(kPollIntervalMs);
    }
}

bool DeviceDiscovery::Pass() {
    if (!m_watchChosen) {
        // Only the real HID layer has a node folder to watch.
        m_watchChosen = true;
        if (dynamic_cast<platform::HidapiBackend*>(device::ActiveBackend().get()) != nullptr) {
            m_watch = std::make_unique<platform::HidrawFolderWatch>();
        }
    }
    if (AnyAbsent()) {
        if (!m_watch || m_watch->Changed()) {
            m_settle = kSettlePasses;
        }
        if (m_settle > 0 || m_retryProbes || !m_firstScanDone) {
            if (m_settle > 0) {
                --m_settle;
            }
            if (!Scan()) {
                return false;
            }
        }
    }
    CheckPresence();
    return true;
}

bool DeviceDiscovery::Held(const std::string& path) const {
    for (const DeviceIdentity& entry : m_devices) {
        if (entry.present != 0 && entry.path == path) {
            return true;
        }
    }
    return false;
}

bool DeviceDiscovery::AnyAbsent() const {
    for (const DeviceIdentity& entry : m_devices) {
        if (Absent(entry)) {
            return true;
        }
    }
    return false;
}

int DeviceDiscovery::FreeEntryFor(const DeviceIdentity& probed, uint16_t kindHint) const {
    const auto& table = device::SupportedInterfaceTable();
    bool known = false;
    for (const DeviceIdentity& row : table) {
        known = known || SameSix(row, probed);
    }
    if (!known) {
        return -1;
    }
    for (std::size_t i = 0; i < m_devices.size(); ++i) {
        const DeviceIdentity& entry = m_devices[i];
        if (SameSix(entry, probed) && Absent(entry) && (kindHint == 0 || entry.kind == kindHint)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool DeviceDiscovery::Scan() {
    ++m_enumerations;
    if (!m_probe.Enumerate()) {
        return false;
    }
    const auto& table = device::SupportedInterfaceTable();
    bool probeFailed = false;
    while (const char* next = m_probe.NextPath()) {
        const std::string path = next;
        const uint16_t vid = device::HidInterface::ParseVid(path);
        const uint16_t pid = device::HidInterface::ParsePid(path);
        const uint16_t mi = device::HidInterface::ParseInterfaceNumber(path);
        const uint16_t col = device::HidInterface::ParseCollection(path);
        // A path already given to an entry is not given to a second one: rows
        // that share every HID field would otherwise take turns claiming it.
        const bool held = Held(path);
        bool wanted = false;
        for (std::size_t i = 0; !held && i < table.size(); ++i) {
            wanted = wanted || (SameFour(table[i], vid, pid, mi, col) &&
                                SameFour(m_devices[i], vid, pid, mi, col) && Absent(m_devices[i]));
        }
        if (!wanted) {
            continue;
        }
        ++m_probes;
        if (!m_probe.Open(path, true, false, true, false)) {
            // Tried again on the next pass.
            probeFailed = true;
            continue;
        }
        DeviceIdentity probed;
        probed.vendorId = m_probe.Attributes().vendorId;
        probed.productId = m_probe.Attributes().productId;
        probed.interfaceNumber = mi;
        probed.collection = col;
        probed.usagePage = m_probe.UsagePage();
        probed.usage = m_probe.Usage();
        m_probe.Close();
        const int index = FreeEntryFor(probed, m_kindHint ? m_kindHint(path) : 0);
        if (index < 0) {
            continue;
        }
        DeviceIdentity& entry = m_devices[static_cast<std::size_t>(index)];
        entry.present = 1;
        entry.path = path;
        m_sink.OnDeviceFound(static_cast<std::size_t>(index));
    }
    if (!m_firstScanDone) {
        m_firstScanDone = true;
        m_sink.OnFirstScanDone();
    }
    m_probe.FreePaths();
    m_retryProbes = probeFailed;
    if (probeFailed) {
        CheckAccess();
    }
    return true;
}

void DeviceDiscovery::CheckPresence() {
    for (std::size_t i = 0; i < m_devices.size(); ++i) {
        DeviceIdentity& entry = m_devices[i];
        if (entry.present == 0) {
            continue;
        }
        if (!device::HidInterface::PathPresent(entry.path)) {
            entry.present = 0;
            entry.path.clear();
            m_sink.OnDeviceLost(i);
        }
    }
}

void DeviceDiscovery::CheckAccess() {
    {
        std::lock_guard<std::mutex> lock(m_noticeMutex);
        if (m_noticeReady || m_noticeTaken) {
            return;
        }
    }
    std::vector<platform::HidNodeAccess> denied;
    for (const platform::HidNodeAccess& node : platform::ListHidrawNodes(m_accessFolders)) {
        if (node.Denied() &&
            IsSupportedUsbInterface(node.vendorId, node.productId, node.interfaceNumber)) {
            denied.push_back(node);
        }
    }
    if (denied.empty()) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_noticeMutex);
        m_noticeText = AccessNoticeText(denied, UdevRuleInstallCommand());
        m_noticeReady = true;
    }
    platform::TraceF("无权打开设备：%s", denied.front().node.c_str());
    m_sink.OnAccessNotice();
}

std::string UdevRuleInstallCommand() {
    namespace fs = std::filesystem;
    // The program runs from build/<dir>/bin of the source tree.
    fs::path folder = platform::ProgramFolder();
    for (int up = 0; up < 4 && !folder.empty(); ++up) {
        fs::path script = folder / "scripts" / "install-udev-rule";
        std::error_code error;
        if (fs::is_regular_file(script, error)) {
            return script.lexically_normal().string();
        }
        if (folder == folder.parent_path()) {
            break;
        }
        folder = folder.parent_path();
    }
    return "printf '%s\\n' 'SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"320f\", TAG+=\"uaccess\"' "
           "'SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"0c76\", TAG+=\"uaccess\"' | "
           "sudo tee /etc/udev/rules.d/70-zentor-keyboard.rules && "
           "sudo udevadm control --reload-rules && sudo udevadm trigger --subsystem-match=hidraw";
}

std::string AccessNoticeText(const std::vector<platform::HidNodeAccess>& denied,
                             const std::string& command) {
    std::string nodes;
    for (const platform::HidNodeAccess& node : denied) {
        char id[16];
        std::snprintf(id, sizeof id, "%04x:%04x", node.vendorId, node.productId);
        nodes += (nodes.empty() ? "" : ", ") + node.node + " (USB ID " + id + ")";
    }
    return "Your device is connected, but Zentor Keyboard is not allowed to open it: " + nodes +
           ".\n\nOn Linux these device files belong to root until a udev rule gives the "
           "logged-in user access. Run this command once (it asks for your password):\n\n" +
           command +
           "\n\nThen unplug the device and plug it in again; Zentor Keyboard finds it without a "
           "restart.";
}

bool DeviceDiscovery::TakeAccessNotice(std::string& text) {
    std::lock_guard<std::mutex> lock(m_noticeMutex);
    if (!m_noticeReady || m_noticeTaken) {
        return false;
    }
    m_noticeTaken = true;
    text = m_noticeText;
    return true;
}

}  // namespace app
