#include "profile/ProfileRecords.h"

namespace profile {
namespace {

uint32_t Pack(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t b3) {
    return static_cast<uint32_t>(b0) | static_cast<uint32_t>(b1) << 8 |
           static_cast<uint32_t>(b2) << 16 | static_cast<uint32_t>(b3) << 24;
}

uint8_t Byte(uint32_t word, int index) {
    return static_cast<uint8_t>(word >> (8 * index));
}

}  // namespace

LightWords ToWords(const LightInfo& info) {
    LightWords words;
    words.w1 = Pack(info.selectItem, info.light, info.speed, info.fx);
    words.w2 = Pack(info.multiColor, info.red, info.green, info.blue);
    words.w3 = Pack(info.reserved8, info.reserved9, info.reserved10, info.zzccLedMode);
    words.w4 = static_cast<uint16_t>(info.customGroup | info.oldLedmode << 8);
    return words;
}

LightInfo FromWords(const LightWords& words) {
    LightInfo info;
    info.selectItem = Byte(words.w1, 0);
    info.light = Byte(words.w1, 1);
    info.speed = Byte(words.w1, 2);
    info.fx = Byte(words.w1, 3);
    info.multiColor = Byte(words.w2, 0);
    info.red = Byte(words.w2, 1);
    info.green = Byte(words.w2, 2);
    info.blue = Byte(words.w2, 3);
    info.reserved8 = Byte(words.w3, 0);
    info.reserved9 = Byte(words.w3, 1);
    info.reserved10 = Byte(words.w3, 2);
    info.zzccLedMode = Byte(words.w3, 3);
    info.customGroup = Byte(words.w4, 0);
    info.oldLedmode = Byte(words.w4, 1);
    return info;
}

}  // namespace profile
