// What found and lost entries mean for the main window, and the link moves
// that follow: checked on device lists and on simulated devices.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "DiscoveryFixture.h"
#include "app/DeviceRouting.h"
#include "platform/Trace.h"
#include "support/Watchdog.h"

namespace {

using namespace std::chrono_literals;
using app::FoundAction;
using app::LostAction;
using sim::SimKind;
using sim::SimPath;
using testing_support::Watchdog;

app::DeviceList ListWith(std::initializer_list<std::size_t> present) {
    app::DeviceList list;
    const auto& table = device::SupportedInterfaceTable();
    std::copy(table.begin(), table.end(), list.begin());
    for (std::size_t i : present) {
        list[i].present = 1;
        list[i].path = "hid#path" + std::to_string(i);
    }
    return list;
}

TEST(DeviceRouting, FoundAndLostEntriesMeanWhatTheirPartnerAllows) {
    struct Case {
        const char* name;
        std::initializer_list<std::size_t> present;
        std::size_t index;
        FoundAction found;
        LostAction lost;
    };
    const Case cases[] = {
        {"keyboard cable alone", {0}, 0, FoundAction::kAddCommand, LostAction::kHide},
        {"keyboard cable beside its receiver",
         {0, 2},
         0,
         FoundAction::kSwitchToCable,
         LostAction::kSwitchToReceiver},
        {"keyboard receiver beside its cable",
         {0, 2},
         2,
         FoundAction::kNothing,
         LostAction::kNothing},
        {"keyboard receiver alone", {2}, 2, FoundAction::kAddCommand, LostAction::kHide},
        {"mouse cable beside its receiver",
         {4, 6},
         4,
         FoundAction::kSwitchToCable,
         LostAction::kSwitchToReceiver},
        {"mouse receiver beside its cable", {4, 6}, 6, FoundAction::kNothing, LostAction::kNothing},
        {"event interface", {1, 3}, 3, FoundAction::kAddEvent, LostAction::kCloseEvent},
        {"mouse pad has no partner", {8}, 8, FoundAction::kAddCommand, LostAction::kHide},
        {"headset", {10}, 10, FoundAction::kAddCommand, LostAction::kHide},
        {"index outside the list", {0}, 11, FoundAction::kIgnore, LostAction::kIgnore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const app::DeviceList list = ListWith(c.present);
        EXPECT_EQ(app::DecideFound(list, c.index), c.found);
        EXPECT_EQ(app::DecideLost(list, c.index), c.lost);
    }
}

TEST(DeviceRouting, APartnerWithoutPathOrPointingElsewhereDoesNotServeTheDevice) {
    app::DeviceList list = ListWith({0, 2});
    list[2].path.clear();
    EXPECT_FALSE(app::ServedThroughOtherPath(list, 0));
    list = ListWith({0, 2});
    list[2].partnerIndex = 4;
    EXPECT_FALSE(app::ServedThroughOtherPath(list, 0));
    list = ListWith({0, 2});
    EXPECT_TRUE(app::ServedThroughOtherPath(list, 0));
}

TEST(DeviceRouting, EveryEntryLeadsToItsCommandRowAndCableSidePage) {
    const app::DeviceList list = ListWith({});
    struct Case {
        std::size_t index;
        int commandRow;
        int cableSide;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, 0}, {2, 2, 0}, {3, 2, 0}, {4, 4, 4},    {5, 4, 4},
                          {6, 6, 4}, {7, 6, 4}, {8, 8, 8}, {9, 8, 8}, {10, 10, 10}, {11, -1, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(app::CommandRowOf(list, c.index), c.commandRow);
        EXPECT_EQ(app::CableSideIdentityOf(list, c.index), c.cableSide);
    }
    EXPECT_EQ(app::PageIdentityOf(list, 6), 4);
    EXPECT_EQ(app::PageIdentityOf(list, 8), 8);
}

TEST(DeviceRouting, OnlyTheTablesInterfacesCountAsSupported) {
    EXPECT_TRUE(app::IsSupportedUsbInterface(0x320F, 0x5055, 1));
    EXPECT_TRUE(app::IsSupportedUsbInterface(0x0C76, 0x0000, 3));
    EXPECT_FALSE(app::IsSupportedUsbInterface(0x320F, 0x5055, 0));
    EXPECT_FALSE(app::IsSupportedUsbInterface(0x0C76, 0x1234, 3));
    EXPECT_FALSE(app::IsSupportedUsbInterface(0x320F, 0x5055, -1));
}

class LinkMoves : public discovery_test::SimulatorTest {
protected:
    // Entries 0 (cable) and 2 (receiver) of a keyboard plugged in both ways.
    void PlugKeyboardBothWays() {
        m_keyboard = m_sim->AddDevice(SimKind::kKeyboard);
        m_cable = m_sim->Plug(m_keyboard, SimPath::kCable);
        m_receiver = m_sim->Plug(m_keyboard, SimPath::kReceiver);
        m_list = ListWith({});
        Present(0, m_cable);
        Present(2, m_receiver);
    }
    void Present(std::size_t index, int port) {
        m_list[index].present = 1;
        m_list[index].path = m_sim->PathOf(port, 0xFF1C, 0x92);
    }
    static int ReadInfo(device::DeviceLink& link) {
        uint8_t info[34] = {};
        return link.ReadInfo(info);
    }

    std::shared_ptr<sim::FirmwareModel> m_keyboard;
    int m_cable = 0;
    int m_receiver = 0;
    app::DeviceList m_list;
};

TEST_F(LinkMoves, ReceiverFirstThenCableThenBackToTheReceiver) {
    Watchdog watchdog(30s, "link moves");
    PlugKeyboardBothWays();
    device::DeviceLink link;
    ASSERT_TRUE(app::OpenCommandSlot(link, m_list, 2));
    EXPECT_TRUE(link.IsOpen());
    EXPECT_TRUE(link.IsWireless());
    EXPECT_EQ(link.WirelessInterface().Path(), m_list[2].path);
    EXPECT_EQ(ReadInfo(link), device::kResultSuccess);
    EXPECT_FALSE(app::OpenCommandSlot(link, m_list, 0)) << "an open link is left alone";

    EXPECT_EQ(app::SwitchLinkPath(link, m_list, 0), app::SwitchResult::kNowCable);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_FALSE(link.IsWireless());
    EXPECT_EQ(link.ChunkSize(), device::DeviceLink::kMaxChunk);
    EXPECT_EQ(link.WiredInterface().Path(), m_list[0].path);
    EXPECT_EQ(ReadInfo(link), device::kResultSuccess);

    m_sim->Unplug(m_cable);
    EXPECT_EQ(app::SwitchLinkPath(link, m_list, 0), app::SwitchResult::kNowReceiver);
    EXPECT_TRUE(link.IsWireless());
    EXPECT_EQ(link.ChunkSize(), 24);
    EXPECT_EQ(ReadInfo(link), device::kResultSuccess);

    // The receiver is gone too: the move fails and leaves the link closed.
    m_sim->Unplug(m_receiver);
    EXPECT_EQ(app::SwitchLinkPath(link, m_list, 0), app::SwitchResult::kFailed);
    EXPECT_FALSE(link.IsOpen());
}

// The main window's part in a few lines: each find or loss is decided and the
// keyboard's link moved while the worker waits, as with 3090 and 3091.
TEST_F(LinkMoves, TheWorkersNewsMoveTheKeyboardFromReceiverToCableAndBack) {
    Watchdog watchdog(30s, "receiver, cable, receiver");
    m_keyboard = m_sim->AddDevice(SimKind::kKeyboard);
    m_receiver = m_sim->Plug(m_keyboard, SimPath::kReceiver);
    discovery_test::RecordingSink sink;
    app::DeviceDiscovery discovery(sink);
    auto simulator = m_sim;
    discovery.SetKindHint([simulator](const std::string& path) -> uint16_t {
        SimKind kind;
        SimPath via;
        return simulator->Describe(path, kind, via) ? (via == SimPath::kReceiver ? 9 : 1) : 0;
    });
    device::DeviceLink link;
    std::vector<std::string> steps;
    sink.onNews = [&](const discovery_test::News& news) {
        const app::DeviceList& list = discovery.Devices();
        if (news.kind == discovery_test::News::kFound) {
            switch (app::DecideFound(list, news.index)) {
                case FoundAction::kAddCommand:
                    steps.push_back(app::OpenCommandSlot(link, list, news.index) ? "open"
                                                                                 : "!open");
                    break;
                case FoundAction::kSwitchToCable:
                    steps.push_back(app::SwitchLinkPath(link, list, news.index) ==
                                            app::SwitchResult::kNowCable
                                        ? "cable"
                                        : "!cable");
                    break;
                default:
                    break;
            }
        } else if (news.kind == discovery_test::News::kLost) {
            switch (app::DecideLost(list, news.index)) {
                case LostAction::kSwitchToReceiver:
                    steps.push_back(app::SwitchLinkPath(link, list, news.index) ==
                                            app::SwitchResult::kNowReceiver
                                        ? "receiver"
                                        : "!receiver");
                    break;
                case LostAction::kHide:
                    app::CloseLink(link);
                    steps.push_back("hide");
                    break;
                default:
                    break;
            }
        }
    };
    ASSERT_TRUE(discovery.Pass());
    EXPECT_TRUE(link.IsWireless());
    EXPECT_EQ(ReadInfo(link), device::kResultSuccess);

    m_cable = m_sim->Plug(m_keyboard, SimPath::kCable);
    ASSERT_TRUE(discovery.Pass());
    EXPECT_FALSE(link.IsWireless());
    EXPECT_EQ(ReadInfo(link), device::kResultSuccess);

    m_sim->Unplug(m_cable);
    ASSERT_TRUE(discovery.Pass());
    EXPECT_TRUE(link.IsWireless());
    EXPECT_EQ(ReadInfo(link), device::kResultSuccess);

    m_sim->Unplug(m_receiver);
    ASSERT_TRUE(discovery.Pass());
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(steps, (std::vector<std::string>{"open", "cable", "receiver", "hide"}));
}

TEST_F(LinkMoves, CableOnlyKindsKeepTheWiredSlotAndTheirMode) {
    const int port = Plug(SimKind::kMousePad, SimPath::kCable);
    m_list = ListWith({});
    Present(8, port);
    device::DeviceLink link;
    ASSERT_TRUE(app::OpenCommandSlot(link, m_list, 8));
    EXPECT_FALSE(link.IsWireless());
    EXPECT_EQ(link.ChunkSize(), 24) << "the pad's link keeps its chunk size";
    EXPECT_EQ(ReadInfo(link), device::kResultSuccess);
    app::CloseLink(link);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.WiredInterface().IsOpen());
    EXPECT_EQ(ReadInfo(link), device::kResultFailed);
}

TEST_F(LinkMoves, TheReceiverIsAskedUntilItConfirmsAtMost26Times) {
    struct Case {
        const char* name;
        int reachableAfterPauses;  // -1: never
        bool confirmed;
        int pauses;
        int failureTraces;
    };
    const Case cases[] = {
        {"reaches its device", 0, true, 0, 0},
        {"confirms on the fourth try", 3, true, 3, 3},
        {"never confirms", -1, false, 26, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Watchdog watchdog(30s, c.name);
        const int port = Plug(SimKind::kMouse, SimPath::kReceiver);
        m_sim->SetReachable(port, c.reachableAfterPauses == 0);
        m_list = ListWith({});
        Present(6, port);
        device::DeviceLink link;
        ASSERT_TRUE(app::OpenCommandSlot(link, m_list, 6));

        platform::ScopedTraceCapture trace;
        int pauses = 0;
        const bool confirmed = app::QueryWirelessUntilConfirmed(link, [&](int ms) {
            EXPECT_EQ(ms, 50);
            if (++pauses == c.reachableAfterPauses) {
                m_sim->SetReachable(port, true);
            }
        });
        EXPECT_EQ(confirmed, c.confirmed);
        EXPECT_EQ(pauses, c.pauses);
        const auto lines = trace.Lines();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "获取2.4G模式失败"), c.failureTraces);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "获取2");
        m_sim->Unplug(port);
    }
}

