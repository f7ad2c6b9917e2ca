#include "firmware/SimControl.h"

#include <cerrno>
#include <cstdlib>

namespace sim {
namespace {

struct OpName {
    const char* word;
    SimControlOp op;
};

constexpr OpName kOps[] = {
    {"plug", SimControlOp::kPlug},     {"unplug", SimControlOp::kUnplug},
    {"use", SimControlOp::kUse},       {"reachable", SimControlOp::kReachable},
    {"notify", SimControlOp::kNotify}, {"power", SimControlOp::kPower},
};

const char* OpWord(SimControlOp op) {
    for (const OpName& entry : kOps) {
        if (entry.op == op) {
            return entry.word;
        }
    }
    return "";
}

const char* PathWord(SimControlPath path) {
    switch (path) {
        case SimControlPath::kCable:
            return "cable";
        case SimControlPath::kReceiver:
            return "receiver";
        case SimControlPath::kAll:
            return "all";
    }
    return "";
}

bool HasReceiver(SimKind kind) {
    return kind == SimKind::kKeyboard || kind == SimKind::kMouse;
}

bool ParseNumber(const std::string& text, long low, long high, int& value) {
    if (text.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

bool ParsePath(const std::string& word, bool allowAll, SimControlPath& path) {
    if (word == "cable") {
        path = SimControlPath::kCable;
    } else if (word == "receiver") {
        path = SimControlPath::kReceiver;
    } else if (allowAll && word == "all") {
        path = SimControlPath::kAll;
    } else {
        return false;
    }
    return true;
}

// Checks the arguments every operation shares; false with the reason.
bool Valid(const SimControlCommand& command, std::string& error) {
    const bool receiverOnly =
        command.op == SimControlOp::kReachable ||
        (command.op != SimControlOp::kUnplug && command.path == SimControlPath::kReceiver);
    if (receiverOnly && !HasReceiver(command.kind)) {
        error = std::string("the ") + SimKindName(command.kind) + " has no receiver";
        return false;
    }
    if (command.op == SimControlOp::kUse && !HasReceiver(command.kind)) {
        error = std::string("the ") + SimKindName(command.kind) + " has only its cable";
        return false;
    }
    return true;
}

}  // namespace

bool ParseSimControl(const std::vector<std::string>& words, SimControlCommand& command,
                     std::string& error) {
    command = SimControlCommand{};
    if (words.size() < 2) {
        error = "a command and a device kind are needed";
        return false;
    }
    bool known = false;
    for (const OpName& entry : kOps) {
        if (words[0] == entry.word) {
            command.op = entry.op;
            known = true;
        }
    }
    if (!known) {
        error = "unknown command \"" + words[0] + "\"";
        return false;
    }
    if (!ParseSimKind(words[1], command.kind)) {
        error = "unknown device kind \"" + words[1] + "\" (keyboard, mouse, pad, headset)";
        return false;
    }
    const std::size_t extra = words.size() - 2;
    auto arg = [&](std::size_t i) -> const std::string& { return words[2 + i]; };
    bool ok = true;
    switch (command.op) {
        case SimControlOp::kPlug:
            ok = extra <= 1 && (extra == 0 || ParsePath(arg(0), false, command.path));
            break;
        case SimControlOp::kUnplug:
            command.path = SimControlPath::kAll;
            ok = extra <= 1 && (extra == 0 || ParsePath(arg(0), true, command.path));
            break;
        case SimControlOp::kUse:
            ok = extra == 1 && ParsePath(arg(0), false, command.path);
            break;
        case SimControlOp::kReachable:
            command.path = SimControlPath::kReceiver;
            ok = extra == 1 && (arg(0) == "on" || arg(0) == "off");
            command.value = ok && arg(0) == "on" ? 1 : 0;
            break;
        case SimControlOp::kNotify:
            ok = extra == 1 && ParseNumber(arg(0), 0, 0xFFFF, command.value);
            break;
        case SimControlOp::kPower:
            ok = (extra == 1 || extra == 2) && ParseNumber(arg(0), 0, 100, command.value) &&
                 (extra == 1 || ParseNumber(arg(1), 0, 255, command.value2));
            break;
    }
    if (!ok) {
        error = std::string("wrong arguments for \"") + OpWord(command.op) + "\"";
        return false;
    }
    return Valid(command, error);
}

platform::BusMessage EncodeSimControl(const SimControlCommand& command) {
    platform::BusMessage message;
    message.name = kSimControlMessage;
    message.wParam = static_cast<int>(command.op);
    message.lParam = static_cast<int64_t>(command.kind) | static_cast<int64_t>(command.path) << 4 |
                     static_cast<int64_t>(command.value & 0xFFFF) << 8 |
                     static_cast<int64_t>(command.value2 & 0xFF) << 24;
    return message;
}

bool DecodeSimControl(const platform::BusMessage& message, SimControlCommand& command) {
    if (message.name != kSimControlMessage || message.wParam < 1 || message.wParam > 6 ||
        message.lParam < 0 || message.lParam > 0xFFFFFFFFLL) {
        return false;
    }
    const int64_t kind = message.lParam & 0x0F;
    const int64_t path = (message.lParam >> 4) & 0x0F;
    if (kind > static_cast<int64_t>(SimKind::kHeadset) ||
        path > static_cast<int64_t>(SimControlPath::kAll)) {
        return false;
    }
    command.op = static_cast<SimControlOp>(message.wParam);
    command.kind = static_cast<SimKind>(kind);
    command.path = static_cast<SimControlPath>(path);
    command.value = static_cast<int>((message.lParam >> 8) & 0xFFFF);
    command.value2 = static_cast<int>((message.lParam >> 24) & 0xFF);
    std::string error;
    return Valid(command, error);
}

std::string DescribeSimControl(const SimControlCommand& command) {
    std::string text = std::string(OpWord(command.op)) + " " + SimKindName(command.kind);
    switch (command.op) {
        case SimControlOp::kPlug:
        case SimControlOp::kUnplug:
        case SimControlOp::kUse:
            return text + " " + PathWord(command.path);
        case SimControlOp::kReachable:
            return text + (command.value != 0 ? " on" : " off");
        case SimControlOp::kNotify:
            return text + " " + std::to_string(command.value);
        case SimControlOp::kPower:
            return text + " " + std::to_string(command.value) + " " +
                   std::to_string(command.value2);
    }
    return text;
}

const char* SimControlUsage() {
    return "usage: zentor-sim COMMAND KIND [ARGS]\n"
           "Drives the simulated devices of the running Zentor Keyboard (started with\n"
           "--simulate). KIND is keyboard, mouse, pad or headset.\n"
           "  plug KIND [cable|receiver]       plug the device in (default: cable)\n"
           "  unplug KIND [cable|receiver|all] unplug it (default: from every path)\n"
           "  use KIND cable|receiver          keyboard, mouse: move it to that path only\n"
           "  reachable KIND on|off            keyboard, mouse: the receiver reaches it or not\n"
           "  notify KIND CODE                 send a device notification (e.g. 0x0401)\n"
           "  power KIND BATTERY [STATE]       battery in percent, state 0, 1 (charging), 2\n";
}

}  // namespace sim
