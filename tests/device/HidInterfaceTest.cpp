#include "device/HidInterface.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "firmware/SimBackend.h"
#include "support/Watchdog.h"

namespace {

using device::HidInterface;
using device::HidReportItem;
using device::HidReportType;
using testing_support::Watchdog;

struct PathCase {
    const char* name;
    const char* path;
    uint16_t vid, pid, mi, col;
};

TEST(HidInterfacePathTest, ParsesEachFieldAsHexAfterItsMarker) {
    const PathCase cases[] = {
        {"full", R"(\\?\hid#vid_320f&pid_5055&mi_01&col04#7&1a2b&0&0003#{4d1e55b2})", 0x320F,
         0x5055, 1, 4},
        {"upper case", R"(\\?\HID#VID_0C76&PID_161F&MI_03#8&abc)", 0x0C76, 0x161F, 3, 0},
        {"no mi, no col", "hid#vid_046d&pid_c077#/dev/hidraw2", 0x046D, 0xC077, 0, 0},
        {"empty", "", 0, 0, 0, 0},
        {"col stops at non-hex", "vid_1&pid_2&mi_0a&col1z", 1, 2, 10, 1},
        {"only low 16 bits", "vid_12345678&pid_5055", 0x5678, 0x5055, 0, 0},
        {"marker without digits", "vid_&pid_x&mi_&col", 0, 0, 0, 0},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HidInterface::ParseVid(c.path), c.vid);
        EXPECT_EQ(HidInterface::ParsePid(c.path), c.pid);
        EXPECT_EQ(HidInterface::ParseInterfaceNumber(c.path), c.mi);
        EXPECT_EQ(HidInterface::ParseCollection(c.path), c.col);
    }
}

// A mouse-like collection: buttons 1-3 and 4-8 as two capabilities of the
// button page under report ID 2, then a relative X value.
const std::vector<uint8_t> kMouseDescriptor = {
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x02,  // Usage (Mouse)
    0xA1, 0x01,  // Collection (Application)
    0x85, 0x02,  //   Report ID (2)
    0x05, 0x09,  //   Usage Page (Button)
    0x19, 0x01,  //   Usage Minimum (1)
    0x29, 0x03,  //   Usage Maximum (3)
    0x15, 0x00,  //   Logical Minimum (0)
    0x25, 0x01,  //   Logical Maximum (1)
    0x75, 0x01,  //   Report Size (1)
    0x95, 0x03,  //   Report Count (3)
    0x81, 0x02,  //   Input (Data, Variable, Absolute)
    0x19, 0x04,  //   Usage Minimum (4)
    0x29, 0x08,  //   Usage Maximum (8)
    0x95, 0x05,  //   Report Count (5)
    0x81, 0x02,  //   Input (Data, Variable, Absolute)
    0x05, 0x01,  //   Usage Page (Generic Desktop)
    0x09, 0x30,  //   Usage (X)
    0x15, 0x81,  //   Logical Minimum (-127)
    0x25, 0x7F,  //   Logical Maximum (127)
    0x75, 0x08,  //   Report Size (8)
    0x95, 0x01,  //   Report Count (1)
    0x81, 0x06,  //   Input (Data, Variable, Relative)
    0xC0,        // End Collection
};

class HidInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_backend = std::make_shared<sim::SimBackend>();
        platform::InstallHidBackend(m_backend);
    }
    void TearDown() override { platform::InstallHidBackend(nullptr); }

    // Plugs the mouse-like interface and returns its port.
    int PlugMouse() {
        return m_backend->Plug(m_backend->AddDevice(sim::SimKind::kMouse), sim::SimPath::kCable,
                               {{0x320F, 0x0000, 0, kMouseDescriptor}});
    }

    const HidReportItem* ButtonItem(const HidInterface& hid, uint16_t usageMin) {
        for (const HidReportItem& item : hid.Tables().Of(HidReportType::kInput).items) {
            if (item.IsButton && item.UsageMin == usageMin) {
                return &item;
            }
        }
        return nullptr;
    }

    std::shared_ptr<sim::SimBackend> m_backend;
};

