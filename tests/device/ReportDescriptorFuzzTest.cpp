// Random and mutated descriptors: the parser must return, refuse cleanly or
// give tables that stay inside their own reports, and the report items built
// from whatever it accepts must stay small and safe to fill.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "device/HidCapsItems.h"
#include "device/ReportDescriptor.h"
#include "device/ReportDescriptorText.h"
#include "device/SimulatedDescriptors.h"

namespace device {
namespace {

// What every accepted descriptor must satisfy; returns the first broken rule.
std::string CheckTables(const ReportDescriptorInfo& info) {
    if (info.collections.empty()) {
        return "accepted without a collection";
    }
    for (size_t i = 0; i < info.collections.size(); ++i) {
        const HidCollectionCaps& caps = info.collections[i];
        if (caps.CollectionNumber != i + 1) {
            return "collection numbers out of order";
        }
        if (caps.LinkCollections.empty()) {
            return "no link collection node";
        }
        for (const HidCap& cap : caps.Caps) {
            const uint64_t endBit = uint64_t(cap.BytePosition) * 8 + cap.BitPosition +
                                    uint64_t(cap.BitSize) * cap.ReportCount;
            if (cap.BytePosition == 0 ||
                endBit > uint64_t(caps.ReportByteLength(cap.ReportType)) * 8) {
                return "a capability reaches past its report";
            }
            if (cap.LinkCollection >= caps.LinkCollections.size()) {
                return "link collection out of range";
            }
            if (cap.UsageMin > cap.UsageMax) {
                return "usage range upside down";
            }
            if (cap.ReportID != 0 && !caps.HasReportID(cap.ReportID)) {
                return "report ID not listed";
            }
        }
    }
    return "";
}

// Parses, and for an accepted descriptor builds the items of every collection
// and unpacks a report of random bytes through them.
void Exercise(const std::vector<uint8_t>& bytes, std::mt19937& random, int* accepted) {
    ReportDescriptorInfo info;
    std::string error;
    if (!ParseReportDescriptor(bytes.data(), bytes.size(), &info, &error)) {
        ASSERT_FALSE(error.empty());
        ASSERT_TRUE(info.collections.empty());
        return;
    }
    ++*accepted;
    const std::string broken = CheckTables(info);
    ASSERT_TRUE(broken.empty()) << broken;
    for (const HidCollectionCaps& caps : info.collections) {
        for (int type = 0; type < kHidReportTypeCount; ++type) {
            const auto items = BuildReportItems(caps, HidReportType(type));
            ASSERT_LE(items.size(), kMaxReportItems);
            for (const HidReportItem& item : items) {
                ASSERT_LE(item.Usages.size(), size_t(kMaxItemUsageListLength));
            }
        }
        auto items = BuildReportItems(caps, HidReportType::kInput);
        std::vector<uint8_t> report(caps.InputReportByteLength + 1);
        for (uint8_t& b : report) {
            b = uint8_t(random());
        }
        if (!caps.ReportIDs.empty()) {
            report[0] = caps.ReportIDs[random() % caps.ReportIDs.size()];
        }
        // Right length, then one byte too long: neither may read out of bounds.
        UnpackInputReport(caps, items, report.data(), caps.InputReportByteLength);
        UnpackInputReport(caps, items, report.data(), report.size());
    }
}

std::vector<std::vector<uint8_t>> Seeds() {
    std::vector<std::vector<uint8_t>> seeds;
    for (const char* kind : {"keyboard", "mouse", "pad", "headset"}) {
        for (const auto& entry : SimulatedDescriptors(kind)) {
            seeds.push_back(entry.descriptor);
        }
    }
    const std::string dir = ZENTOR_SHARED_DIR "/fixtures/hid";
    std::error_code ec;
    for (const auto& file : std::filesystem::directory_iterator(dir, ec)) {
        const std::string name = file.path().filename().string();
        std::vector<uint8_t> bytes;
        if (name.ends_with("_expected.rpt_desc") &&
            LoadReportDescriptorFile(file.path().string(), &bytes, nullptr)) {
            seeds.push_back(bytes);
        }
    }
    return seeds;
}

TEST(ReportDescriptorFuzzTest, RandomBytes) {
    std::mt19937 random(20261211);
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<uint8_t> bytes(random() % 160);
        for (uint8_t& b : bytes) {
            b = uint8_t(random());
        }
        Exercise(bytes, random, &accepted);
        if (HasFatalFailure()) {
            FAIL() << "round " << round;
        }
    }
}

// Real descriptors with bytes flipped, inserted, deleted or spliced from
// another descriptor: close to valid, so most mutations reach deep into the
// parser instead of failing on the first item.
TEST(ReportDescriptorFuzzTest, MutatedRealDescriptors) {
    const auto seeds = Seeds();
    ASSERT_FALSE(seeds.empty());
    std::mt19937 random(4242);
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<uint8_t> bytes = seeds[random() % seeds.size()];
        const int mutations = 1 + int(random() % 4);
        for (int m = 0; m < mutations && !bytes.empty(); ++m) {
            const size_t at = random() % bytes.size();
            switch (random() % 5) {
                case 0:
                    bytes[at] ^= uint8_t(1u << (random() % 8));
                    break;
                case 1:
                    bytes[at] = uint8_t(random());
                    break;
                case 2:
                    bytes.insert(bytes.begin() + at, uint8_t(random()));
                    break;
                case 3:
                    bytes.erase(bytes.begin() + at);
                    break;
                default: {
                    const auto& other = seeds[random() % seeds.size()];
                    const size_t from = random() % other.size();
                    const size_t count = std::min<size_t>(other.size() - from, random() % 16);
                    bytes.insert(bytes.begin() + at, other.begin() + from,
                                 other.begin() + from + count);
                    break;
                }
            }
        }
        Exercise(bytes, random, &accepted);
        if (HasFatalFailure()) {
            FAIL() << "round " << round;
        }
    }
    // Mutations that keep the structure must still parse, or the fuzzing never
    // got past the first items.
    EXPECT_GT(accepted, 1000);
}

