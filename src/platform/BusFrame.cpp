#include "platform/BusFrame.h"

namespace platform {
namespace {

constexpr std::size_t kFixedBody = 1 + 2 + 8 + 8 + 4;  // kind, name length, w, l, data length

void PutLe(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

uint64_t GetLe(const uint8_t* in, int bytes) {
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<uint64_t>(in[i]) << (8 * i);
    }
    return value;
}

}  // namespace

std::vector<uint8_t> EncodeBusFrame(BusFrameKind kind, const BusMessage& message) {
    std::size_t nameSize = message.name.size() > 0xFFFF ? 0xFFFF : message.name.size();
    std::size_t body = kFixedBody + nameSize + message.data.size();
    std::vector<uint8_t> out;
    out.reserve(4 + body);
    PutLe(out, body, 4);
    out.push_back(static_cast<uint8_t>(kind));
    PutLe(out, nameSize, 2);
    out.insert(out.end(), message.name.begin(), message.name.begin() + nameSize);
    PutLe(out, static_cast<uint64_t>(message.wParam), 8);
    PutLe(out, static_cast<uint64_t>(message.lParam), 8);
    PutLe(out, message.data.size(), 4);
    out.insert(out.end(), message.data.begin(), message.data.end());
    return out;
}

BusDecode DecodeBusFrame(const uint8_t* buffer, std::size_t size, BusFrameKind* kind,
                         BusMessage* message, std::size_t* consumed) {
    if (size < 4) {
        return BusDecode::kNeedMore;
    }
    std::size_t body = GetLe(buffer, 4);
    if (body < kFixedBody || body > kMaxBusFrame) {
        return BusDecode::kBad;
    }
    if (size < 4 + body) {
        return BusDecode::kNeedMore;
    }
    const uint8_t* p = buffer + 4;
    uint8_t rawKind = p[0];
    if (rawKind != static_cast<uint8_t>(BusFrameKind::kPost) &&
        rawKind != static_cast<uint8_t>(BusFrameKind::kAck)) {
        return BusDecode::kBad;
    }
    std::size_t nameSize = GetLe(p + 1, 2);
    if (kFixedBody + nameSize > body) {
        return BusDecode::kBad;
    }
    const uint8_t* name = p + 3;
    const uint8_t* rest = name + nameSize;
    std::size_t dataSize = GetLe(rest + 16, 4);
    if (kFixedBody + nameSize + dataSize != body) {
        return BusDecode::kBad;
    }
    *kind = static_cast<BusFrameKind>(rawKind);
    message->name.assign(reinterpret_cast<const char*>(name), nameSize);
    message->wParam = static_cast<int64_t>(GetLe(rest, 8));
    message->lParam = static_cast<int64_t>(GetLe(rest + 8, 8));
    message->data.assign(rest + 20, rest + 20 + dataSize);
    *consumed = 4 + body;
    return BusDecode::kFrame;
}

}  // namespace platform
