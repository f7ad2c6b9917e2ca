#include "app/SimulatedDevices.h"

#include <atomic>
#include <cstdio>
#include <sstream>
#include <vector>

#include "device/DeviceTables.h"
#include "platform/RegisteredMessage.h"
#include "platform/Trace.h"

namespace app {
namespace {

std::atomic<SimulatedDevices*> g_active{nullptr};

constexpr std::size_t Slot(sim::SimPath path) {
    return path == sim::SimPath::kCable ? 0 : 1;
}

uint16_t KindCode(sim::SimKind kind, sim::SimPath path) {
    const bool receiver = path == sim::SimPath::kReceiver;
    switch (kind) {
        case sim::SimKind::kKeyboard:
            return receiver ? device::kKindKeyboardReceiver : device::kKindKeyboard;
        case sim::SimKind::kMouse:
            return receiver ? device::kKindMouseReceiver : device::kKindMouse;
        case sim::SimKind::kMousePad:
            return device::kKindMousePad;
        case sim::SimKind::kHeadset:
            return device::kKindHeadset;
    }
    return 0;
}

}  // namespace

SimulatedDevices::~SimulatedDevices() {
    if (m_backend) {
        SimulatedDevices* self = this;
        g_active.compare_exchange_strong(self, nullptr);
        platform::InstallHidBackend(nullptr);
    }
}

bool SimulatedDevices::SimulateOption(int argc, char** argv, std::string& kinds) {
    const std::string option = "--simulate";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == option) {
            kinds = i + 1 < argc ? argv[i + 1] : "";
            return true;
        }
        if (arg.rfind(option + "=", 0) == 0) {
            kinds = arg.substr(option.size() + 1);
            return true;
        }
    }
    return false;
}

bool SimulatedDevices::Install(const std::string& kinds) {
    std::vector<std::pair<sim::SimKind, sim::SimPath>> plugs;
    std::stringstream list(kinds);
    std::string name;
    while (std::getline(list, name, ',')) {
        sim::SimPath path = sim::SimPath::kCable;
        const std::string receiver = ":receiver";
        if (name.size() > receiver.size() &&
            name.compare(name.size() - receiver.size(), receiver.size(), receiver) == 0) {
            path = sim::SimPath::kReceiver;
            name.resize(name.size() - receiver.size());
        }
        sim::SimKind kind;
        if (!sim::ParseSimKind(name, kind) ||
            (path == sim::SimPath::kReceiver && kind != sim::SimKind::kKeyboard &&
             kind != sim::SimKind::kMouse)) {
            return false;
        }
        plugs.emplace_back(kind, path);
    }
    if (plugs.empty() || m_backend) {
        return false;
    }
    m_backend = std::make_shared<sim::SimBackend>();
    for (const auto& [kind, path] : plugs) {
        PlugPath(kind, path);
    }
    platform::RegisterMessage(sim::kSimControlMessage);
    platform::InstallHidBackend(m_backend);
    g_active.store(this);
    platform::TraceF("模拟设备：%s", kinds.c_str());
    return true;
}

bool SimulatedDevices::InstallFromCommandLine(int argc, char** argv) {
    std::string kinds;
    if (!SimulateOption(argc, argv, kinds)) {
        return true;
    }
    if (Install(kinds)) {
        return true;
    }
    std::fprintf(stderr,
                 "Zentor Keyboard: --simulate takes a list such as keyboard,mouse:receiver "
                 "(keyboard, mouse, pad, headset; \":receiver\" for keyboard and mouse), not "
                 "\"%s\"\n",
                 kinds.c_str());
    return false;
}

int SimulatedDevices::PlugPath(sim::SimKind kind, sim::SimPath path) {
    Device& device = Of(kind);
    int& port = device.ports[Slot(path)];
    if (port != 0) {
        return port;
    }
    if (!device.model) {
        device.model = m_backend->AddDevice(kind);
    }
    port = m_backend->Plug(device.model, path);
    if (path == sim::SimPath::kReceiver) {
        m_backend->SetReachable(port, device.reachable);
    }
    return port;
}

