// Remote control of the simulated devices of a running program: the commands
// zentor-sim sends over the message bus ("plug mouse receiver", "power mouse
// 40 1", ...) and their encoding in one registered message.
#pragma once

#include <string>
#include <vector>

#include "firmware/FirmwareModel.h"
#include "platform/BusFrame.h"

namespace sim {

// The registered message that carries a command.
constexpr char kSimControlMessage[] = "ZENTOR_SIM_CONTROL";

enum class SimControlOp : int {
    kPlug = 1,       // plug the device in on a path
    kUnplug = 2,     // unplug it from one path or from every path
    kUse = 3,        // keyboard and mouse: leave the other path, plug this one
    kReachable = 4,  // keyboard and mouse: whether the receiver reaches the device
    kNotify = 5,     // a notification code on the device's consumer collection
    kPower = 6,      // battery level and power state of the status block
};

enum class SimControlPath : int { kCable = 0, kReceiver = 1, kAll = 2 };

struct SimControlCommand {
    SimControlOp op = SimControlOp::kPlug;
    SimKind kind = SimKind::kKeyboard;
    SimControlPath path = SimControlPath::kCable;
    int value = 0;   // reachable flag, notification code or battery level
    int value2 = 0;  // power state
};

// Parses the words of a command line ("plug", "keyboard", "receiver"); on
// failure error says what is wrong.
bool ParseSimControl(const std::vector<std::string>& words, SimControlCommand& command,
                     std::string& error);

// wParam = operation; lParam = kind | path << 4 | value << 8 | value2 << 24.
platform::BusMessage EncodeSimControl(const SimControlCommand& command);
// False for another message or an encoding that names nothing valid.
bool DecodeSimControl(const platform::BusMessage& message, SimControlCommand& command);

// "plug keyboard receiver", for traces and messages.
std::string DescribeSimControl(const SimControlCommand& command);

// The usage text of the command line.
const char* SimControlUsage();

}  // namespace sim
