// Parser rules the captured devices do not exercise, and the descriptors it
// must refuse.
#include <gtest/gtest.h>

#include "ReportDescriptorCapRow.h"
#include "device/ReportDescriptor.h"
#include "device/SimulatedDescriptors.h"

namespace device {
namespace {

using test::CapRow;
constexpr HidReportType kIn = HidReportType::kInput;
constexpr HidReportType kOut = HidReportType::kOutput;
constexpr HidReportType kFeat = HidReportType::kFeature;

ReportDescriptorInfo Parse(const std::vector<uint8_t>& bytes) {
    ReportDescriptorInfo info;
    std::string error;
    EXPECT_TRUE(ParseReportDescriptor(bytes.data(), bytes.size(), &info, &error)) << error;
    return info;
}

struct RuleCase {
    const char* name;
    std::vector<uint8_t> descriptor;  // one top-level collection
    uint16_t lengths[kHidReportTypeCount];
    std::vector<CapRow> caps;
};

const std::vector<RuleCase> kRuleCases = {
    {"the last usage of a variable item takes the fields left over",
     {
         0x05, 0x01,  // Usage Page (Generic Desktop)
         0x09, 0x05,  // Usage (Game Pad)
         0xA1, 0x01,  // Collection (Application)
         0x09, 0x30,  //   Usage (X)
         0x09, 0x31,  //   Usage (Y)
         0x15, 0x00,  //   Logical Minimum (0)
         0x25, 0x7F,  //   Logical Maximum (127)
         0x75, 0x08,  //   Report Size (8)
         0x95, 0x04,  //   Report Count (4)
         0x81, 0x02,  //   Input (Data,Var,Abs)
         0xC0,        // End Collection
     },
     {5, 0, 0},
     {
         {kIn, false, 0, 0x01, 0x31, 0x31, false, 8, 3, 2, 0},
         {kIn, false, 0, 0x01, 0x30, 0x30, false, 8, 1, 1, 0},
     }},
    {"a data item without usage gets usage 0, padding gets no capability but takes room",
     {
         0x06, 0x00, 0xFF,  // Usage Page (Vendor 0xFF00)
         0x09, 0x01,        // Usage (0x01)
         0xA1, 0x01,        // Collection (Application)
         0x75, 0x04,        //   Report Size (4)
         0x95, 0x01,        //   Report Count (1)
         0x91, 0x03,        //   Output (Const,Var,Abs): padding
         0x15, 0x00,        //   Logical Minimum (0)
         0x25, 0x0F,        //   Logical Maximum (15)
         0xB1, 0x02,        //   Feature (Data,Var,Abs)
         0xC0,              // End Collection
     },
     {0, 2, 2},
     {
         {kFeat, false, 0, 0xFF00, 0, 0, false, 4, 1, 1, 0},
     }},
    {"a 4-byte usage carries its own page; a range and a single usage split",
     {
         0x05, 0x0C,                    // Usage Page (Consumer)
         0x09, 0x01,                    // Usage (Consumer Control)
         0xA1, 0x01,                    // Collection (Application)
         0x85, 0x07,                    //   Report ID (7)
         0x0B, 0x21, 0x00, 0x01, 0x00,  //   Usage (Generic Desktop: 0x21)
         0x19, 0xB5,                    //   Usage Minimum (Scan Next Track)
         0x29, 0xB7,                    //   Usage Maximum (Stop)
         0x15, 0x00,                    //   Logical Minimum (0)
         0x25, 0x01,                    //   Logical Maximum (1)
         0x75, 0x01,                    //   Report Size (1)
         0x95, 0x04,                    //   Report Count (4)
         0x81, 0x02,                    //   Input (Data,Var,Abs)
         0x95, 0x04,                    //   Report Count (4)
         0x81, 0x01,                    //   Input (Const,Array,Abs): padding
         0xC0,                          // End Collection
     },
     {2, 0, 0},
     {
         {kIn, true, 7, 0x0C, 0xB5, 0xB7, true, 1, 3, 1, 1},
         {kIn, true, 7, 0x01, 0x21, 0x21, false, 1, 1, 1, 0},
     }},
    {"Push and Pop save and restore the global items",
     {
         0x05, 0x01,  // Usage Page (Generic Desktop)
         0x09, 0x04,  // Usage (Joystick)
         0xA1, 0x01,  // Collection (Application)
         0x75, 0x08,  //   Report Size (8)
         0x95, 0x01,  //   Report Count (1)
         0xA4,        //   Push
         0x05, 0x09,  //   Usage Page (Button)
         0x75, 0x01,  //   Report Size (1)
         0x95, 0x08,  //   Report Count (8)
         0x19, 0x01,  //   Usage Minimum (Button 1)
         0x29, 0x08,  //   Usage Maximum (Button 8)
         0x81, 0x02,  //   Input (Data,Var,Abs)
         0xB4,        //   Pop
         0x09, 0x32,  //   Usage (Z)
         0x81, 0x02,  //   Input (Data,Var,Abs)
         0xC0,        // End Collection
     },
     {3, 0, 0},
     {
         {kIn, true, 0, 0x09, 1, 8, true, 1, 8, 1, 0},
         {kIn, false, 0, 0x01, 0x32, 0x32, false, 8, 1, 2, 0},
     }},
    {"long items are skipped; an alternative usage in a delimiter set is not a field",
     {
         0x05, 0x01,              // Usage Page (Generic Desktop)
         0x09, 0x02,              // Usage (Mouse)
         0xA1, 0x01,              // Collection (Application)
         0xFE, 0x02, 0x10, 0xAA,  //   Long item (2 data bytes)
         0xBB,                    //
         0xA9, 0x01,              //   Delimiter (open)
         0x09, 0x30,              //   Usage (X)
         0x09, 0x40,              //   Usage (Vx)
         0xA9, 0x00,              //   Delimiter (close)
         0x75, 0x08,              //   Report Size (8)
         0x95, 0x01,              //   Report Count (1)
         0x91, 0x02,              //   Output (Data,Var,Abs)
         0xC0,                    // End Collection
     },
     {0, 2, 0},
     {
         {kOut, false, 0, 0x01, 0x30, 0x30, false, 8, 1, 1, 0},
     }},
    {"reports of several IDs: each field starts after its own report's fields",
     {
         0x06, 0x1C, 0xFF,  // Usage Page (Vendor 0xFF1C)
         0x09, 0x92,        // Usage (0x92)
         0xA1, 0x01,        // Collection (Application)
         0x15, 0x00,        //   Logical Minimum (0)
         0x26, 0xFF, 0x00,  //   Logical Maximum (255)
         0x75, 0x08,        //   Report Size (8)
         0x85, 0x05,        //   Report ID (5)
         0x95, 0x02,        //   Report Count (2)
         0x09, 0x01,        //   Usage (0x01)
         0xB1, 0x02,        //   Feature (Data,Var,Abs)
         0x85, 0x06,        //   Report ID (6)
         0x95, 0x07,        //   Report Count (7)
         0x09, 0x02,        //   Usage (0x02)
         0xB1, 0x02,        //   Feature (Data,Var,Abs)
         0x85, 0x05,        //   Report ID (5)
         0x95, 0x01,        //   Report Count (1)
         0x09, 0x03,        //   Usage (0x03)
         0xB1, 0x02,        //   Feature (Data,Var,Abs)
         0xC0,              // End Collection
     },
     {0, 0, 8},
     {
         {kFeat, false, 5, 0xFF1C, 1, 1, false, 8, 2, 1, 0},
         {kFeat, false, 6, 0xFF1C, 2, 2, false, 8, 7, 1, 0},
         {kFeat, false, 5, 0xFF1C, 3, 3, false, 8, 1, 3, 0},
     }},
};

TEST(ReportDescriptorTest, CapabilityRules) {
    for (const RuleCase& c : kRuleCases) {
        SCOPED_TRACE(c.name);
        const ReportDescriptorInfo info = Parse(c.descriptor);
        ASSERT_EQ(info.collections.size(), 1u);
        const HidCollectionCaps& caps = info.collections[0];
        EXPECT_EQ(caps.InputReportByteLength, c.lengths[0]);
        EXPECT_EQ(caps.OutputReportByteLength, c.lengths[1]);
        EXPECT_EQ(caps.FeatureReportByteLength, c.lengths[2]);
        EXPECT_EQ(test::Describe(caps.Caps), test::Describe(c.caps));
    }
}

// Two top-level collections: numbered from 1, each with its own lengths,
// report IDs, capabilities and link tree; a nested collection's fields name
// it as their link collection.
TEST(ReportDescriptorTest, TopLevelCollectionsAreSeparate) {
    const std::vector<uint8_t> descriptor = {
        0x05, 0x01,  // Usage Page (Generic Desktop)
        0x09, 0x02,  // Usage (Mouse)
        0xA1, 0x01,  // Collection (Application)
        0x85, 0x01,  //   Report ID (1)
        0x09, 0x01,  //   Usage (Pointer)
        0xA1, 0x00,  //   Collection (Physical)
        0x09, 0x30,  //     Usage (X)
        0x15, 0x81,  //     Logical Minimum (-127)
        0x25, 0x7F,  //     Logical Maximum (127)
        0x75, 0x08,  //     Report Size (8)
        0x95, 0x01,  //     Report Count (1)
        0x81, 0x06,  //     Input (Data,Var,Rel)
        0xC0,        //   End Collection
        0xC0,        // End Collection
        0x05, 0x0C,  // Usage Page (Consumer)
        0x09, 0x01,  // Usage (Consumer Control)
        0xA1, 0x01,  // Collection (Application)
        0x85, 0x02,  //   Report ID (2)
        0x09, 0xE9,  //   Usage (Volume Increment)
        0x15, 0x00,  //   Logical Minimum (0)
        0x25, 0x01,  //   Logical Maximum (1)
        0x75, 0x01,  //   Report Size (1)
        0x95, 0x10,  //   Report Count (16)
        0x81, 0x02,  //   Input (Data,Var,Abs)
        0xC0,        // End Collection
    };
    const ReportDescriptorInfo info = Parse(descriptor);
    ASSERT_EQ(info.collections.size(), 2u);
    const HidCollectionCaps& mouse = info.collections[0];
    const HidCollectionCaps& consumer = info.collections[1];
    EXPECT_EQ(mouse.CollectionNumber, 1);
    EXPECT_EQ(consumer.CollectionNumber, 2);
    EXPECT_EQ(mouse.ReportIDs, std::vector<uint8_t>{1});
    EXPECT_EQ(consumer.ReportIDs, std::vector<uint8_t>{2});
    EXPECT_EQ(mouse.InputReportByteLength, 2);
    EXPECT_EQ(consumer.InputReportByteLength, 3);
    ASSERT_EQ(mouse.Caps.size(), 1u);
    EXPECT_EQ(mouse.Caps[0].LogicalMin, -127);
    EXPECT_FALSE(mouse.Caps[0].IsAbsolute);
    EXPECT_EQ(mouse.Caps[0].LinkCollection, 1);
    EXPECT_EQ(mouse.Caps[0].LinkUsage, 0x01);
    ASSERT_EQ(mouse.LinkCollections.size(), 2u);
    EXPECT_EQ(mouse.LinkCollections[0].FirstChild, 1);
    EXPECT_EQ(mouse.LinkCollections[1].Parent, 0);
    ASSERT_EQ(consumer.Caps.size(), 1u);
    EXPECT_EQ(consumer.Caps[0].ReportCount, 16);
    EXPECT_EQ(consumer.Caps[0].LinkCollection, 0);
    EXPECT_EQ(consumer.LinkCollections.size(), 1u);
    EXPECT_EQ(FindCollection(info, 2), &info.collections[1]);
    EXPECT_EQ(FindCollection(info, 0), nullptr);
    EXPECT_EQ(FindCollection(info, 3), nullptr);
}

struct BadCase {
    const char* name;
    std::vector<uint8_t> descriptor;
};

const std::vector<BadCase> kBadCases = {
    {"empty", {}},
    {"only global items", {0x05, 0x01, 0x75, 0x08}},
    {"item data cut short", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x26, 0xFF}},
    {"long item cut short", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xFE, 0x05, 0x10, 0x00, 0xC0}},
    {"collection never closed", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xA1, 0x00, 0xC0}},
    {"End Collection without Collection", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xC0, 0xC0}},
    {"main item outside any collection", {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}},
    {"report ID 0", {0x09, 0x01, 0xA1, 0x01, 0x85, 0x00, 0xC0}},
    {"report ID above 255", {0x09, 0x01, 0xA1, 0x01, 0x86, 0x00, 0x01, 0xC0}},
    {"report size over 256 bits", {0x09, 0x01, 0xA1, 0x01, 0x76, 0x01, 0x01, 0xC0}},
    {"report count over 65535", {0x09, 0x01, 0xA1, 0x01, 0x97, 0x00, 0x00, 0x01, 0x00, 0xC0}},
    {"report over 65535 bytes",
     {0x09, 0x01, 0xA1, 0x01, 0x76, 0x00, 0x01, 0x96, 0xFF, 0xFF, 0x81, 0x02, 0xC0}},
    {"Pop without Push", {0x09, 0x01, 0xA1, 0x01, 0xB4, 0xC0}},
    {"usage minimum above maximum", {0x09, 0x01, 0xA1, 0x01, 0x19, 0x05, 0x29, 0x01, 0xC0}},
    {"reserved item type", {0x09, 0x01, 0xA1, 0x01, 0x0C, 0xC0}},
    {"unknown main item", {0x09, 0x01, 0xA1, 0x01, 0xD0, 0xC0}},
    {"delimiter closed without opening", {0x09, 0x01, 0xA1, 0x01, 0xA9, 0x00, 0xC0}},
};