void SimulatedDevices::UnplugPath(sim::SimKind kind, sim::SimPath path) {
    int& port = Of(kind).ports[Slot(path)];
    if (port != 0) {
        m_backend->Unplug(port);
        port = 0;
    }
}

int SimulatedDevices::PortOf(sim::SimKind kind, sim::SimPath path) const {
    return m_devices[static_cast<std::size_t>(kind)].ports[Slot(path)];
}

std::shared_ptr<sim::FirmwareModel> SimulatedDevices::DeviceOf(sim::SimKind kind) const {
    return m_devices[static_cast<std::size_t>(kind)].model;
}

bool SimulatedDevices::HandleBusMessage(const platform::BusMessage& message) {
    if (message.name != sim::kSimControlMessage) {
        return false;
    }
    sim::SimControlCommand command;
    if (!m_backend || !sim::DecodeSimControl(message, command)) {
        platform::TraceF("模拟设备：无效的命令 wParam=%lld lParam=%lld",
                         static_cast<long long>(message.wParam),
                         static_cast<long long>(message.lParam));
        return true;
    }
    Apply(command);
    return true;
}

bool SimulatedDevices::Apply(const sim::SimControlCommand& command) {
    if (!m_backend) {
        return false;
    }
    const sim::SimKind kind = command.kind;
    Device& device = Of(kind);
    const sim::SimPath path = command.path == sim::SimControlPath::kReceiver
                                  ? sim::SimPath::kReceiver
                                  : sim::SimPath::kCable;
    const sim::SimPath other =
        path == sim::SimPath::kCable ? sim::SimPath::kReceiver : sim::SimPath::kCable;
    bool done = true;
    switch (command.op) {
        case sim::SimControlOp::kPlug:
            PlugPath(kind, path);
            break;
        case sim::SimControlOp::kUnplug:
            done = device.ports[0] != 0 || device.ports[1] != 0;
            if (command.path == sim::SimControlPath::kAll) {
                UnplugPath(kind, sim::SimPath::kCable);
                UnplugPath(kind, sim::SimPath::kReceiver);
            } else {
                done = device.ports[Slot(path)] != 0;
                UnplugPath(kind, path);
            }
            break;
        case sim::SimControlOp::kUse:
            PlugPath(kind, path);
            UnplugPath(kind, other);
            break;
        case sim::SimControlOp::kReachable:
            device.reachable = command.value != 0;
            if (device.ports[1] != 0) {
                m_backend->SetReachable(device.ports[1], device.reachable);
            }
            break;
        case sim::SimControlOp::kNotify: {
            // The device speaks through its cable while that is plugged in.
            const int port = device.ports[0] != 0 ? device.ports[0] : device.ports[1];
            done = port != 0;
            if (done) {
                m_backend->Notify(port, static_cast<uint16_t>(command.value));
            }
            break;
        }
        case sim::SimControlOp::kPower: {
            const int port = device.ports[0] != 0 ? device.ports[0] : device.ports[1];
            if (port != 0) {
                m_backend->SetPowerStatus(port, static_cast<uint8_t>(command.value),
                                          static_cast<uint8_t>(command.value2));
            } else {
                if (!device.model) {
                    device.model = m_backend->AddDevice(kind);
                }
                device.model->Status()[0] = static_cast<uint8_t>(command.value);
                device.model->Status()[1] = static_cast<uint8_t>(command.value2);
            }
            break;
        }
    }
    platform::TraceF("模拟设备：%s%s (cable port %d, receiver port %d)",
                     sim::DescribeSimControl(command).c_str(), done ? "" : " - nothing to do",
                     device.ports[0], device.ports[1]);
    return done;
}

uint16_t SimulatedDevices::KindOfPath(const std::string& path) const {
    sim::SimKind kind;
    sim::SimPath via;
    if (!m_backend || !m_backend->Describe(path, kind, via)) {
        return 0;
    }
    return KindCode(kind, via);
}

uint16_t SimulatedKindOfPath(const std::string& path) {
    const SimulatedDevices* active = g_active.load();
    return active != nullptr ? active->KindOfPath(path) : 0;
}

}  // namespace app
