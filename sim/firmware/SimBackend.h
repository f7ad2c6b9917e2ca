// The simulator's HID backend: simulated devices plugged in by cable or
// through their receiver, each USB interface with its report descriptor and
// collections, so that everything above the backend runs unchanged. Tests use
// its small API to plug, unplug, inspect and break devices.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "firmware/FirmwareModel.h"
#include "platform/hid/HidBackend.h"

namespace sim {

enum class SimPath { kCable, kReceiver };

// One USB interface of a simulated device: identity and report descriptor.
struct SimInterface {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    int interfaceNumber = 0;
    std::vector<uint8_t> descriptor;
};

// The USB interfaces a device kind shows on a path, as the device tables
// expect them (the receiver reports product ID 0).
std::vector<SimInterface> InterfacesOf(SimKind kind, SimPath path);

class SimBackend : public platform::HidBackend {
public:
    SimBackend();
    ~SimBackend() override;

    // A new device in its factory state (not yet plugged in).
    std::shared_ptr<FirmwareModel> AddDevice(SimKind kind);

    // Plugs a device in by cable or through its receiver; returns the port
    // number. One device may be plugged in on both paths at once.
    int Plug(const std::shared_ptr<FirmwareModel>& device, SimPath path);
    // The same with interfaces of the caller's choosing (tests of odd devices).
    int Plug(const std::shared_ptr<FirmwareModel>& device, SimPath path,
             std::vector<SimInterface> interfaces);
    // Removes the port: open handles fail from now on, waiting reads end.
    void Unplug(int port);
    // Unplugs the port when the given number of further reports has been
    // written to it; the report after those fails (-1 disables).
    void UnplugAfterWrites(int port, int writes);
    // Receiver ports only: whether the device behind it answers.
    void SetReachable(int port, bool reachable);

    // Sends a notification code on the port's consumer collection.
    void Notify(int port, uint16_t code);
    // The user picks another profile slot on the device itself: the active
    // slot byte changes and the device sends the slot code 0x10 | slot.
    void PressSlotKey(int port, uint8_t slot);
    // Queues an input report for every open collection of the port that owns
    // its report ID (the first byte).
    void PushInput(int port, const std::vector<uint8_t>& report);
    // The status block the device reports: battery level in percent and power
    // state (0, 1 charging, 2).
    void SetPowerStatus(int port, uint8_t battery, uint8_t state);

    // The kind of device and the path behind one of its collection paths;
    // false when no plugged port has that path.
    bool Describe(const std::string& path, SimKind& kind, SimPath& via) const;

    std::shared_ptr<FirmwareModel> DeviceAt(int port) const;
    // Every path of the port's collections, in enumeration order.
    std::vector<std::string> PathsOf(int port) const;
    // The path of the port's collection with this usage page and usage.
    std::string PathOf(int port, uint16_t usagePage, uint16_t usage) const;

    bool Enumerate(std::vector<platform::HidDeviceEntry>& entries) override;
    std::shared_ptr<platform::HidHandle> Open(const std::string& path, bool read,
                                              bool write) override;
    bool IsPresent(const std::string& path) override;

    struct Core;

private:
    std::shared_ptr<Core> m_core;
};

// "keyboard,mouse:receiver" plugs those devices in, by cable unless the kind
// ends in ":receiver"; false on an unknown kind (nothing is plugged then).
bool PlugKinds(SimBackend& backend, const std::string& kinds);

}  // namespace sim