TEST(ReportDescriptorTest, MalformedDescriptorsAreRefused) {
    for (const BadCase& c : kBadCases) {
        SCOPED_TRACE(c.name);
        ReportDescriptorInfo info;
        info.collections.resize(1);  // stale contents must not survive a failure
        std::string error;
        EXPECT_FALSE(
            ParseReportDescriptor(c.descriptor.data(), c.descriptor.size(), &info, &error));
        EXPECT_TRUE(info.collections.empty());
        EXPECT_FALSE(error.empty());
    }
}

// A descriptor cut anywhere is refused, or, when the cut falls between two
// top-level collections, gives exactly the collections before the cut.
TEST(ReportDescriptorTest, TruncationNeverGivesWrongCollections) {
    for (const char* kind : {"keyboard", "mouse", "headset"}) {
        for (const SimulatedInterfaceDescriptor& entry : SimulatedDescriptors(kind)) {
            const std::vector<uint8_t>& bytes = entry.descriptor;
            SCOPED_TRACE(std::string(kind) + " interface " + std::to_string(entry.interfaceNumber));
            const ReportDescriptorInfo full = Parse(bytes);
            int accepted = 0;
            for (size_t size = 0; size < bytes.size(); ++size) {
                ReportDescriptorInfo info;
                if (!ParseReportDescriptor(bytes.data(), size, &info, nullptr)) {
                    continue;
                }
                ++accepted;
                ASSERT_LT(info.collections.size(), full.collections.size()) << "cut at " << size;
                for (size_t i = 0; i < info.collections.size(); ++i) {
                    EXPECT_EQ(test::Describe(info.collections[i].Caps),
                              test::Describe(full.collections[i].Caps))
                        << "cut at " << size;
                    EXPECT_EQ(info.collections[i].InputReportByteLength,
                              full.collections[i].InputReportByteLength);
                }
            }
            // One collection per interface: no cut leaves a whole descriptor.
            if (full.collections.size() == 1) {
                EXPECT_EQ(accepted, 0);
            }
        }
    }
}

}  // namespace
}  // namespace device
