#include "pages/LightTables.h"

namespace pages {
namespace {

constexpr std::array<uint8_t, 64> kRise64 = {
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  12,  14,  16,  18,  20,
    22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
    77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};

constexpr std::array<uint8_t, 32> kUp = {1,   3,   5,   7,   10,  14,  18,  22,  26,  32,  38,
                                         44,  50,  57,  65,  73,  81,  89,  99,  109, 119, 129,
                                         140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
constexpr std::array<uint8_t, 32> kDown = {248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124,
                                           114, 104, 94,  85,  77,  69,  61,  53,  47,  41,  35,
                                           29,  24,  20,  16,  12,  8,   6,   4,   2,   0};

}  // namespace

const std::array<uint8_t, 5> kBrightnessValues = {0, 80, 135, 195, 255};
const std::array<uint8_t, 5> kBlinkPeriods = {28, 23, 18, 13, 7};
const std::array<uint8_t, 5> kFrameTicks10 = {10, 8, 5, 3, 1};
const std::array<LedColor, 4> kFourColourPalette = {
    LedColor{0, 255, 180, 0}, LedColor{0, 255, 0, 0}, LedColor{255, 255, 255, 0},
    LedColor{255, 0, 0, 0}};

LedColor Wheel(uint8_t index) {
    int i = index % 192;
    int s = i / 32;
    uint8_t k = static_cast<uint8_t>(i % 32);
    switch (s) {
        case 0:
            return {255, kUp[k], 0, 0};
        case 1:
            return {kDown[k], 255, 0, 0};
        case 2:
            return {0, 255, kUp[k], 0};
        case 3:
            return {0, kDown[k], 255, 0};
        case 4:
            return {kUp[k], 0, 255, 0};
        default:
            return {255, 0, kDown[k], 0};
    }
}

uint8_t Breath128(int step) {
    step &= 127;
    return step < 64 ? kRise64[step] : kRise64[127 - step];
}

}  // namespace pages