// A range of 65536 value usages and thousands of wide arrays are legal; the
// report items built from them stay bounded.
TEST(ReportDescriptorFuzzTest, HugeTablesStayBounded) {
    std::vector<uint8_t> bytes = {
        0x06, 0x00, 0xFF,  // Usage Page (Vendor 0xFF00)
        0x09, 0x01,        // Usage (0x01)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x01,        //   Report ID (1)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x0F,  //   Logical Maximum (4095)
        0x75, 0x0C,        //   Report Size (12)
        0x96, 0xFF, 0x0F,  //   Report Count (4095)
        0x19, 0x00,        //   Usage Minimum (0)
        0x2A, 0xFF, 0xFF,  //   Usage Maximum (0xFFFF)
        0xB1, 0x02,        //   Feature (Data,Var,Abs): 65536 value usages
        0x75, 0x01,        //   Report Size (1)
        0x96, 0xE8, 0x03,  //   Report Count (1000)
    };
    // 100 reports of 50 one-usage arrays of 1000 fields each.
    for (int id = 1; id <= 100; ++id) {
        bytes.insert(bytes.end(), {0x85, uint8_t(id)});  // Report ID (id)
        for (int i = 0; i < 50; ++i) {
            bytes.insert(bytes.end(), {0x09, 0x01, 0x81, 0x00});  // Usage (1), Input (Array)
        }
    }
    bytes.push_back(0xC0);  // End Collection
    ReportDescriptorInfo info;
    std::string error;
    ASSERT_TRUE(ParseReportDescriptor(bytes.data(), bytes.size(), &info, &error)) << error;
    const HidCollectionCaps& caps = info.collections.at(0);
    EXPECT_EQ(caps.NumberOfCaps(HidReportType::kInput), 5000u);
    EXPECT_LE(BuildReportItems(caps, HidReportType::kFeature).size(), kMaxReportItems);
    size_t usages = 0;
    for (const HidReportItem& item : BuildReportItems(caps, HidReportType::kInput)) {
        EXPECT_LE(item.Usages.size(), size_t(kMaxItemUsageListLength));
        usages += item.Usages.size();
    }
    EXPECT_LE(usages, kMaxTotalItemUsages);
}

}  // namespace
}  // namespace device
