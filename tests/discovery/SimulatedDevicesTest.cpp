// The simulator's remote control: the command line of zentor-sim, its bus
// encoding, and how the program applies it to the simulated devices.
#include <gtest/gtest.h>

#include "app/SimulatedDevices.h"
#include "device/DeviceLink.h"
#include "device/HidInterface.h"
#include "firmware/SimControl.h"
#include "platform/RegisteredMessage.h"

namespace {

using sim::SimControlCommand;
using sim::SimControlOp;
using sim::SimControlPath;
using sim::SimKind;
using sim::SimPath;

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line + " ") {
        if (c == ' ') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

TEST(SimControl, CommandLinesParseAndTravelOverTheBusUnchanged) {
    struct Case {
        const char* line;
        SimControlOp op;
        SimKind kind;
        SimControlPath path;
        int value;
        int value2;
    };
    const Case cases[] = {
        {"plug keyboard", SimControlOp::kPlug, SimKind::kKeyboard, SimControlPath::kCable, 0, 0},
        {"plug mouse receiver", SimControlOp::kPlug, SimKind::kMouse, SimControlPath::kReceiver, 0,
         0},
        {"unplug pad", SimControlOp::kUnplug, SimKind::kMousePad, SimControlPath::kAll, 0, 0},
        {"unplug keyboard cable", SimControlOp::kUnplug, SimKind::kKeyboard, SimControlPath::kCable,
         0, 0},
        {"use mouse receiver", SimControlOp::kUse, SimKind::kMouse, SimControlPath::kReceiver, 0,
         0},
        {"reachable keyboard off", SimControlOp::kReachable, SimKind::kKeyboard,
         SimControlPath::kReceiver, 0, 0},
        {"notify headset 0x0401", SimControlOp::kNotify, SimKind::kHeadset, SimControlPath::kCable,
         0x0401, 0},
        {"power mouse 85 1", SimControlOp::kPower, SimKind::kMouse, SimControlPath::kCable, 85, 1},
        {"power pad 100", SimControlOp::kPower, SimKind::kMousePad, SimControlPath::kCable, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SimControlCommand parsed;
        std::string error;
        ASSERT_TRUE(sim::ParseSimControl(Words(c.line), parsed, error)) << error;
        SimControlCommand decoded;
        ASSERT_TRUE(sim::DecodeSimControl(sim::EncodeSimControl(parsed), decoded));
        for (const SimControlCommand& command : {parsed, decoded}) {
            EXPECT_EQ(command.op, c.op);
            EXPECT_EQ(command.kind, c.kind);
            EXPECT_EQ(command.path, c.path);
            EXPECT_EQ(command.value, c.value);
            EXPECT_EQ(command.value2, c.value2);
        }
    }
}

TEST(SimControl, WrongCommandLinesAndMessagesAreRefused) {
    for (const char* line :
         {"", "plug", "plug toaster", "jump keyboard", "plug pad receiver", "use headset cable",
          "use keyboard", "reachable pad on", "reachable mouse maybe", "notify mouse 0x10000",
          "notify mouse", "power mouse 101", "power mouse 50 256", "power mouse x",
          "plug keyboard cable extra"}) {
        SCOPED_TRACE(line);
        SimControlCommand command;
        std::string error;
        EXPECT_FALSE(sim::ParseSimControl(Words(line), command, error));
        EXPECT_FALSE(error.empty());
    }
    platform::BusMessage message;
    SimControlCommand command;
    message.name = "Game_Start";
    EXPECT_FALSE(sim::DecodeSimControl(message, command));
    message.name = sim::kSimControlMessage;
    for (auto [wParam, lParam] : std::initializer_list<std::pair<int64_t, int64_t>>{
             {0, 0}, {7, 0}, {1, 4}, {1, 0x30}, {1, -1}, {1, 0x12 /* pad on a receiver */}}) {
        message.wParam = wParam;
        message.lParam = lParam;
        EXPECT_FALSE(sim::DecodeSimControl(message, command)) << wParam << " " << lParam;
    }
}

class SimulatedDevicesTest : public ::testing::Test {
protected:
    void TearDown() override { platform::InstallHidBackend(nullptr); }

    static SimControlCommand Command(const std::string& line) {
        SimControlCommand command;
        std::string error;
        EXPECT_TRUE(sim::ParseSimControl(Words(line), command, error)) << line << ": " << error;
        return command;
    }
    static std::size_t Collections() {
        device::HidInterface hid;
        EXPECT_TRUE(hid.Enumerate());
        return hid.Entries().size();
    }
};

TEST_F(SimulatedDevicesTest, TheCommandLineOptionNamesTheDevicesToPlug) {
    struct Case {
        std::vector<const char*> argv;
        bool given;
        std::string kinds;
    };
    const Case cases[] = {
        {{"zentor-keyboard"}, false, ""},
        {{"zentor-keyboard", "--simulate", "keyboard,mouse"}, true, "keyboard,mouse"},
        {{"zentor-keyboard", "--simulate=pad"}, true, "pad"},
        {{"zentor-keyboard", "--simulate"}, true, ""},
    };
    for (const Case& c : cases) {
        std::string kinds;
        std::vector<char*> argv;
        for (const char* arg : c.argv) {
            argv.push_back(const_cast<char*>(arg));
        }
        EXPECT_EQ(app::SimulatedDevices::SimulateOption(static_cast<int>(argv.size()), argv.data(),
                                                        kinds),
                  c.given);
        EXPECT_EQ(kinds, c.kinds);
    }
    for (const char* bad : {"", "keyboard,toaster", "pad:receiver", "keyboard,,mouse"}) {
        app::SimulatedDevices devices;
        EXPECT_FALSE(devices.Install(bad)) << bad;
        EXPECT_FALSE(devices.Active());
        EXPECT_EQ(app::SimulatedKindOfPath("anything"), 0);
    }
}

TEST_F(SimulatedDevicesTest, InstalledDevicesAreTheOnesTheHidLayerSees) {
    app::SimulatedDevices devices;
    ASSERT_TRUE(devices.Install("keyboard,mouse:receiver"));
    EXPECT_NE(platform::FindRegisteredMessage(sim::kSimControlMessage), 0u);
    device::HidInterface hid;
    ASSERT_TRUE(hid.Enumerate());
    const int keyboard = devices.PortOf(SimKind::kKeyboard, SimPath::kCable);
    const int mouse = devices.PortOf(SimKind::kMouse, SimPath::kReceiver);
    ASSERT_NE(keyboard, 0);
    ASSERT_NE(mouse, 0);
    EXPECT_EQ(devices.PortOf(SimKind::kMouse, SimPath::kCable), 0);
    EXPECT_EQ(app::SimulatedKindOfPath(devices.Backend()->PathOf(keyboard, 0xFF1C, 0x92)), 1);
    EXPECT_EQ(app::SimulatedKindOfPath(devices.Backend()->PathOf(mouse, 0x000C, 0x01)), 6);
    EXPECT_EQ(app::SimulatedKindOfPath("hid#vid_320f&pid_5055#/dev/hidraw0"), 0);
}

TEST_F(SimulatedDevicesTest, ControlCommandsPlugMoveAndChangeTheDevices) {
    app::SimulatedDevices devices;
    ASSERT_TRUE(devices.Install("keyboard"));
    const std::size_t keyboardOnly = Collections();

    EXPECT_TRUE(devices.Apply(Command("plug keyboard receiver")));
    const int receiver = devices.PortOf(SimKind::kKeyboard, SimPath::kReceiver);
    ASSERT_NE(receiver, 0);
    EXPECT_EQ(devices.Backend()->DeviceAt(receiver),
              devices.Backend()->DeviceAt(devices.PortOf(SimKind::kKeyboard, SimPath::kCable)))
        << "one keyboard on both paths";
    EXPECT_TRUE(devices.Apply(Command("plug keyboard receiver"))) << "plugging twice is harmless";
    EXPECT_EQ(devices.PortOf(SimKind::kKeyboard, SimPath::kReceiver), receiver);

    EXPECT_TRUE(devices.Apply(Command("use keyboard receiver")));
    EXPECT_EQ(devices.PortOf(SimKind::kKeyboard, SimPath::kCable), 0);
    EXPECT_TRUE(devices.Apply(Command("use keyboard cable")));
    EXPECT_EQ(devices.PortOf(SimKind::kKeyboard, SimPath::kReceiver), 0);
    EXPECT_EQ(Collections(), keyboardOnly);

    // The receiver keeps what it was told while the device is away.
    EXPECT_TRUE(devices.Apply(Command("reachable keyboard off")));
    EXPECT_TRUE(devices.Apply(Command("plug keyboard receiver")));
    device::DeviceLink link;
    const int port = devices.PortOf(SimKind::kKeyboard, SimPath::kReceiver);
    ASSERT_TRUE(link.WirelessInterface().Open(devices.Backend()->PathOf(port, 0xFF1C, 0x92), true,
                                              true, true, false));
    link.SetOpen(true);
    link.SetMode(device::LINK_MODE_24G);
    EXPECT_FALSE(link.QueryWireless());
    EXPECT_TRUE(devices.Apply(Command("reachable keyboard on")));
    EXPECT_TRUE(link.QueryWireless());

    EXPECT_TRUE(devices.Apply(Command("power keyboard 42 1")));
    EXPECT_EQ(devices.DeviceOf(SimKind::kKeyboard)->Status()[0], 42);
    EXPECT_EQ(devices.DeviceOf(SimKind::kKeyboard)->Status()[1], 1);

    EXPECT_TRUE(devices.Apply(Command("unplug keyboard")));
    EXPECT_EQ(Collections(), 0u);
    EXPECT_FALSE(devices.Apply(Command("unplug keyboard"))) << "nothing left to unplug";
    EXPECT_FALSE(devices.Apply(Command("notify keyboard 0x0401"))) << "nobody to send it";
}

TEST_F(SimulatedDevicesTest, ANotificationReachesTheDevicesConsumerCollection) {
    app::SimulatedDevices devices;
    ASSERT_TRUE(devices.Install("headset"));
    const int port = devices.PortOf(SimKind::kHeadset, SimPath::kCable);
    device::HidInterface events;
    ASSERT_TRUE(
        events.Open(devices.Backend()->PathOf(port, 0x000C, 0x01), true, false, true, false));
    ASSERT_TRUE(devices.HandleBusMessage(sim::EncodeSimControl(Command("notify headset 0x0402"))));
    uint8_t report[64] = {};
    uint32_t n = 0;
    ASSERT_TRUE(events.ReadReport(report, sizeof report, n, 2000));
    EXPECT_EQ(report[1] | report[2] << 8, 0x0402);

    platform::BusMessage other;
    other.name = "Game_Start";
    EXPECT_FALSE(devices.HandleBusMessage(other)) << "other messages go to the main window";
}

}  // namespace
