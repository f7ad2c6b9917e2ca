// Reading usages and values out of reports, and filling the report items the
// way the event readers and HidInterface use them.
#include <gtest/gtest.h>

#include "device/HidCapsAccess.h"
#include "device/HidCapsItems.h"
#include "device/ReportDescriptor.h"
#include "device/SimulatedDescriptors.h"

namespace device {
namespace {

constexpr HidReportType kIn = HidReportType::kInput;

HidCollectionCaps Collection(const std::vector<uint8_t>& bytes, uint16_t number) {
    ReportDescriptorInfo info;
    std::string error;
    EXPECT_TRUE(ParseReportDescriptor(bytes.data(), bytes.size(), &info, &error)) << error;
    const HidCollectionCaps* caps = FindCollection(info, number);
    return caps ? *caps : HidCollectionCaps();
}

// The usages an item holds before its 0 terminator.
std::vector<uint16_t> Held(const HidReportItem& item) {
    std::vector<uint16_t> held;
    for (uint16_t usage : item.Usages) {
        if (usage == 0) {
            break;
        }
        held.push_back(usage);
    }
    return held;
}

// The consumer collection carries the device's notification codes as array
// usages; the event reader takes the first usage of the first item.
TEST(ReportDescriptorUnpackTest, NotificationCodeIsTheFirstUsageOfTheFirstItem) {
    const HidCollectionCaps caps = Collection(SimulatedDescriptor("keyboard"), 3);
    struct Row {
        uint16_t first;
        uint16_t second;
        std::vector<uint16_t> held;
    };
    const Row rows[] = {
        {0x0401, 0, {0x0401}},
        {0x0402, 0, {0x0402}},
        {0x1103, 0x00E9, {0x1103, 0x00E9}},
        {0, 0x1005, {0x1005}},  // an empty field names no usage
        {0, 0, {}},
        {0x2000, 0, {}},  // above the logical maximum: no usage
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.first);
        auto items = BuildReportItems(caps, kIn);
        ASSERT_EQ(items.size(), 1u);
        const uint8_t report[] = {0x03, uint8_t(row.first), uint8_t(row.first >> 8),
                                  uint8_t(row.second), uint8_t(row.second >> 8)};
        ASSERT_TRUE(UnpackInputReport(caps, items, report, sizeof(report)));
        EXPECT_TRUE(items[0].IsSet);
        EXPECT_EQ(items[0].Status, kHidpStatusSuccess);
        EXPECT_EQ(Held(items[0]), row.held);
    }
}

TEST(ReportDescriptorUnpackTest, ReportOfAnotherIdLeavesItemsUntouched) {
    const HidCollectionCaps caps = Collection(SimulatedDescriptor("keyboard"), 3);
    auto items = BuildReportItems(caps, kIn);
    items[0].Usages[0] = 0x1234;
    const uint8_t report[] = {0x04, 0x01, 0x04, 0x00, 0x00};
    EXPECT_TRUE(UnpackInputReport(caps, items, report, sizeof(report)));
    EXPECT_FALSE(items[0].IsSet);
    EXPECT_EQ(items[0].Usages[0], 0x1234);
    EXPECT_FALSE(UnpackInputReport(caps, items, report, 0));
}

// Both button items of the keyboard page receive every pressed key from the
// page; each keeps only the usages of its own range.
TEST(ReportDescriptorUnpackTest, ButtonItemDropsUsagesOutsideItsRange) {
    const HidCollectionCaps caps = Collection(SimulatedDescriptor("keyboard"), 1);
    auto items = BuildReportItems(caps, kIn);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].UsageMin, 0xE0);
    EXPECT_EQ(items[1].UsageMax, 0x77);
    std::vector<uint8_t> report(caps.InputReportByteLength, 0);
    report[0] = 0x01;
    report[1] = 0x02 | 0x20;                  // Left Shift, Right Shift
    report[2] = 0x10;                         // usage 0x04 (A)
    report[2 + 0x29 / 8] |= 1 << (0x29 % 8);  // usage 0x29 (Escape)
    ASSERT_TRUE(UnpackInputReport(caps, items, report.data(), report.size()));
    EXPECT_EQ(Held(items[0]), (std::vector<uint16_t>{0xE1, 0xE5}));
    EXPECT_EQ(Held(items[1]), (std::vector<uint16_t>{0x04, 0x29}));
}

