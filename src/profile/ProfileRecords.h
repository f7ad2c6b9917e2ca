// The decoded sections of a profile: plain records the device pages and the
// editors exchange with the profile data objects.
#pragma once

#include <cstdint>
#include <string>

namespace profile {

// The lighting settings of a profile ("LightInfo"), fourteen bytes in the
// order the device pages keep them. Bytes 8 to 10 are not stored in the file.
struct LightInfo {
    uint8_t selectItem = 0;
    uint8_t light = 0;
    uint8_t speed = 0;
    uint8_t fx = 0;
    uint8_t multiColor = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t reserved8 = 0;
    uint8_t reserved9 = 0;
    uint8_t reserved10 = 0;
    uint8_t zzccLedMode = 0;
    uint8_t customGroup = 0;
    uint8_t oldLedmode = 0;
};
static_assert(sizeof(LightInfo) == 14);

// The four words the pages and the lighting editor pass lighting settings in:
// word 1 = bytes 0..3 (SelectItem lowest), word 2 = bytes 4..7, word 3 =
// bytes 8..11 (ZZCCLedMode highest), word 4 = bytes 12..13.
struct LightWords {
    uint32_t w1 = 0;
    uint32_t w2 = 0;
    uint32_t w3 = 0;
    uint16_t w4 = 0;
};
LightWords ToWords(const LightInfo& info);
LightInfo FromWords(const LightWords& words);

// The audio-reactive lighting settings ("AudioLightInfo").
struct AudioLightInfo {
    uint8_t audioMode = 0;
    uint8_t bkColorR = 0;
    uint8_t bkColorG = 0;
    uint8_t bkColorB = 0;
    uint8_t fgColorR = 0;
    uint8_t fgColorG = 0;
    uint8_t fgColorB = 0;
    uint8_t sevenColorFlags = 0;
    uint8_t colorTypeFlags = 0;
};
static_assert(sizeof(AudioLightInfo) == 9);

// One "LightList" element, in the shape of LightInfo; `defined` is 1 when the
// element was an object and 0 when it was null.
struct AreaLight {
    uint8_t regMode = 0;
    uint8_t brightness = 0;
    uint8_t speed = 0;
    uint8_t direction = 0;
    uint8_t multiColor = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t reserved8 = 0;
    uint8_t reserved9 = 0;
    uint8_t defined = 0;
    uint8_t reserved11 = 0;
    uint8_t reserved12 = 0;
    uint8_t reserved13 = 0;
};
static_assert(sizeof(AreaLight) == 14);

// One step of a user light effect; `time` is its duration in milliseconds.
struct EffectStep {
    uint8_t regMode = 0;
    uint8_t brightness = 0;
    uint8_t speed = 0;
    uint8_t direction = 0;
    uint8_t multiColor = 0;
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t reserved[8] = {};
    int32_t time = 0;
    int32_t cyle = 0;
};
static_assert(sizeof(EffectStep) == 24);

// A key code: family (type) and two parameters, stored in the file as the
// integer type << 16 | parameter 1 << 8 | parameter 2.
struct AssignmentCode {
    uint8_t type = 0;
    uint8_t param1 = 0;
    uint8_t param2 = 0;

    uint32_t Value() const {
        return static_cast<uint32_t>(type) << 16 | static_cast<uint32_t>(param1) << 8 | param2;
    }
    static AssignmentCode FromValue(uint32_t value) {
        return {static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
                static_cast<uint8_t>(value)};
    }
    bool operator==(const AssignmentCode&) const = default;
};

// One key position of "KeyList" with its current and default code.
struct KeyEntry {
    uint16_t position = 0;
    AssignmentCode code;
    uint16_t positionAgain = 0;
    AssignmentCode defaultCode;
};

// One mouse DPI stage; the DPI values are in the mouse's slider units.
struct DpiStage {
    uint8_t stageActive = 0;
    uint8_t stageXY = 0;
    uint16_t stageDPIX = 0;
    uint16_t stageDPIY = 0;
    uint8_t stageColorR = 0;
    uint8_t stageColorG = 0;
    uint8_t stageColorB = 0;
    bool operator==(const DpiStage&) const = default;
};

// One mouse sensor correction entry of "CorrectInfo".
struct CorrectEntry {
    uint8_t correctPixThresh = 0;
    uint8_t correctMinSq = 0;
    uint8_t correctSelect = 0;
    std::wstring correctName;
};

// One colour of a keyboard custom colour group.
struct CustomColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;
    bool operator==(const CustomColor&) const = default;
};

// Three 32-bit words holding pairs of 16-bit settings (low half first).
struct SystemWords {
    uint32_t a = 0;
    uint32_t b = 0;
    uint32_t c = 0;
};

}  // namespace profile
