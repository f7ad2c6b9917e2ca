// zentor-probe --caps: the JSON it prints for a descriptor file and its
// command line.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CapsJson.h"
#include "ProbeOptions.h"
#include "device/SimulatedDescriptors.h"

namespace {

namespace fs = std::filesystem;

Json::Value ParseJson(const std::string& text) {
    Json::Value root;
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    EXPECT_TRUE(reader->parse(text.data(), text.data() + text.size(), &root, &errors)) << errors;
    return root;
}

class ProbeCapsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("zentor-probe-test-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    std::string Write(const std::string& name, const std::string& contents) {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path.string();
    }
    int Run(const std::string& path) {
        m_out.str("");
        m_err.str("");
        return RunCapsCommand(path, m_out, m_err);
    }

    fs::path m_dir;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

// A captured dump (a hex listing followed by an annotated C array) of a
// receiver's system control collection, whose Windows capabilities are known:
// three array usages in one 2-bit field of report 4, stored last usage first.
TEST_F(ProbeCapsTest, PrintsTheWindowsCapabilitiesOfACapturedDescriptor) {
    const std::string path = ZENTOR_SHARED_DIR "/fixtures/hid/046D_C534_0080_0001_real.rpt_desc";
    if (!fs::exists(path)) {
        GTEST_SKIP() << "no captured HID fixtures";
    }
    ASSERT_EQ(Run(path), 0) << m_err.str();
    EXPECT_EQ(m_err.str(), "");
    const Json::Value json = ParseJson(m_out.str());
    ASSERT_EQ(json.size(), 1u);
    const Json::Value& collection = json[0];
    EXPECT_EQ(collection["UsagePage"].asInt(), 0x01);
    EXPECT_EQ(collection["Usage"].asInt(), 0x80);
    EXPECT_EQ(collection["InputReportByteLength"].asInt(), 2);
    EXPECT_EQ(collection["OutputReportByteLength"].asInt(), 0);
    EXPECT_EQ(collection["FeatureReportByteLength"].asInt(), 0);
    const Json::Value& caps = collection["caps"];
    ASSERT_EQ(caps.size(), 3u);
    const int usages[] = {0x83, 0x81, 0x82};
    for (Json::ArrayIndex i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const Json::Value& cap = caps[i];
        EXPECT_EQ(cap["ReportType"].asString(), "input");
        EXPECT_TRUE(cap["IsButtonCap"].asBool());
        EXPECT_EQ(cap["ReportID"].asInt(), 4);
        EXPECT_EQ(cap["UsagePage"].asInt(), 1);
        EXPECT_FALSE(cap["IsRange"].asBool());
        EXPECT_EQ(cap["UsageMin"].asInt(), usages[i]);
        EXPECT_EQ(cap["UsageMax"].asInt(), usages[i]);
        EXPECT_EQ(cap["LogicalMin"].asInt(), 1);
        EXPECT_EQ(cap["LogicalMax"].asInt(), 3);
        EXPECT_EQ(cap["PhysicalMin"].asInt(), 0);
        EXPECT_EQ(cap["PhysicalMax"].asInt(), 0);
        EXPECT_EQ(cap["BitSize"].asInt(), 2);
        EXPECT_EQ(cap["ReportCount"].asInt(), 1);
        EXPECT_EQ(cap["LinkCollection"].asInt(), 0);
    }
}

// The same descriptor as raw bytes, as a C array and as plain hex prints the
// same JSON.
TEST_F(ProbeCapsTest, BinaryCArrayAndPlainHexFilesAgree) {
    const std::vector<uint8_t> bytes = device::SimulatedDescriptor("keyboard");
    std::string binary(bytes.begin(), bytes.end());
    std::string cArray = "// keyboard, interface 1\n";
    std::string plain;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char text[8];
        std::snprintf(text, sizeof(text), "0x%02X, ", bytes[i]);
        cArray += text;
        std::snprintf(text, sizeof(text), "%02x ", bytes[i]);
        plain += text;
        if (i % 8 == 7) {
            cArray += "  /* 0x1234 */\n";
            plain += "\n";
        }
    }
    ASSERT_EQ(Run(Write("keyboard.bin", binary)), 0) << m_err.str();
    const std::string fromBinary = m_out.str();
    ASSERT_EQ(Run(Write("keyboard.h", cArray)), 0) << m_err.str();
    EXPECT_EQ(m_out.str(), fromBinary);
    ASSERT_EQ(Run(Write("keyboard.txt", plain)), 0) << m_err.str();
    EXPECT_EQ(m_out.str(), fromBinary);

    const Json::Value json = ParseJson(fromBinary);
    ASSERT_EQ(json.size(), 4u);
    const Json::Value& vendor = json[3];
    EXPECT_EQ(vendor["CollectionNumber"].asInt(), 4);
    EXPECT_EQ(vendor["UsagePage"].asInt(), 0xFF1C);
    EXPECT_EQ(vendor["Usage"].asInt(), 0x92);
    EXPECT_EQ(vendor["InputReportByteLength"].asInt(), 64);
    EXPECT_EQ(vendor["OutputReportByteLength"].asInt(), 64);
    ASSERT_EQ(vendor["caps"].size(), 2u);
    EXPECT_EQ(vendor["caps"][1]["ReportType"].asString(), "output");
    EXPECT_FALSE(vendor["caps"][1]["IsButtonCap"].asBool());
    EXPECT_EQ(vendor["caps"][1]["LogicalMax"].asInt(), 255);
    EXPECT_EQ(vendor["caps"][1]["ReportCount"].asInt(), 63);
}

TEST_F(ProbeCapsTest, BadFilesFailWithAMessage) {
    struct Row {
        const char* name;
        std::string path;
    };
    const Row rows[] = {
        {"missing", (m_dir / "missing.bin").string()},
        {"empty", Write("empty.bin", "")},
        {"text without bytes", Write("notes.txt", "nothing to see here\n")},
        {"cut short", Write("cut.txt", "05 01 09 06 a1 01 05")},
        {"not a descriptor", Write("junk.bin", std::string("\x01\x02\x03\x04", 4))},
        {"a directory", m_dir.string()},
        {"a device node that never ends", "/dev/zero"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Run(row.path), 1);
        EXPECT_EQ(m_out.str(), "");
        EXPECT_NE(m_err.str().find("zentor-probe: "), std::string::npos) << m_err.str();
    }
}

TEST(ProbeOptionsTest, CommandLine) {
    struct Row {
        std::vector<std::string> args;
        bool ok;
        ProbeCommand command;
        std::string capsFile;
    };
    const Row rows[] = {
        {{"--caps", "desc.bin"}, true, ProbeCommand::kCaps, "desc.bin"},
        {{"--help"}, true, ProbeCommand::kHelp, ""},
        {{"--caps"}, false, ProbeCommand::kHelp, ""},
        {{}, false, ProbeCommand::kHelp, ""},
        {{"--bogus"}, false, ProbeCommand::kHelp, ""},
        {{"--caps", "a", "--caps", "b"}, false, ProbeCommand::kHelp, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        ProbeOptions options;
        std::string error;
        EXPECT_EQ(ParseProbeOptions(row.args, &options, &error), row.ok);
        if (row.ok) {
            EXPECT_EQ(options.command, row.command);
            EXPECT_EQ(options.capsFile, row.capsFile);
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
}

}  // namespace