TEST_F(HidInterfaceTest, EnumerateListsEveryCollectionAndNextPathEnds) {
    int keyboard =
        m_backend->Plug(m_backend->AddDevice(sim::SimKind::kKeyboard), sim::SimPath::kCable);
    HidInterface hid;
    EXPECT_EQ(hid.NextPath(), nullptr) << "nothing enumerated yet";
    ASSERT_TRUE(hid.Enumerate());
    std::vector<std::string> seen;
    while (const char* path = hid.NextPath()) {
        seen.push_back(path);
    }
    EXPECT_EQ(seen, m_backend->PathsOf(keyboard));
    EXPECT_EQ(hid.NextPath(), nullptr) << "after the last entry";
    hid.FreePaths();
    EXPECT_EQ(hid.NextPath(), nullptr) << "after FreePaths";
    EXPECT_TRUE(hid.Entries().empty());
}

TEST_F(HidInterfaceTest, OpenFillsAttributesCapabilitiesAndPathNumbers) {
    int port = m_backend->Plug(m_backend->AddDevice(sim::SimKind::kKeyboard), sim::SimPath::kCable);
    HidInterface hid;
    const std::string path = m_backend->PathOf(port, 0xFF1C, 0x92);
    ASSERT_TRUE(hid.Open(path, true, true, true, false));
    EXPECT_EQ(hid.Attributes().vendorId, 0x320F);
    EXPECT_EQ(hid.Attributes().productId, 0x5055);
    EXPECT_EQ(hid.UsagePage(), 0xFF1C);
    EXPECT_EQ(hid.Usage(), 0x92);
    EXPECT_EQ(hid.Tables().caps.InputReportByteLength, 64);
    EXPECT_EQ(hid.Tables().caps.OutputReportByteLength, 64);
    EXPECT_EQ(hid.Tables().Of(HidReportType::kOutput).buffer.size(), 64u);
    EXPECT_EQ(hid.InterfaceNumber(), 1u);
    EXPECT_EQ(hid.CollectionNumber(), 4u);
}

TEST_F(HidInterfaceTest, OpenRefusesAbsentAndOverlongPaths) {
    int port = PlugMouse();
    const std::string good = m_backend->PathsOf(port).front();
    HidInterface hid;
    EXPECT_FALSE(hid.Open("hid#vid_320f&pid_5055&mi_01&col04#nowhere", true, true, true, false));
    EXPECT_FALSE(hid.IsOpen());

    // The path buffer holds 259 characters; a longer path must not be cut
    // short into some other device's path.
    std::string longPath = good + std::string(300, 'x');
    EXPECT_FALSE(hid.Open(longPath, true, true, true, false));
    ASSERT_TRUE(hid.Open(good, true, true, true, false));
    EXPECT_FALSE(hid.Open(longPath, true, true, true, false));
    EXPECT_FALSE(hid.IsOpen()) << "a refused open leaves the object closed";
}

TEST_F(HidInterfaceTest, ReadWithZeroTimeoutOnIdleInterfaceFailsAndLeavesNothingPending) {
    int port = PlugMouse();
    HidInterface hid;
    ASSERT_TRUE(hid.Open(m_backend->PathsOf(port).front(), true, true, true, false));
    uint8_t buffer[4] = {};
    uint32_t n = 99;
    EXPECT_FALSE(hid.ReadReport(buffer, sizeof buffer, n, 0));
    EXPECT_EQ(n, 0u);
    // The next report is read whole by the next read, not swallowed by the
    // abandoned one.
    m_backend->PushInput(port, {0x02, 0x01, 0x05});
    ASSERT_TRUE(hid.ReadReport(buffer, sizeof buffer, n, 1000));
    EXPECT_EQ(n, 3u);
    EXPECT_EQ(buffer[2], 0x05);
}

TEST_F(HidInterfaceTest, CloseFromAnotherThreadEndsAnUnlimitedRead) {
    int port = PlugMouse();
    HidInterface hid;
    ASSERT_TRUE(hid.Open(m_backend->PathsOf(port).front(), true, true, true, false));
    Watchdog watchdog(std::chrono::seconds(10), "read after Close");
    auto reader = std::async(std::launch::async, [&] {
        uint8_t buffer[4];
        uint32_t n = 0;
        return hid.ReadReport(buffer, sizeof buffer, n, -1);
    });
    EXPECT_EQ(reader.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout)
        << "the read must block while nothing arrives";
    const auto start = std::chrono::steady_clock::now();
    hid.Close();
    EXPECT_FALSE(reader.get());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_FALSE(hid.IsOpen());

    // Reopening gives a working interface: the stop signal of the closed one
    // does not fail the first read.
    ASSERT_TRUE(hid.Open(m_backend->PathsOf(port).front(), true, true, true, false));
    m_backend->PushInput(port, {0x02, 0x00, 0x00});
    uint8_t buffer[4];
    uint32_t n = 0;
    EXPECT_TRUE(hid.ReadReport(buffer, sizeof buffer, n, 1000));
}

