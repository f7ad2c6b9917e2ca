// Our capability tables against the Windows HID parser's own, for captured
// descriptors of real keyboards, mice, receivers and headsets.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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

// The descriptor bytes of a captured interface dump. Dumps of one tool list
// the whole interface as hex after "DESCRIPTOR:" and then print one collection
// as a C array; take the whole listing there.
std::vector<uint8_t> InterfaceBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    std::vector<uint8_t> bytes;
    const size_t listing = text.find("DESCRIPTOR:");
    if (listing != std::string::npos) {
        const size_t end = text.find("bytes)", listing);
        EXPECT_TRUE(
            ParseReportDescriptorText(text.substr(listing, end - listing), &bytes, nullptr));
        return bytes;
    }
    EXPECT_TRUE(LoadReportDescriptorFile(path, &bytes, nullptr)) << path;
    return bytes;
}

// The descriptor as captured on the device, often the whole interface with
// sibling collections and other report IDs: the collection with the case's
// usage gives the same tables. (A Bluetooth mouse's interface holds two
// consumer collections; the one that matches is taken.)
TEST_F(ReportDescriptorFixtureTest, InterfaceDescriptorMatchesWindowsCaps) {
    int wholeInterfaces = 0;
    for (const std::string& name : m_cases) {
        SCOPED_TRACE(name);
        const test::PpData windows = Windows(name);
        const std::vector<uint8_t> bytes =
            InterfaceBytes(kFixtureDir + "/" + name + "_real.rpt_desc");
        ReportDescriptorInfo info;
        std::string error;
        ASSERT_TRUE(ParseReportDescriptor(bytes.data(), bytes.size(), &info, &error)) << error;
        if (info.collections.size() > 1) {
            ++wholeInterfaces;
        }
        std::vector<std::string> differences = {"no collection with the case's usage"};
        for (const HidCollectionCaps& collection : info.collections) {
            if (collection.UsagePage == windows.usagePage && collection.Usage == windows.usage &&
                !differences.empty()) {
                differences = test::ComparePpData(collection, windows);
            }
        }
        EXPECT_TRUE(differences.empty()) << name << Join(differences);
    }
    EXPECT_GT(wholeInterfaces, 0) << "no dump held a whole interface";
}

}  // namespace
}  // namespace device
