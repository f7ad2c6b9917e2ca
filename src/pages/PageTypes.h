// Small types shared by the device pages and the controls and editors they
// drive: the colour of one LED, the page kinds, and the narrow interfaces
// through which a page reaches a key button, its power control and its
// lighting editor without knowing their classes.
#pragma once

#include <cstdint>

namespace pages {

// Kinds of device page.
enum DeviceKind : int {
    kDeviceKeyboard = 1,
    kDeviceMouse = 2,
    kDeviceMousePad = 3,
    kDeviceHeadset = 7,
};

// One LED of a frame. A is the intensity R, G and B are scaled by
// (value * A >> 8) when the frame is streamed.
struct LedColor {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    uint8_t A = 0;

    // As the picture's key buttons take a colour: R | G << 8 | B << 16.
    uint32_t Rgb() const { return R | (G << 8) | (static_cast<uint32_t>(B) << 16); }
    bool operator==(const LedColor&) const = default;
};
static_assert(sizeof(LedColor) == 4);

// The most LEDs a page drives (a streamed frame is at most 510 bytes).
constexpr int kMaxLedCount = 170;

// A button of the device picture that shows the colour of one LED.
class IKeyLightButton {
public:
    virtual ~IKeyLightButton() = default;
    // Stores colour (R | G << 8 | B << 16), alpha and lit without repainting.
    virtual void SetKeyLight(uint32_t color, int alpha, bool lit) = 0;
    virtual uint32_t GetKeyLightColor() const = 0;
    virtual int GetKeyLightAlpha() const = 0;
    virtual bool IsKeyLit() const = 0;
};

// The device's power status control, as the page talks to it.
class IPagePowerControl {
public:
    virtual ~IPagePowerControl() = default;
    virtual void SetHasPowerStatus(int flag) = 0;
    // The device's status block: battery level, power state, wireless flag, ...
    virtual void ShowStatus(const uint8_t* bytes, std::size_t length) = 0;
};

// The lighting editor, as the page exchanges audio lighting settings with it.
class IPageLightEditor {
public:
    virtual ~IPageLightEditor() = default;
    virtual void SetAudioLight(int styleAndBackground, int foreground, uint8_t colourType) = 0;
    virtual void GetAudioLight(int& styleAndBackground, int& foreground, int& colourType) = 0;
};

}  // namespace pages