TEST_F(HidInterfaceTest, UnpackKeepsOnlyTheUsagesOfEachButtonItemsRange) {
    int port = PlugMouse();
    HidInterface hid;
    ASSERT_TRUE(hid.Open(m_backend->PathsOf(port).front(), true, true, true, false));
    // Button 2 (bit 1) and button 5 (bit 4) pressed, X = -2.
    const uint8_t report[] = {0x02, 0x12, 0xFE};
    ASSERT_TRUE(hid.UnpackInputReport(report, sizeof report));

    const HidReportItem* low = ButtonItem(hid, 1);
    const HidReportItem* high = ButtonItem(hid, 4);
    ASSERT_NE(low, nullptr);
    ASSERT_NE(high, nullptr);
    EXPECT_EQ(low->MaxUsageListLength, 8u);
    EXPECT_TRUE(low->IsSet);
    EXPECT_EQ(low->Status, device::kHidpStatusSuccess);
    EXPECT_EQ(low->Usages[0], 2) << "button 5 is outside 1..3 and is dropped";
    EXPECT_EQ(low->Usages[1], 0);
    EXPECT_EQ(high->Usages[0], 5);
    EXPECT_EQ(high->Usages[1], 0);

    const auto& items = hid.Tables().Of(HidReportType::kInput).items;
    ASSERT_EQ(items.size(), 3u) << "two button items, then one value item";
    EXPECT_FALSE(items[2].IsButton);
    EXPECT_EQ(items[2].Usage, 0x30);
    EXPECT_EQ(items[2].RawValue, 0xFEu);
    EXPECT_EQ(items[2].ScaledValue, -2);
}

TEST_F(HidInterfaceTest, UnpackOfAnotherReportIdLeavesEveryItemUntouched) {
    int port = PlugMouse();
    HidInterface hid;
    ASSERT_TRUE(hid.Open(m_backend->PathsOf(port).front(), true, true, true, false));
    const uint8_t report[] = {0x07, 0xFF, 0x01};
    EXPECT_TRUE(hid.UnpackInputReport(report, sizeof report));
    for (const HidReportItem& item : hid.Tables().Of(HidReportType::kInput).items) {
        EXPECT_FALSE(item.IsSet);
        EXPECT_EQ(item.RawValue, 0u);
        for (uint16_t usage : item.Usages) {
            EXPECT_EQ(usage, 0);
        }
    }
}

TEST_F(HidInterfaceTest, ConsumerCollectionOnlySeesItsOwnReports) {
    int port = m_backend->Plug(m_backend->AddDevice(sim::SimKind::kKeyboard), sim::SimPath::kCable);
    HidInterface consumer;
    ASSERT_TRUE(consumer.Open(m_backend->PathOf(port, 0x000C, 0x01), true, true, true, false));
    HidInterface vendor;
    ASSERT_TRUE(vendor.Open(m_backend->PathOf(port, 0xFF1C, 0x92), true, true, true, false));

    m_backend->PushInput(port, std::vector<uint8_t>(64, 0x04));  // a command reply
    m_backend->Notify(port, 0x1123);
    uint8_t buffer[64] = {};
    uint32_t n = 0;
    ASSERT_TRUE(consumer.ReadReport(buffer, sizeof buffer, n, 1000));
    EXPECT_EQ(buffer[0], 0x03) << "the command reply went to the vendor collection only";
    ASSERT_TRUE(consumer.UnpackInputReport(buffer, n));
    const auto& items = consumer.Tables().Of(HidReportType::kInput).items;
    ASSERT_FALSE(items.empty());
    ASSERT_FALSE(items[0].Usages.empty());
    EXPECT_EQ(items[0].Usages[0], 0x1123) << "the event code is the first usage";

    ASSERT_TRUE(vendor.ReadReport(buffer, sizeof buffer, n, 1000));
    EXPECT_EQ(buffer[0], 0x04);
    EXPECT_FALSE(vendor.ReadReport(buffer, sizeof buffer, n, 0)) << "no notification here";
}

}  // namespace
