// The constant tables of the lighting preview: brightness values, blink
// periods, the four-colour palette, the colour wheel and the breathing curve.
#pragma once

#include <array>
#include <cstdint>

#include "pages/PageTypes.h"

namespace pages {

// Brightness level 0..4 to the intensity A of a lit LED.
extern const std::array<uint8_t, 5> kBrightnessValues;
// Speed level 0..4 to the blink period in units of 200 ms.
extern const std::array<uint8_t, 5> kBlinkPeriods;
// Speed level 0..4 to the worker ticks between two frames of most modes.
extern const std::array<uint8_t, 5> kFrameTicks10;
extern const std::array<LedColor, 4> kFourColourPalette;

// The colour wheel; any byte indexes it (entries 192..255 repeat 0..63).
LedColor Wheel(uint8_t index);
// The 128-step breathing curve.
uint8_t Breath128(int step);

}  // namespace pages
