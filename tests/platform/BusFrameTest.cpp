#include "platform/BusFrame.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using platform::BusDecode;
using platform::BusFrameKind;
using platform::BusMessage;

BusMessage Sample() {
    BusMessage message;
    message.name = "Game_Start";
    message.wParam = 2;
    message.lParam = -7;
    message.data = {0x00, 0xff, 0x10};
    return message;
}

TEST(BusFrame, RoundTripKeepsEveryField) {
    auto frame = platform::EncodeBusFrame(BusFrameKind::kPost, Sample());
    BusFrameKind kind;
    BusMessage decoded;
    std::size_t consumed = 0;
    ASSERT_EQ(platform::DecodeBusFrame(frame.data(), frame.size(), &kind, &decoded, &consumed),
              BusDecode::kFrame);
    EXPECT_EQ(kind, BusFrameKind::kPost);
    EXPECT_EQ(consumed, frame.size());
    EXPECT_EQ(decoded.name, "Game_Start");
    EXPECT_EQ(decoded.wParam, 2);
    EXPECT_EQ(decoded.lParam, -7);
    EXPECT_EQ(decoded.data, Sample().data);
}

TEST(BusFrame, EveryShorterPrefixAsksForMore) {
    auto frame = platform::EncodeBusFrame(BusFrameKind::kPost, Sample());
    for (std::size_t size = 0; size < frame.size(); ++size) {
        BusFrameKind kind;
        BusMessage decoded;
        std::size_t consumed = 0;
        EXPECT_EQ(platform::DecodeBusFrame(frame.data(), size, &kind, &decoded, &consumed),
                  BusDecode::kNeedMore)
            << "prefix of " << size << " bytes";
    }
}

TEST(BusFrame, TwoFramesInOneBufferDecodeOneAfterTheOther) {
    auto first = platform::EncodeBusFrame(BusFrameKind::kPost, Sample());
    BusMessage ack;
    ack.wParam = 1;
    auto second = platform::EncodeBusFrame(BusFrameKind::kAck, ack);
    std::vector<uint8_t> stream(first);
    stream.insert(stream.end(), second.begin(), second.end());
    BusFrameKind kind;
    BusMessage decoded;
    std::size_t consumed = 0;
    ASSERT_EQ(platform::DecodeBusFrame(stream.data(), stream.size(), &kind, &decoded, &consumed),
              BusDecode::kFrame);
    ASSERT_EQ(consumed, first.size());
    ASSERT_EQ(platform::DecodeBusFrame(stream.data() + consumed, stream.size() - consumed, &kind,
                                       &decoded, &consumed),
              BusDecode::kFrame);
    EXPECT_EQ(kind, BusFrameKind::kAck);
    EXPECT_EQ(decoded.wParam, 1);
}

TEST(BusFrame, InconsistentOrHugeFramesAreRefused) {
    struct Case {
        const char* what;
        void (*spoil)(std::vector<uint8_t>&);
    } cases[] = {
        {"unknown kind", [](std::vector<uint8_t>& f) { f[4] = 9; }},
        {"name longer than frame",
         [](std::vector<uint8_t>& f) {
             f[5] = 0xff;
             f[6] = 0xff;
         }},
        {"data length disagrees", [](std::vector<uint8_t>& f) { f[f.size() - 4] ^= 1; }},
        {"length below fixed part",
         [](std::vector<uint8_t>& f) {
             f[0] = 3;
             f[1] = f[2] = f[3] = 0;
         }},
        {"length over limit", [](std::vector<uint8_t>& f) { f[3] = 0x7f; }},
    };
    for (const Case& c : cases) {
        BusMessage message = Sample();
        message.data.clear();
        auto frame = platform::EncodeBusFrame(BusFrameKind::kPost, message);
        c.spoil(frame);
        BusFrameKind kind;
        BusMessage decoded;
        std::size_t consumed = 0;
        EXPECT_EQ(platform::DecodeBusFrame(frame.data(), frame.size(), &kind, &decoded, &consumed),
                  BusDecode::kBad)
            << c.what;
    }
}

}  // namespace
