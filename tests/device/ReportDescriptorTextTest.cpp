// Descriptor bytes from the text forms people paste: annotated C arrays, tool
// dumps with headings, plain hex.
#include <gtest/gtest.h>

#include "device/ReportDescriptorText.h"

namespace device {
namespace {

TEST(ReportDescriptorTextTest, ReadsTheBytesOfEachForm) {
    struct Row {
        const char* name;
        const char* text;
        std::vector<uint8_t> bytes;
    };
    const Row rows[] = {
        {"annotated C array",
         "0x06, 0x00, 0xFF,  // Usage Page (Vendor Defined 0xFF00)\n"
         "0xA1, 0x01,        /* Collection (0x01) */\n"
         "0xc0 };\n",
         {0x06, 0x00, 0xFF, 0xA1, 0x01, 0xC0}},
        {"dump with a heading and a hex listing before the array",
         "macOS USB Prober about 0x047F/0xC056\n"
         "Type:   0x22  (Report Descriptor)\n"
         "05 0C 09 01\n"
         "Parser output:\n"
         "0x05, 0x0C,  // Usage Page (Consumer)\n"
         "0x09, 0x01,  // Usage (Consumer Control)\n",
         {0x05, 0x0C, 0x09, 0x01}},
        {"plain hex", "05 0c\r\n\ta1 01, c0\n", {0x05, 0x0C, 0xA1, 0x01, 0xC0}},
        {"item listing with the bytes after each name",
         "Usage Page (Generic Desktop) 05 01\n"
         "    Logical Minimum (-127) 15 81\n"
         "End Collection C0\n",
         {0x05, 0x01, 0x15, 0x81, 0xC0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(ParseReportDescriptorText(row.text, &bytes, &error)) << error;
        EXPECT_EQ(bytes, row.bytes);
        EXPECT_FALSE(LooksBinary(row.text));
    }
}

TEST(ReportDescriptorTextTest, TextWithoutBytesIsRefused) {
    for (const char* text : {"", "no descriptor here", "0x1234 0xABCDEF", "abc 123 (Usage)"}) {
        SCOPED_TRACE(text);
        std::vector<uint8_t> bytes = {1};
        std::string error;
        EXPECT_FALSE(ParseReportDescriptorText(text, &bytes, &error));
        EXPECT_TRUE(bytes.empty());
        EXPECT_FALSE(error.empty());
    }
}

TEST(ReportDescriptorTextTest, RawDescriptorsLookBinary) {
    EXPECT_TRUE(LooksBinary(std::string("\x05\x01\x09\x06\xA1\x01", 6)));
    EXPECT_TRUE(LooksBinary(std::string("\xC0\x00", 2)));
    EXPECT_FALSE(LooksBinary("05 01 09 06\n"));
}

}  // namespace
}  // namespace device