TEST_F(LinkMoves, ADeviceUnpluggedDuringATransferEndsItAndHidesWithoutHanging) {
    struct Case {
        const char* name;
        bool byWrites;  // unplugged after a few reports rather than by the clock
    };
    for (const Case& c : {Case{"unplugged after three reports", true},
                          Case{"unplugged while the device is slow", false}}) {
        SCOPED_TRACE(c.name);
        Watchdog watchdog(30s, c.name);
        auto keyboard = m_sim->AddDevice(SimKind::kKeyboard);
        keyboard->Faults().latencyMs = c.byWrites ? 0 : 30;
        const int port = m_sim->Plug(keyboard, SimPath::kCable);
        discovery_test::RecordingSink sink;
        app::DeviceDiscovery discovery(sink);
        ASSERT_TRUE(discovery.Pass());
        ASSERT_EQ(discovery.Devices()[0].present, 1);
        device::DeviceLink link;
        ASSERT_TRUE(app::OpenCommandSlot(link, discovery.Devices(), 0));

        if (c.byWrites) {
            m_sim->UnplugAfterWrites(port, 3);
        }
        std::atomic<int> result{device::kResultSuccess};
        std::thread writer([&] {
            std::vector<uint8_t> block(512, 0x5A);
            result = link.WriteParam(block.data(), static_cast<uint32_t>(block.size()), 0);
        });
        if (!c.byWrites) {
            std::this_thread::sleep_for(100ms);
            m_sim->Unplug(port);
        }
        writer.join();
        EXPECT_NE(result.load(), device::kResultSuccess);

        ASSERT_TRUE(discovery.Pass());
        std::vector<std::size_t> lost = sink.Indexes(discovery_test::News::kLost);
        std::sort(lost.begin(), lost.end());
        EXPECT_EQ(lost, (std::vector<std::size_t>{0, 1}));
        EXPECT_EQ(app::DecideLost(discovery.Devices(), 0), LostAction::kHide);
        app::CloseLink(link);
        EXPECT_FALSE(link.IsOpen());
        EXPECT_EQ(ReadInfo(link), device::kResultFailed);
    }
}

}  // namespace
