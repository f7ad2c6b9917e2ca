// Runs against the real hidapi library through a fake hidraw device (see
// run_fakehid.py): one USB interface with the keyboard's four top-level
// collections, answering as responder.py says.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <string>

#include "device/DeviceLink.h"
#include "device/HidInterface.h"
#include "device/SimulatedDescriptors.h"
#include "support/Watchdog.h"

namespace {

using device::HidInterface;
using Clock = std::chrono::steady_clock;

// The path of the collection with this usage page, from a fresh enumeration.
std::string PathOf(uint16_t usagePage) {
    HidInterface lister;
    if (!lister.Enumerate()) {
        return {};
    }
    for (const platform::HidDeviceEntry& entry : lister.Entries()) {
        if (entry.usagePage == usagePage) {
            return entry.path;
        }
    }
    return {};
}

TEST(HidapiBackendTest, EnumerationNumbersTheTopLevelCollections) {
    HidInterface hid;
    ASSERT_TRUE(hid.Enumerate());
    struct Expected {
        uint16_t usagePage, usage;
        const char* marker;
    };
    const Expected expected[] = {{0x0001, 0x0006, "vid_320f&pid_5055&mi_01&col01"},
                                 {0x0001, 0x0080, "vid_320f&pid_5055&mi_01&col02"},
                                 {0x000C, 0x0001, "vid_320f&pid_5055&mi_01&col03"},
                                 {0xFF1C, 0x0092, "vid_320f&pid_5055&mi_01&col04"}};
    ASSERT_EQ(hid.Entries().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const platform::HidDeviceEntry& entry = hid.Entries()[i];
        SCOPED_TRACE(entry.path);
        EXPECT_EQ(entry.usagePage, expected[i].usagePage);
        EXPECT_EQ(entry.usage, expected[i].usage);
        EXPECT_NE(entry.path.find(expected[i].marker), std::string::npos);
        EXPECT_EQ(HidInterface::ParseCollection(entry.path), i + 1);
        EXPECT_EQ(HidInterface::ParseVid(entry.path), 0x320F);
    }
}

TEST(HidapiBackendTest, LinkTransactionSkipsReportsOfOtherCollections) {
    device::DeviceLink link;
    ASSERT_TRUE(link.WiredInterface().Open(PathOf(0xFF1C), true, true, true, false));
    EXPECT_EQ(link.WiredInterface().Attributes().vendorId, 0x320F);
    EXPECT_EQ(link.WiredInterface().Attributes().productId, 0x5055);
    EXPECT_EQ(link.WiredInterface().CollectionNumber(), 4u);
    link.SetOpen(true);
    link.SetMode(device::LINK_MODE_WIRED);
    EXPECT_EQ(link.Begin(), device::kResultSuccess);
    uint8_t info[34] = {};
    // Two consumer reports come first; only the vendor reply is this
    // collection's, so the data is the device information record.
    ASSERT_EQ(link.ReadInfo(info), device::kResultSuccess);
    EXPECT_EQ(info[5], 122);
    EXPECT_EQ(info[6], 32);
    EXPECT_EQ(link.End(), device::kResultSuccess);
}

TEST(HidapiBackendTest, ConsumerCollectionReadsOnlyItsNotifications) {
    HidInterface consumer;
    ASSERT_TRUE(consumer.Open(PathOf(0x000C), true, true, true, false));
    uint8_t request[64] = {0x04, 0x30, 0x00, 0x30};
    uint32_t written = 0;
    ASSERT_TRUE(consumer.WriteReport(request, 64, written, 1000));
    EXPECT_EQ(written, 64u);
    uint8_t report[64] = {};
    uint32_t n = 0;
    ASSERT_TRUE(consumer.ReadReport(report, sizeof report, n, 1000));
    ASSERT_EQ(report[0], 0x03) << "the command reply belongs to the vendor collection";
    ASSERT_TRUE(consumer.UnpackInputReport(report, n));
    const auto& items = consumer.Tables().Of(device::HidReportType::kInput).items;
    ASSERT_FALSE(items.empty());
    ASSERT_FALSE(items[0].Usages.empty());
    EXPECT_EQ(items[0].Usages[0], 0x0401);
}

TEST(HidapiBackendTest, SilentDeviceTimesOutAndCloseEndsAnUnlimitedRead) {
    HidInterface vendor;
    ASSERT_TRUE(vendor.Open(PathOf(0xFF1C), true, true, true, false));
    uint8_t request[64] = {0x04, 0x31, 0x00, 0x31};
    uint32_t n = 0;
    ASSERT_TRUE(vendor.WriteReport(request, 64, n, 1000));
    uint8_t report[64];
    const auto start = Clock::now();
    EXPECT_FALSE(vendor.ReadReport(report, sizeof report, n, 250));
    const auto took = Clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(240));
    EXPECT_LT(took, std::chrono::milliseconds(1000));

    testing_support::Watchdog watchdog(std::chrono::seconds(10), "read after Close");
    auto reader = std::async(std::launch::async, [&] {
        uint8_t buffer[64];
        uint32_t got = 0;
        return vendor.ReadReport(buffer, sizeof buffer, got, -1);
    });
    ASSERT_EQ(reader.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    const auto closing = Clock::now();
    vendor.Close();
    EXPECT_FALSE(reader.get());
    EXPECT_LT(Clock::now() - closing, std::chrono::milliseconds(500));
}

// The mouse's pointer interface: one top-level collection with a physical
// collection nested in it, which hidapi itself would list as a second one.
TEST(HidapiNestedTest, NestedCollectionIsNoTopLevelCollection) {
    HidInterface hid;
    ASSERT_TRUE(hid.Enumerate());
    ASSERT_EQ(hid.Entries().size(), 1u);
    const platform::HidDeviceEntry& entry = hid.Entries()[0];
    EXPECT_EQ(entry.usagePage, 0x0001);
    EXPECT_EQ(entry.usage, 0x0002);
    EXPECT_EQ(entry.path.find("&col"), std::string::npos) << "the only collection has no number";
    EXPECT_EQ(HidInterface::ParseInterfaceNumber(entry.path), 1) << "the harness's interface";

    HidInterface mouse;
    ASSERT_TRUE(mouse.Open(entry.path, true, false, true, false));
    EXPECT_EQ(mouse.Tables().caps.InputReportByteLength, 8) << "no report ID: one zero byte";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--print-rdesc") == 0) {
        const char* kind = argc > 2 ? argv[2] : "keyboard";
        const int interface = argc > 3 ? std::atoi(argv[3]) : 1;
        for (uint8_t byte : device::SimulatedDescriptor(kind, static_cast<uint8_t>(interface))) {
            std::printf("%02x", byte);
        }
        std::printf("\n");
        return 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
