#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "device/DeviceLink.h"
#include "device/DeviceTables.h"
#include "device/HidInterface.h"
#include "firmware/SimBackend.h"

namespace {

using device::HidInterface;
using sim::SimKind;
using sim::SimPath;

class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_backend = std::make_shared<sim::SimBackend>();
        platform::InstallHidBackend(m_backend);
    }
    void TearDown() override { platform::InstallHidBackend(nullptr); }
    std::shared_ptr<sim::SimBackend> m_backend;
};

// True when an enumerated collection has exactly the identity of the row.
bool Fits(const platform::HidDeviceEntry& entry, const device::DeviceIdentity& row) {
    return entry.vendorId == row.vendorId && entry.productId == row.productId &&
           HidInterface::ParseVid(entry.path) == row.vendorId &&
           HidInterface::ParsePid(entry.path) == row.productId &&
           HidInterface::ParseInterfaceNumber(entry.path) == row.interfaceNumber &&
           HidInterface::ParseCollection(entry.path) == row.collection &&
           entry.usagePage == row.usagePage && entry.usage == row.usage;
}

TEST_F(SimulatorTest, EveryPathShowsTheCollectionsOfItsTableRows) {
    struct Case {
        const char* name;
        SimKind kind;
        SimPath path;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {"keyboard cable", SimKind::kKeyboard, SimPath::kCable, {0, 1}},
        {"keyboard receiver", SimKind::kKeyboard, SimPath::kReceiver, {2, 3}},
        {"mouse cable", SimKind::kMouse, SimPath::kCable, {4, 5}},
        {"mouse receiver", SimKind::kMouse, SimPath::kReceiver, {6, 7}},
        {"mouse pad", SimKind::kMousePad, SimPath::kCable, {8, 9}},
        {"headset", SimKind::kHeadset, SimPath::kCable, {10}},
    };
    const auto& table = device::SupportedInterfaceTable();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int port = m_backend->Plug(m_backend->AddDevice(c.kind), c.path);
        HidInterface hid;
        ASSERT_TRUE(hid.Enumerate());
        for (int row : c.rows) {
            SCOPED_TRACE(row);
            const auto fits = std::count_if(
                hid.Entries().begin(), hid.Entries().end(),
                [&](const platform::HidDeviceEntry& entry) { return Fits(entry, table[row]); });
            EXPECT_EQ(fits, 1);
            // Opening it yields the same identity from the descriptor.
            HidInterface opened;
            std::string path;
            for (const auto& entry : hid.Entries()) {
                if (Fits(entry, table[row])) {
                    path = entry.path;
                }
            }
            ASSERT_TRUE(opened.Open(path, true, true, true, false));
            EXPECT_EQ(opened.UsagePage(), table[row].usagePage);
            EXPECT_EQ(opened.Usage(), table[row].usage);
            EXPECT_EQ(opened.Attributes().productId, table[row].productId);
        }
        m_backend->Unplug(port);
    }
}

TEST_F(SimulatorTest, KeyboardTablesFollowTheKeyPositions) {
    auto keyboard = m_backend->AddDevice(SimKind::kKeyboard);
    const std::vector<uint8_t>& keys = keyboard->DefaultKeyTable();
    ASSERT_EQ(keys.size(), 122u * 3) << "positions 0-125 without the four empty ones";
    EXPECT_EQ(keyboard->KeyCount(), 122);
    auto at = [&](int k) {
        return std::vector<uint8_t>(keys.begin() + k * 3, keys.begin() + k * 3 + 3);
    };
    EXPECT_EQ(at(0), std::vector<uint8_t>({0x20, 0x00, 0x29})) << "Esc";
    EXPECT_EQ(at(16), std::vector<uint8_t>({0xA0, 0x1B, 0x00}));
    EXPECT_EQ(at(18), std::vector<uint8_t>({0x20, 0x00, 0x35})) << "grave accent after the gap";
    std::set<std::vector<uint8_t>> distinct;
    for (int k = 0; k < 122; ++k) {
        distinct.insert(at(k));
    }
    EXPECT_EQ(distinct.size(), 122u) << "every device key identifies one physical key";
    EXPECT_TRUE(distinct.count({0xA0, 0x01, 0x00})) << "Fn";
    EXPECT_TRUE(distinct.count({0x20, 0x80, 0x00})) << "right GUI";
    EXPECT_TRUE(distinct.count({0xD0, 0xA2, 0x05}));

    std::vector<uint8_t> leds = keyboard->LedTable();
    std::sort(leds.begin(), leds.end());
    for (int k = 0; k < 122; ++k) {
        EXPECT_EQ(leds[k], k) << "the LED table is a permutation of the LEDs";
    }
    EXPECT_EQ(keyboard->Info()[6] * 128u, keyboard->Macros().size());
}