TEST(ReportDescriptorUnpackTest, ValuesAreSignedAndScaled) {
    const HidCollectionCaps caps = Collection(SimulatedDescriptor("mouse", 0), 1);
    auto items = BuildReportItems(caps, kIn);
    ASSERT_EQ(items.size(), 5u);  // buttons, then Y, X, wheel, pan
    const uint8_t report[] = {
        0x00,        // no report ID
        0x05,        // buttons 1 and 3
        0xFB, 0xFF,  // X = -5
        0x2C, 0x01,  // Y = 300
        0xFF,        // wheel = -1
        0x02,        // pan = 2
    };
    ASSERT_TRUE(UnpackInputReport(caps, items, report, sizeof(report)));
    EXPECT_EQ(Held(items[0]), (std::vector<uint16_t>{1, 3}));
    struct Row {
        uint16_t usage;
        uint32_t raw;
        int32_t scaled;
    };
    const Row rows[] = {{0x31, 300, 300}, {0x30, 0xFFFB, -5}, {0x38, 0xFF, -1}, {0x238, 2, 2}};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[1 + i].Usage, rows[i].usage);
        EXPECT_EQ(items[1 + i].RawValue, rows[i].raw);
        EXPECT_EQ(items[1 + i].ScaledValue, rows[i].scaled);
        EXPECT_TRUE(items[1 + i].IsSet);
    }
    // A report of the wrong length cannot be read: the value fails the unpack.
    EXPECT_FALSE(UnpackInputReport(caps, items, report, sizeof(report) - 1));
    EXPECT_EQ(items[1].Status, kHidpStatusInvalidReportLength);
}

// A hat switch: logical 0..7 scaled to 0..315 degrees, 8 meaning "not
// pressed" through its null state; a value without null state outside its
// range is out of range.
TEST(ReportDescriptorUnpackTest, PhysicalScalingAndNullState) {
    const std::vector<uint8_t> descriptor = {
        0x05, 0x01,        // Usage Page (Generic Desktop)
        0x09, 0x05,        // Usage (Game Pad)
        0xA1, 0x01,        // Collection (Application)
        0x09, 0x39,        //   Usage (Hat switch)
        0x15, 0x00,        //   Logical Minimum (0)
        0x25, 0x07,        //   Logical Maximum (7)
        0x35, 0x00,        //   Physical Minimum (0)
        0x46, 0x3B, 0x01,  //   Physical Maximum (315)
        0x65, 0x14,        //   Unit (Degrees)
        0x75, 0x04,        //   Report Size (4)
        0x95, 0x01,        //   Report Count (1)
        0x81, 0x42,        //   Input (Data,Var,Abs,Null)
        0x09, 0x32,        //   Usage (Z)
        0x15, 0x01,        //   Logical Minimum (1)
        0x25, 0x0A,        //   Logical Maximum (10)
        0x45, 0x00,        //   Physical Maximum (0)
        0x81, 0x02,        //   Input (Data,Var,Abs)
        0xC0,              // End Collection
    };
    const HidCollectionCaps caps = Collection(descriptor, 1);
    ASSERT_EQ(caps.InputReportByteLength, 2);
    struct Row {
        uint8_t byte;
        uint32_t hatStatus;
        int32_t hat;
        uint32_t zStatus;
        int32_t z;
    };
    const Row rows[] = {
        {0x52, kHidpStatusSuccess, 90, kHidpStatusSuccess, 5},
        {0xA7, kHidpStatusSuccess, 315, kHidpStatusSuccess, 10},
        {0x08, kHidpStatusNull, 0, kHidpStatusValueOutOfRange, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.byte));
        const uint8_t report[] = {0x00, row.byte};
        int32_t hat = 0;
        int32_t z = 0;
        EXPECT_EQ(HidGetScaledUsageValue(caps, kIn, 0x01, 0, 0x39, &hat, report, 2), row.hatStatus);
        EXPECT_EQ(HidGetScaledUsageValue(caps, kIn, 0x01, 0, 0x32, &z, report, 2), row.zStatus);
        if (row.hatStatus == kHidpStatusSuccess) {
            EXPECT_EQ(hat, row.hat);
        }
        if (row.zStatus == kHidpStatusSuccess) {
            EXPECT_EQ(z, row.z);
        }
        // The unpack keeps going when only the scaling fails.
        auto items = BuildReportItems(caps, kIn);
        EXPECT_TRUE(UnpackInputReport(caps, items, report, 2));
        EXPECT_EQ(items[0].Status, row.hatStatus);
    }
}

