// Demo mode: "--simulate keyboard,mouse,pad,headset" replaces the HID layer by
// the device simulator with those devices plugged in, before discovery starts.
// While the program runs, zentor-sim drives the simulator through the message
// bus ("ZENTOR_SIM_CONTROL"); the commands are applied on the UI thread.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "firmware/SimBackend.h"
#include "firmware/SimControl.h"
#include "platform/BusFrame.h"

namespace app {

class SimulatedDevices {
public:
    SimulatedDevices() = default;
    ~SimulatedDevices();
    SimulatedDevices(const SimulatedDevices&) = delete;
    SimulatedDevices& operator=(const SimulatedDevices&) = delete;

    // "--simulate LIST" or "--simulate=LIST": true with the list when given.
    static bool SimulateOption(int argc, char** argv, std::string& kinds);

    // Plugs the kinds ("keyboard,mouse:receiver": by cable unless ":receiver")
    // into a new simulator, installs it as the HID backend and registers the
    // control message. False on an empty list or an unknown kind; nothing is
    // installed then.
    bool Install(const std::string& kinds);

    // Start-up: installs what --simulate asks for. False, with a line on
    // stderr, when the option names something unknown.
    bool InstallFromCommandLine(int argc, char** argv);

    bool Active() const { return m_backend != nullptr; }

    // A control message from the bus: applies it and returns true; false for
    // every other message.
    bool HandleBusMessage(const platform::BusMessage& message);
    // False when the command could not take effect (nothing plugged, ...).
    bool Apply(const sim::SimControlCommand& command);

    // Kind code of the table (1, 9, 2, 6, 3, 7) of the device behind a path;
    // 0 when the path is not a simulated one.
    uint16_t KindOfPath(const std::string& path) const;

    sim::SimBackend* Backend() const { return m_backend.get(); }
    // The port of a device kind on a path; 0 when it is not plugged in there.
    int PortOf(sim::SimKind kind, sim::SimPath path) const;
    std::shared_ptr<sim::FirmwareModel> DeviceOf(sim::SimKind kind) const;

private:
    struct Device {
        std::shared_ptr<sim::FirmwareModel> model;
        std::array<int, 2> ports{0, 0};  // cable, receiver
        bool reachable = true;
    };

    Device& Of(sim::SimKind kind) { return m_devices[static_cast<std::size_t>(kind)]; }
    int PlugPath(sim::SimKind kind, sim::SimPath path);
    void UnplugPath(sim::SimKind kind, sim::SimPath path);

    std::shared_ptr<sim::SimBackend> m_backend;
    std::array<Device, 4> m_devices;
};

// The kind code of a path of the installed simulation (0 without one); the
// discovery worker calls it from its own thread.
uint16_t SimulatedKindOfPath(const std::string& path);

}  // namespace app
