// Our capability tables against the Windows HID parser's own, for captured
// descriptors of real keyboards, mice, receivers and headsets.
#include <gtest/gtest.h>

#include <filesystem>

#include "ReportDescriptorPpData.h"
#include "device/ReportDescriptor.h"
#include "device/ReportDescriptorText.h"

namespace device {
namespace {

const std::string kFixtureDir = ZENTOR_SHARED_DIR "/fixtures/hid";

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += "\n  " + line;
    }
    return text;
}

class ReportDescriptorFixtureTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(kFixtureDir)) {
            GTEST_SKIP() << "no captured HID fixtures in " << kFixtureDir;
        }
        m_cases = test::FixtureCases(kFixtureDir);
        ASSERT_FALSE(m_cases.empty()) << "no .pp_data files in " << kFixtureDir;
    }

    static test::PpData Windows(const std::string& name) {
        test::PpData pp;
        EXPECT_TRUE(test::LoadPpData(kFixtureDir + "/" + name + ".pp_data", &pp)) << name;
        return pp;
    }

    std::vector<std::string> m_cases;
};

// The per-collection descriptor gives exactly the Windows tables.
TEST_F(ReportDescriptorFixtureTest, CollectionDescriptorMatchesWindowsCaps) {
    for (const std::string& name : m_cases) {
        SCOPED_TRACE(name);
        const test::PpData windows = Windows(name);
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(LoadReportDescriptorFile(kFixtureDir + "/" + name + "_expected.rpt_desc",
                                             &bytes, &error))
            << error;
        ReportDescriptorInfo info;
        ASSERT_TRUE(ParseReportDescriptor(bytes.data(), bytes.size(), &info, &error)) << error;
        ASSERT_EQ(info.collections.size(), 1u);
        EXPECT_EQ(info.collections[0].CollectionNumber, 1);
        const auto differences = test::ComparePpData(info.collections[0], windows);
        EXPECT_TRUE(differences.empty()) << name << Join(differences);
    }
}

// The whole interface as captured on the device: the collection with the
// case's usage, found among its siblings, gives the same tables. Some dumps
// hold another interface of the device or were cut short by the tool that
// printed them; those cannot show the collection and are listed, not failed.
TEST_F(ReportDescriptorFixtureTest, InterfaceDescriptorMatchesWindowsCaps) {
    int compared = 0;
    for (const std::string& name : m_cases) {
        SCOPED_TRACE(name);
        const test::PpData windows = Windows(name);
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(
            LoadReportDescriptorFile(kFixtureDir + "/" + name + "_real.rpt_desc", &bytes, &error))
            << error;
        ReportDescriptorInfo info;
        if (!ParseReportDescriptor(bytes.data(), bytes.size(), &info, &error)) {
            std::printf("  %s: interface dump not usable (%s)\n", name.c_str(), error.c_str());
            continue;
        }
        const HidCollectionCaps* match = nullptr;
        for (const HidCollectionCaps& collection : info.collections) {
            if (collection.UsagePage == windows.usagePage && collection.Usage == windows.usage) {
                match = &collection;
            }
        }
        if (match == nullptr) {
            std::printf("  %s: interface dump lacks the collection\n", name.c_str());
            continue;
        }
        ++compared;
        const auto differences = test::ComparePpData(*match, windows);
        EXPECT_TRUE(differences.empty()) << name << Join(differences);
    }
    // Most dumps are whole and usable; a reader that loses them all is broken.
    EXPECT_GE(compared * 2, int(m_cases.size()));
}

}  // namespace
}  // namespace device
