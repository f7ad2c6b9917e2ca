// The wire form of one message on the local message bus: a registered message
// travels by name, with wParam, lParam and an optional block of bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct BusMessage {
    std::string name;
    int64_t wParam = 0;
    int64_t lParam = 0;
    std::vector<uint8_t> data;  // a WM_COPYDATA-style block; empty when none
};

enum class BusFrameKind : uint8_t { kPost = 1, kAck = 2 };

// Frames larger than this are refused: nothing on the bus needs more.
constexpr std::size_t kMaxBusFrame = 16u * 1024u * 1024u;

// Encodes one frame: length (4 bytes, little-endian, not counting itself),
// kind, name length (2), name (UTF-8), wParam (8), lParam (8), data length (4),
// data.
std::vector<uint8_t> EncodeBusFrame(BusFrameKind kind, const BusMessage& message);

enum class BusDecode { kNeedMore, kFrame, kBad };

// Decodes the first frame of buffer. On kFrame, consumed says how many bytes it
// used. kBad means the stream cannot be trusted any more.
BusDecode DecodeBusFrame(const uint8_t* buffer, std::size_t size, BusFrameKind* kind,
                         BusMessage* message, std::size_t* consumed);

}  // namespace platform
