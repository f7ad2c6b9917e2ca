#include "platform/Trace.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(Trace, HexLineGroupsFourBytesWithThreeThenTwoBlanks) {
    uint8_t bytes[32];
    for (int i = 0; i < 32; ++i) {
        bytes[i] = static_cast<uint8_t>(i * 8 + 1);
    }
    EXPECT_EQ(platform::FormatHexLine(bytes),
              "01 09 11 19   21 29 31 39   41 49 51 59   61 69 71 79  "
              "81 89 91 99  a1 a9 b1 b9  c1 c9 d1 d9  e1 e9 f1 f9");
}

TEST(Trace, PacketIsTracedAsTwoLinesOfThirtyTwoBytes) {
    platform::ScopedTraceCapture capture;
    uint8_t packet[64] = {0x04, 0x01, 0x00, 0x01};
    packet[63] = 0xff;
    platform::TraceHexPacket(packet, sizeof packet);
    auto lines = capture.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 14), "04 01 00 01   ");
    EXPECT_EQ(lines[1].substr(lines[1].size() - 2), "ff");
    EXPECT_EQ(lines[1].substr(0, 11), "00 00 00 00");
}

TEST(Trace, ShortPacketIsPaddedWithZeros) {
    platform::ScopedTraceCapture capture;
    const uint8_t reply[3] = {0xaa, 0xbb, 0xcc};
    platform::TraceHexPacket(reply, sizeof reply);
    auto lines = capture.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 18), "aa bb cc 00   00 0");
}

TEST(Trace, LineEndingsOfTheTextsAreNotDoubled) {
    platform::ScopedTraceCapture capture;
    platform::Trace("线程退出：：对象处于激发状态\n");
    platform::TraceF("软件标示：%d", 49152);
    auto lines = capture.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "线程退出：：对象处于激发状态");
    EXPECT_EQ(lines[1], "软件标示：49152");
}

TEST(Trace, LongFormattedLinesAreKeptWhole) {
    platform::ScopedTraceCapture capture;
    std::string long_text(3000, 'x');
    platform::TraceF("[%s]", long_text.c_str());
    auto lines = capture.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 3002u);
    EXPECT_EQ(lines[0].back(), ']');
}

TEST(Trace, NestedCapturesRestoreTheOuterSink) {
    platform::ScopedTraceCapture outer;
    {
        platform::ScopedTraceCapture inner;
        platform::Trace("inner");
        EXPECT_TRUE(inner.Contains("inner"));
    }
    platform::Trace("outer");
    EXPECT_FALSE(outer.Contains("inner"));
    EXPECT_TRUE(outer.Contains("outer"));
}

}  // namespace
