#include "profile/DefaultKeyCodes.h"

#include <array>

namespace profile {
namespace {

constexpr AssignmentCode Key(uint8_t usage) {
    return {0x20, 0x00, usage};
}
constexpr AssignmentCode Modifier(uint8_t bit) {
    return {0x20, bit, 0x00};
}

// Positions follow the keyboard picture row by row; the HID usage names are
// in the comments.
// clang-format off
constexpr std::array<AssignmentCode, 126> kKeyboardCodes = {{
    Key(0x29),                                                         // 0 Esc
    Key(0x3A), Key(0x3B), Key(0x3C), Key(0x3D), Key(0x3E), Key(0x3F),  // 1-6 F1-F6
    Key(0x40), Key(0x41), Key(0x42), Key(0x43), Key(0x44), Key(0x45),  // 7-12 F7-F12
    Key(0x46), Key(0x47), Key(0x48),                                   // 13-15 PrtSc ScrLk Pause
    {0xA0, 0x1B, 0x00}, {0xA0, 0x24, 0x00},                            // 16-17 keyboard functions
    kNoKeyCode, kNoKeyCode, kNoKeyCode,                                // 18-20
    Key(0x35),                                                         // 21 grave accent
    Key(0x1E), Key(0x1F), Key(0x20), Key(0x21), Key(0x22),             // 22-26 1-5
    Key(0x23), Key(0x24), Key(0x25), Key(0x26), Key(0x27),             // 27-31 6-0
    Key(0x2D), Key(0x2E), Key(0x2A),                                   // 32-34 - = Backspace
    Key(0x49), Key(0x4A), Key(0x4B),                                   // 35-37 Insert Home PgUp
    Key(0x53), Key(0x54), Key(0x55), Key(0x56),                        // 38-41 NumLock / * -
    Key(0x2B),                                                         // 42 Tab
    Key(0x14), Key(0x1A), Key(0x08), Key(0x15), Key(0x17),             // 43-47 Q W E R T
    Key(0x1C), Key(0x18), Key(0x0C), Key(0x12), Key(0x13),             // 48-52 Y U I O P
    Key(0x2F), Key(0x30), Key(0x31),                                   // 53-55 [ ] backslash
    Key(0x4C), Key(0x4D), Key(0x4E),                                   // 56-58 Del End PgDn
    Key(0x5F), Key(0x60), Key(0x61),                                   // 59-61 Keypad 7 8 9
    Key(0x32), Key(0x39),                                              // 62-63 Non-US # CapsLock
    Key(0x04), Key(0x16), Key(0x07), Key(0x09), Key(0x0A),             // 64-68 A S D F G
    Key(0x0B), Key(0x0D), Key(0x0E), Key(0x0F),                        // 69-72 H J K L
    Key(0x33), Key(0x34), Key(0x28),                                   // 73-75 ; ' Enter
    Key(0x5C), Key(0x5D), Key(0x5E),                                   // 76-78 Keypad 4 5 6
    Key(0x8A), Key(0x8B), Key(0x90), Key(0x91), Key(0x88),             // 79-83 Intl4 Intl5 LANG1 LANG2 Intl2
    Modifier(0x02),                                                    // 84 left Shift
    Key(0x1D), Key(0x1B), Key(0x06), Key(0x19), Key(0x05),             // 85-89 Z X C V B
    Key(0x11), Key(0x10), Key(0x36), Key(0x37), Key(0x38),             // 90-94 N M , . /
    Modifier(0x20),                                                    // 95 right Shift
    Key(0x52),                                                         // 96 Up
    Key(0x59), Key(0x5A), Key(0x5B),                                   // 97-99 Keypad 1 2 3
    Key(0x87), Key(0x89), Key(0x64), Key(0x85),                        // 100-103 Intl1 Intl3 Non-US \ Keypad ,
    kNoKeyCode,                                                        // 104
    Modifier(0x01), Modifier(0x08), Modifier(0x04),                    // 105-107 LCtrl LGUI LAlt
    Key(0x2C),                                                         // 108 Space
    Modifier(0x40),                                                    // 109 right Alt
    {0xA0, 0x01, 0x00},                                                // 110 Fn
    Key(0x65),                                                         // 111 Application
    Modifier(0x10),                                                    // 112 right Ctrl
    Key(0x50), Key(0x51), Key(0x4F),                                   // 113-115 Left Down Right
    Key(0x62), Key(0x63), Key(0x58), Key(0x57),                        // 116-119 Keypad 0 . Enter +
    {0xD0, 0xA2, 0x01}, {0xD0, 0xA2, 0x02}, {0xD0, 0xA2, 0x03},        // 120-122 M1-M3
    {0xD0, 0xA2, 0x04}, {0xD0, 0xA2, 0x05},                            // 123-124 M4-M5
    Modifier(0x80),                                                    // 125 right GUI
}};
// clang-format on

constexpr std::array<AssignmentCode, kMouseButtonPositions> kMouseCodes = {{
    {0x10, 0x01, 0x00},  // 0 left button
    {0x10, 0x02, 0x00},  // 1 right button
    {0x10, 0x04, 0x00},  // 2 middle button
    {0x10, 0x10, 0x00},  // 3 forward
    {0x10, 0x08, 0x00},  // 4 back
    {0x13, 0x01, 0x00},  // 5 DPI up
    {0x13, 0x02, 0x00},  // 6 DPI down
    {0x13, 0x03, 0x00},  // 7 DPI cycle
    {0xA0, 0x1B, 0x00},  // 8 keyboard function
    {0x16, 0x90, 0x01},  // 9
    {0x14, 0x78, 0x02},  // 10
}};

}  // namespace

AssignmentCode KeyboardDefaultCode(int position) {
    if (position < 0 || position >= static_cast<int>(kKeyboardCodes.size())) {
        return kNoKeyCode;
    }
    return kKeyboardCodes[static_cast<size_t>(position)];
}

AssignmentCode MouseDefaultCode(int position) {
    if (position < 0 || position >= kMouseButtonPositions) {
        return {};
    }
    return kMouseCodes[static_cast<size_t>(position)];
}

}  // namespace profile