TEST_F(SimulatorTest, MouseHoldsItsButtonsAndSensorData) {
    auto mouse = m_backend->AddDevice(SimKind::kMouse);
    const std::vector<uint8_t> expected = {0x10, 0x01, 0x00, 0x10, 0x02, 0x00, 0x10, 0x04, 0x00,
                                           0x10, 0x10, 0x00, 0x10, 0x08, 0x00, 0x13, 0x01, 0x00,
                                           0x13, 0x02, 0x00, 0x13, 0x03, 0x00, 0xA0, 0x1B, 0x00,
                                           0x16, 0x90, 0x01, 0x14, 0x78, 0x02};
    EXPECT_EQ(mouse->DefaultKeyTable(), expected);
    const auto& info = mouse->Info();
    EXPECT_EQ(info[5], 11);
    EXPECT_EQ(info[9] | info[10] << 8, 13093);
    EXPECT_GT(info[11], 0);
    EXPECT_GT(info[12] | info[13] << 8, 0);
    // Slot 1's block at offset 128 holds five enabled DPI stages.
    const auto& params = mouse->Params();
    for (int stage = 0; stage < 5; ++stage) {
        EXPECT_EQ(params[128 + 14 + stage * 9], 1);
    }
}

TEST_F(SimulatorTest, OutOfRangeAndBadChecksumRequestsAreRejected) {
    auto pad = m_backend->AddDevice(SimKind::kMousePad);
    auto request = [](uint8_t command, uint8_t length, uint16_t offset) {
        std::vector<uint8_t> packet(64, 0);
        packet[0] = 0x04;
        packet[3] = command;
        packet[4] = length;
        packet[5] = offset & 0xFF;
        packet[6] = offset >> 8;
        unsigned sum = 0;
        for (int i = 3; i < 64; ++i) {
            sum += packet[i];
        }
        packet[1] = sum & 0xFF;
        packet[2] = (sum >> 8) & 0xFF;
        return packet;
    };
    struct Case {
        const char* name;
        std::vector<uint8_t> packet;
        uint8_t status;
    };
    std::vector<uint8_t> corrupt = request(0x05, 6, 0);
    corrupt[1] ^= 1;
    const Case cases[] = {
        {"status block", request(0x1A, 6, 0), 0x00},
        {"past the status block", request(0x1A, 6, 1), 0xFF},
        {"past the parameter memory", request(0x05, 8, 1020), 0xFF},
        {"bad checksum", corrupt, 0xFF},
        {"unknown command", request(0x7E, 0, 0), 0xFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto replies = pad->Handle(c.packet.data(), c.packet.size());
        ASSERT_EQ(replies.size(), 1u);
        EXPECT_EQ(replies[0][3], c.packet[3]);
        EXPECT_EQ(replies[0][7], c.status);
    }
    EXPECT_EQ(pad->ChecksumErrors(), 1);
}

TEST_F(SimulatorTest, UnpluggedDeviceDisappearsAndItsHandlesFail) {
    const int port = m_backend->Plug(m_backend->AddDevice(SimKind::kKeyboard), SimPath::kCable);
    const std::string path = m_backend->PathOf(port, 0xFF1C, 0x92);
    HidInterface hid;
    ASSERT_TRUE(hid.Open(path, true, true, true, false));
    EXPECT_TRUE(HidInterface::PathPresent(path));
    m_backend->Unplug(port);
    EXPECT_FALSE(HidInterface::PathPresent(path));
    uint8_t packet[64] = {0x04};
    uint32_t n = 0;
    EXPECT_FALSE(hid.WriteReport(packet, 64, n, 1000));
    EXPECT_FALSE(hid.ReadReport(packet, 64, n, -1)) << "no wait on a device that is gone";
    HidInterface again;
    EXPECT_FALSE(again.Open(path, true, true, true, false));
    ASSERT_TRUE(again.Enumerate());
    EXPECT_TRUE(again.Entries().empty());
}

TEST_F(SimulatorTest, SlotKeyOnTheDeviceNotifiesAndChangesTheActiveSlot) {
    const int port = m_backend->Plug(m_backend->AddDevice(SimKind::kKeyboard), SimPath::kCable);
    HidInterface events;
    ASSERT_TRUE(events.Open(m_backend->PathOf(port, 0x000C, 0x01), true, true, true, false));
    device::DeviceLink link;
    ASSERT_TRUE(
        link.WiredInterface().Open(m_backend->PathOf(port, 0xFF1C, 0x92), true, true, true, false));
    link.SetOpen(true);
    link.SetMode(device::LINK_MODE_WIRED);

    m_backend->PressSlotKey(port, 2);
    uint8_t report[64] = {};
    uint32_t n = 0;
    ASSERT_TRUE(events.ReadReport(report, sizeof report, n, 1000));
    ASSERT_TRUE(events.UnpackInputReport(report, n));
    EXPECT_EQ(events.Tables().Of(device::HidReportType::kInput).items[0].Usages[0], 0x1002);
    uint8_t slot = 0xFF;
    ASSERT_EQ(link.ReadParam(&slot, 1, 0), device::kResultSuccess);
    EXPECT_EQ(slot, 2);
}

}  // namespace