// An array with a usage list: field value LogicalMin + n names the n-th
// declared usage, whichever capability holds it.
TEST(ReportDescriptorUnpackTest, ArrayUsageListMapsValuesInDeclaredOrder) {
    const std::vector<uint8_t> descriptor = {
        0x05, 0x01,  // Usage Page (Generic Desktop)
        0x09, 0x80,  // Usage (System Control)
        0xA1, 0x01,  // Collection (Application)
        0x85, 0x04,  //   Report ID (4)
        0x75, 0x02,  //   Report Size (2)
        0x95, 0x01,  //   Report Count (1)
        0x15, 0x01,  //   Logical Minimum (1)
        0x25, 0x03,  //   Logical Maximum (3)
        0x09, 0x82,  //   Usage (System Sleep)
        0x09, 0x81,  //   Usage (System Power Down)
        0x09, 0x83,  //   Usage (System Wake Up)
        0x81, 0x60,  //   Input (Data,Array,Abs,No Preferred,Null State)
        0x75, 0x06,  //   Report Size (6)
        0x81, 0x03,  //   Input (Const,Var,Abs)
        0xC0,        // End Collection
    };
    const HidCollectionCaps caps = Collection(descriptor, 1);
    const std::pair<uint8_t, std::vector<uint16_t>> rows[] = {
        {0, {}}, {1, {0x82}}, {2, {0x81}}, {3, {0x83}}};
    for (const auto& [value, expected] : rows) {
        SCOPED_TRACE(int(value));
        const uint8_t report[] = {0x04, value};
        uint16_t usages[4] = {};
        uint32_t length = 4;
        ASSERT_EQ(HidGetUsages(caps, kIn, 0x01, 0, usages, &length, report, 2), kHidpStatusSuccess);
        EXPECT_EQ(std::vector<uint16_t>(usages, usages + length), expected);
    }
    EXPECT_EQ(HidMaxUsageListLength(caps, kIn, 0x01), 1u);
}

TEST(ReportDescriptorUnpackTest, UsageLookupStatuses) {
    const HidCollectionCaps keyboard = Collection(SimulatedDescriptor("keyboard"), 1);
    std::vector<uint8_t> report(keyboard.InputReportByteLength, 0);
    report[0] = 0x01;
    report[2] = 0x70;  // usages 0x04, 0x05, 0x06
    uint16_t usages[2] = {};
    uint32_t length = 2;
    EXPECT_EQ(HidGetUsages(keyboard, kIn, 0x07, 0, usages, &length, report.data(), report.size()),
              kHidpStatusBufferTooSmall);
    EXPECT_EQ(length, 3u);
    EXPECT_EQ(usages[0], 0x04);
    EXPECT_EQ(usages[1], 0x05);
    length = 2;
    EXPECT_EQ(HidGetUsages(keyboard, kIn, 0x0B, 0, usages, &length, report.data(), report.size()),
              kHidpStatusUsageNotFound);
    EXPECT_EQ(HidGetUsages(keyboard, kIn, 0x07, 0, usages, &length, report.data(), 5),
              kHidpStatusInvalidReportLength);
    EXPECT_EQ(HidMaxUsageListLength(keyboard, kIn, 0x07), 128u);
    EXPECT_EQ(HidMaxUsageListLength(keyboard, HidReportType::kOutput, 0), 5u);

    // The headset's consumer buttons are in report 1, its command bytes in
    // report 4 inside link collection 1.
    const HidCollectionCaps headset = Collection(SimulatedDescriptor("headset"), 1);
    std::vector<uint8_t> command(headset.InputReportByteLength, 0);
    command[0] = 0x04;
    command[1] = 0xAB;
    length = 2;
    EXPECT_EQ(HidGetUsages(headset, kIn, 0x0C, 0, usages, &length, command.data(), command.size()),
              kHidpStatusIncompatibleReportId);
    uint32_t value = 0;
    EXPECT_EQ(
        HidGetUsageValue(headset, kIn, 0xFF1C, 1, 0x01, &value, command.data(), command.size()),
        kHidpStatusSuccess);
    EXPECT_EQ(value, 0xABu);
    EXPECT_EQ(
        HidGetUsageValue(headset, kIn, 0xFF1C, 0, 0x01, &value, command.data(), command.size()),
        kHidpStatusSuccess);
    EXPECT_EQ(
        HidGetUsageValue(headset, kIn, 0xFF1C, 2, 0x01, &value, command.data(), command.size()),
        kHidpStatusUsageNotFound);
    command[0] = 0x01;
    EXPECT_EQ(
        HidGetUsageValue(headset, kIn, 0xFF1C, 0, 0x01, &value, command.data(), command.size()),
        kHidpStatusIncompatibleReportId);
}

}  // namespace
}  // namespace device
