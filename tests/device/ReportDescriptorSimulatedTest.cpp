// The simulated devices' descriptors give the collections the device tables
// expect (usage, collection number) and the report layout the command channel
// and the notification readers rely on.
#include <gtest/gtest.h>

#include "ReportDescriptorCapRow.h"
#include "device/ReportDescriptor.h"
#include "device/SimulatedDescriptors.h"

namespace device {
namespace {

using test::CapRow;
constexpr HidReportType kIn = HidReportType::kInput;
constexpr HidReportType kOut = HidReportType::kOutput;

struct ExpectedCollection {
    uint16_t usagePage;
    uint16_t usage;
    uint16_t inputLength;
    uint16_t outputLength;
    uint16_t featureLength;
    std::vector<CapRow> caps;
};

struct SimulatedCase {
    const char* kind;
    uint8_t interfaceNumber;
    std::vector<ExpectedCollection> collections;
};

// The command and notification collections every interface 1 shares.
const ExpectedCollection kVendorCommands = {0xFF1C,
                                            0x92,
                                            64,
                                            64,
                                            0,
                                            {
                                                {kIn, false, 4, 0xFF1C, 1, 1, false, 8, 63, 1, 0},
                                                {kOut, false, 4, 0xFF1C, 2, 2, false, 8, 63, 1, 0},
                                            }};
const ExpectedCollection kConsumer = {
    0x0C, 0x01, 5, 0, 0, {{kIn, true, 3, 0x0C, 0x0000, 0x1FFF, true, 16, 2, 1, 0}}};
const ExpectedCollection kMacroKeyboard = {0x01,
                                           0x06,
                                           17,
                                           2,
                                           0,
                                           {
                                               {kIn, true, 1, 0x07, 0xE0, 0xE7, true, 1, 8, 1, 0},
                                               {kIn, true, 1, 0x07, 0x00, 0x77, true, 1, 120, 2, 0},
                                               {kOut, true, 1, 0x08, 0x01, 0x05, true, 1, 5, 1, 0},
                                           }};
const ExpectedCollection kSystemControl = {
    0x01, 0x80, 2, 0, 0, {{kIn, true, 2, 0x01, 0x81, 0x83, true, 2, 1, 1, 0}}};

const std::vector<SimulatedCase> kCases = {
    {"keyboard",
     0,
     {{0x01,
       0x06,
       9,
       2,
       0,
       {
           {kIn, true, 0, 0x07, 0xE0, 0xE7, true, 1, 8, 1, 0},
           {kIn, true, 0, 0x07, 0x00, 0xFF, true, 8, 6, 3, 0},
           {kOut, true, 0, 0x08, 0x01, 0x05, true, 1, 5, 1, 0},
       }}}},
    {"keyboard", 1, {kMacroKeyboard, kSystemControl, kConsumer, kVendorCommands}},
    {"mouse",
     0,
     {{0x01,
       0x02,
       8,
       0,
       0,
       {
           {kIn, true, 0, 0x09, 1, 5, true, 1, 5, 1, 0},
           {kIn, false, 0, 0x01, 0x31, 0x31, false, 16, 1, 4, 0},
           {kIn, false, 0, 0x01, 0x30, 0x30, false, 16, 1, 2, 0},
           {kIn, false, 0, 0x01, 0x38, 0x38, false, 8, 1, 6, 0},
           {kIn, false, 0, 0x0C, 0x238, 0x238, false, 8, 1, 7, 0},
       }}}},
    {"mouse", 1, {kMacroKeyboard, kSystemControl, kConsumer, kVendorCommands}},
    {"pad", 1, {kMacroKeyboard, kSystemControl, kConsumer, kVendorCommands}},
    {"headset",
     3,
     {{0x0C,
       0x01,
       64,
       64,
       0,
       {
           {kIn, true, 1, 0x0C, 0xE2, 0xE2, false, 1, 1, 1, 2},
           {kIn, true, 1, 0x0C, 0xEA, 0xEA, false, 1, 1, 1, 1},
           {kIn, true, 1, 0x0C, 0xE9, 0xE9, false, 1, 1, 1, 0},
           {kIn, false, 4, 0xFF1C, 1, 1, false, 8, 63, 1, 0},
           {kOut, false, 4, 0xFF1C, 2, 2, false, 8, 63, 1, 0},
       }}}},
};

TEST(ReportDescriptorSimulatedTest, EachInterfaceGivesItsCollectionsAndCaps) {
    for (const SimulatedCase& c : kCases) {
        SCOPED_TRACE(std::string(c.kind) + " interface " + std::to_string(c.interfaceNumber));
        const std::vector<uint8_t> bytes = SimulatedDescriptor(c.kind, c.interfaceNumber);
        ASSERT_FALSE(bytes.empty());
        ReportDescriptorInfo info;
        std::string error;
        ASSERT_TRUE(ParseReportDescriptor(bytes.data(), bytes.size(), &info, &error)) << error;
        ASSERT_EQ(info.collections.size(), c.collections.size());
        for (size_t i = 0; i < c.collections.size(); ++i) {
            const ExpectedCollection& want = c.collections[i];
            const HidCollectionCaps& got = info.collections[i];
            SCOPED_TRACE("collection " + std::to_string(i + 1));
            EXPECT_EQ(got.CollectionNumber, i + 1);
            EXPECT_EQ(got.UsagePage, want.usagePage);
            EXPECT_EQ(got.Usage, want.usage);
            EXPECT_EQ(got.InputReportByteLength, want.inputLength);
            EXPECT_EQ(got.OutputReportByteLength, want.outputLength);
            EXPECT_EQ(got.FeatureReportByteLength, want.featureLength);
            EXPECT_EQ(test::Describe(got.Caps), test::Describe(want.caps));
        }
    }
}

// The device tables find the command channel as collection 4 and the
// notifications as collection 3 of interface 1 (the headset: its only
// collection on interface 3), and the link sends 64-byte reports with ID 4.
TEST(ReportDescriptorSimulatedTest, CommandCollectionSitsWhereTheDeviceTablesLook) {
    for (const char* kind : {"keyboard", "mouse", "pad"}) {
        SCOPED_TRACE(kind);
        const std::vector<uint8_t> bytes = SimulatedDescriptor(kind);
        ReportDescriptorInfo info;
        ASSERT_TRUE(ParseReportDescriptor(bytes.data(), bytes.size(), &info, nullptr));
        const HidCollectionCaps* command = FindCollection(info, 4);
        const HidCollectionCaps* events = FindCollection(info, 3);
        ASSERT_NE(command, nullptr);
        ASSERT_NE(events, nullptr);
        EXPECT_EQ(command->UsagePage, 0xFF1C);
        EXPECT_EQ(command->Usage, 0x92);
        EXPECT_EQ(command->ReportIDs, std::vector<uint8_t>{4});
        EXPECT_EQ(events->UsagePage, 0x0C);
        EXPECT_EQ(events->ReportIDs, std::vector<uint8_t>{3});
    }
    const std::vector<uint8_t> headset = SimulatedDescriptor("headset");
    ReportDescriptorInfo info;
    ASSERT_TRUE(ParseReportDescriptor(headset.data(), headset.size(), &info, nullptr));
    ASSERT_EQ(info.collections.size(), 1u);
    EXPECT_EQ(info.collections[0].ReportIDs, (std::vector<uint8_t>{1, 4}));
    const auto& links = info.collections[0].LinkCollections;
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[1].LinkUsagePage, 0xFF1C);
    EXPECT_EQ(links[1].LinkUsage, 0x92);
    EXPECT_EQ(info.collections[0].ValueCaps(kIn).at(0).LinkCollection, 1);
}

TEST(ReportDescriptorSimulatedTest, UnknownKindHasNoDescriptor) {
    EXPECT_TRUE(SimulatedDescriptors("toaster").empty());
    EXPECT_TRUE(SimulatedDescriptor("keyboard", 2).empty());
    EXPECT_TRUE(SimulatedDescriptor("headset", 1).empty());
}

}  // namespace
}  // namespace device
