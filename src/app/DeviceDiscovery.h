// The discovery worker: polls the system's HID interfaces every 100 ms while a
// supported interface is absent, fills the device list (the program's copy of
// the supported-interface table) and tells its sink which entry appeared or
// went away. The sink is called on the worker thread and must handle the call
// before it returns (the main window sends itself 3090 and 3091); the device
// list may be touched by others only inside those calls or while the worker
// is stopped.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/DeviceTables.h"
#include "device/HidInterface.h"
#include "platform/WorkerThread.h"
#include "platform/hid/HidAccess.h"
#include "platform/hid/HidListWatch.h"

namespace app {

using DeviceList = std::array<device::DeviceIdentity, device::kSupportedInterfaceCount>;

class IDiscoverySink {
public:
    virtual ~IDiscoverySink() = default;
    // Entry index is present now; its path is in the list (message 3090).
    virtual void OnDeviceFound(std::size_t index) = 0;
    // Entry index has gone; its path has been cleared (message 3091).
    virtual void OnDeviceLost(std::size_t index) = 0;
    // The first pass through the interfaces has ended (the broadcast message).
    virtual void OnFirstScanDone() = 0;
    // A supported device is there but may not be opened; TakeAccessNotice has
    // the text. Called at most once.
    virtual void OnAccessNotice() {}
};

class DeviceDiscovery {
public:
    static constexpr int kPollIntervalMs = 100;
    static constexpr int kStopTimeoutMs = 1000;

    // Kind code of the device behind a path (0 = not known). Only the simulator
    // knows it; it picks among table rows that look alike on every HID field.
    using KindHint = std::function<uint16_t(const std::string& path)>;

    explicit DeviceDiscovery(IDiscoverySink& sink);
    ~DeviceDiscovery();
    DeviceDiscovery(const DeviceDiscovery&) = delete;
    DeviceDiscovery& operator=(const DeviceDiscovery&) = delete;

    DeviceList& Devices() { return m_devices; }
    const DeviceList& Devices() const { return m_devices; }

    // The worker on a thread of its own...
    void Start();
    platform::WorkerThread::StopOutcome Stop(int timeoutMs = kStopTimeoutMs);
    bool Running() const { return m_worker.Running(); }
    // ...or the loop as the body of an owner's worker (the main window's
    // worker table): runs until stop is set or the interfaces cannot be listed.
    // The owner stops that worker before this object goes.
    void Run(platform::Event& stop);

    // One pass of the loop: the scan while an entry is absent, then the
    // presence check. False when the interfaces could not be listed.
    bool Pass();

    void SetKindHint(KindHint hint) { m_kindHint = std::move(hint); }
    // Replaces how the worker learns that the system's HID node list changed
    // (null: list the interfaces on every pass).
    void SetListWatch(std::unique_ptr<platform::HidListWatch> watch);
    // Where the access check looks (tests give a fake sysfs and /dev).
    void SetAccessFolders(platform::HidAccessFolders folders);

    // Counters, for tests and the benchmark; readable while the worker runs.
    int Enumerations() const { return m_enumerations.load(); }
    int Probes() const { return m_probes.load(); }

    // The notice about a supported device this user may not open: true and
    // the text the first time there is one, false ever after.
    bool TakeAccessNotice(std::string& text);

private:
    bool Scan();
    void CheckPresence();
    void CheckAccess();
    int FreeEntryFor(const device::DeviceIdentity& probed, uint16_t kindHint) const;
    bool AnyAbsent() const;
    bool Held(const std::string& path) const;

    IDiscoverySink& m_sink;
    DeviceList m_devices;
    platform::WorkerThread m_worker;
    device::HidInterface m_probe;
    KindHint m_kindHint;
    std::unique_ptr<platform::HidListWatch> m_watch;
    bool m_watchChosen = false;
    int m_settle = 0;
    bool m_retryProbes = false;
    bool m_firstScanDone = false;
    std::atomic<int> m_enumerations{0};
    std::atomic<int> m_probes{0};

    platform::HidAccessFolders m_accessFolders;
    std::mutex m_noticeMutex;
    std::string m_noticeText;
    bool m_noticeReady = false;
    bool m_noticeTaken = false;
};

// The command that gives this user access to the devices: the installer
// script beside the program's source tree when there is one, otherwise the
// rule written by hand.
std::string UdevRuleInstallCommand();

// The notice for devices that are there but may not be opened, in plain
// words, with the command that fixes it.
std::string AccessNoticeText(const std::vector<platform::HidNodeAccess>& denied,
                             const std::string& command);

}  // namespace app
