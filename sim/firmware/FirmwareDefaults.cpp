// What each simulated device holds when it is plugged in for the first time.
#include <algorithm>

#include "firmware/FirmwareModel.h"

namespace sim {
namespace {

struct KeyCode {
    uint8_t family, b1, b2;
};

constexpr KeyCode kNone = {0x20, 0x00, 0x00};

// The keys of a full-size keyboard in the order of the picture's key
// positions 0..125; positions without a key hold kNone and the keyboard has
// no device key for them.
KeyCode KeyboardPosition(int position) {
    static const uint8_t kPlain[126] = {
        // 0 Esc, 1-12 F1-F12, 13 Print Screen, 14 Scroll Lock, 15 Pause
        0x29, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47,
        0x48,
        // 16, 17 functions; 18-20 none
        0, 0, 0, 0, 0,
        // 21 ` 22-30 1-9 31 0 32 - 33 = 34 Backspace 35 Insert 36 Home 37 PgUp
        0x35, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x2D, 0x2E, 0x2A, 0x49,
        0x4A, 0x4B,
        // 38 Num Lock 39 KP/ 40 KP* 41 KP- 42 Tab 43-52 QWERTYUIOP 53 [ 54 ] 55 '\'
        0x53, 0x54, 0x55, 0x56, 0x2B, 0x14, 0x1A, 0x08, 0x15, 0x17, 0x1C, 0x18, 0x0C, 0x12, 0x13,
        0x2F, 0x30, 0x31,
        // 56 Delete 57 End 58 PgDn 59-61 KP7-9 62 Non-US # 63 Caps 64-72 ASDFGHJKL
        0x4C, 0x4D, 0x4E, 0x5F, 0x60, 0x61, 0x32, 0x39, 0x04, 0x16, 0x07, 0x09, 0x0A, 0x0B, 0x0D,
        0x0E, 0x0F,
        // 73 ; 74 ' 75 Enter 76-78 KP4-6 79 Intl4 80 Intl5 81 LANG1 82 LANG2 83 Intl2 84 LShift
        0x33, 0x34, 0x28, 0x5C, 0x5D, 0x5E, 0x8A, 0x8B, 0x90, 0x91, 0x88, 0,
        // 85-91 ZXCVBNM 92 , 93 . 94 / 95 RShift 96 Up 97-99 KP1-3 100 Intl1 101 Intl3
        0x1D, 0x1B, 0x06, 0x19, 0x05, 0x11, 0x10, 0x36, 0x37, 0x38, 0, 0x52, 0x59, 0x5A, 0x5B, 0x87,
        0x89,
        // 102 Non-US \ 103 KP Comma 104 none 105 LCtrl 106 LGUI 107 LAlt 108 Space 109 RAlt
        0x64, 0x85, 0, 0, 0, 0, 0x2C, 0,
        // 110 Fn 111 Application 112 RCtrl 113 Left 114 Down 115 Right 116 KP0 117 KP.
        0, 0x65, 0, 0x50, 0x51, 0x4F, 0x62, 0x63,
        // 118 KP Enter 119 KP+ 120-124 functions 125 RGUI
        0x58, 0x57, 0, 0, 0, 0, 0, 0};
    switch (position) {
        case 16:
            return {0xA0, 0x1B, 0x00};
        case 17:
            return {0xA0, 0x24, 0x00};
        case 18:
        case 19:
        case 20:
        case 104:
            return kNone;
        case 84:
            return {0x20, 0x02, 0x00};
        case 95:
            return {0x20, 0x20, 0x00};
        case 105:
            return {0x20, 0x01, 0x00};
        case 106:
            return {0x20, 0x08, 0x00};
        case 107:
            return {0x20, 0x04, 0x00};
        case 109:
            return {0x20, 0x40, 0x00};
        case 110:
            return {0xA0, 0x01, 0x00};
        case 112:
            return {0x20, 0x10, 0x00};
        case 125:
            return {0x20, 0x80, 0x00};
        default:
            break;
    }
    if (position >= 120 && position <= 124) {
        return {0xD0, 0xA2, static_cast<uint8_t>(position - 119)};
    }
    return {0x20, 0x00, kPlain[position]};
}

// The mouse's 11 buttons, in the order of its button positions.
constexpr KeyCode kMouseButtons[11] = {{0x10, 0x01, 0x00}, {0x10, 0x02, 0x00}, {0x10, 0x04, 0x00},
                                       {0x10, 0x10, 0x00}, {0x10, 0x08, 0x00}, {0x13, 0x01, 0x00},
                                       {0x13, 0x02, 0x00}, {0x13, 0x03, 0x00}, {0xA0, 0x1B, 0x00},
                                       {0x16, 0x90, 0x01}, {0x14, 0x78, 0x02}};

void Put16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value & 0xFF);
    at[1] = static_cast<uint8_t>(value >> 8);
}

// One lighting block: mode code, brightness, 4 - speed, direction, multi-colour, RGB.
void PutLighting(uint8_t* block, uint8_t mode, uint8_t red, uint8_t green, uint8_t blue) {
    block[1] = mode;
    block[2] = 4;
    block[3] = 2;
    block[4] = 0;
    block[5] = 1;
    block[6] = red;
    block[7] = green;
    block[8] = blue;
}

}  // namespace

void FirmwareModel::LoadDefaults() {
    m_params.assign(kParamSize, 0);
    m_keyMap.assign(kKeyMapSize, 0);
    m_customLight.assign(kCustomLightSize, 0);
    m_recoil.assign(kRecoilSize, 0);
    m_frame.assign(512, 0);
    m_info.fill(0);
    m_status = {100, 0, 0, 0, 0, 0};
    constexpr int kSlots = 4;

    int macroUnits = 0;
    switch (m_kind) {
        case SimKind::kKeyboard: {
            for (int position = 0; position < 126; ++position) {
                KeyCode code = KeyboardPosition(position);
                if (code.family == kNone.family && code.b1 == 0 && code.b2 == 0) {
                    continue;
                }
                m_keyTable.insert(m_keyTable.end(), {code.family, code.b1, code.b2});
            }
            m_info[0] = 0x01;
            macroUnits = 32;
            // Slot blocks are 26 bytes, 25 apart; offset 0 doubles as the
            // active slot byte.
            for (int slot = kSlots - 1; slot >= 0; --slot) {
                uint8_t* block = m_params.data() + slot * 25;
                PutLighting(block, static_cast<uint8_t>(slot), 0xFF,
                            static_cast<uint8_t>(slot * 60), 0x00);
                block[22] = 3;  // 1000 Hz polling
            }
            m_params[0] = 0;
            break;
        }
        case SimKind::kMouse: {
            for (const KeyCode& code : kMouseButtons) {
                m_keyTable.insert(m_keyTable.end(), {code.family, code.b1, code.b2});
            }
            m_info[0] = 0x02;
            macroUnits = 16;
            Put16(&m_info[9], 13093);  // sensor code
            m_info[11] = 50;           // DPI per slider unit
            Put16(&m_info[12], 520);   // slider maximum: 26000 DPI
            Put16(&m_info[14], 50);    // DPI of slider unit 0
            static const uint16_t kStageDpi[5] = {8, 16, 32, 64, 128};
            for (int slot = 0; slot < kSlots; ++slot) {
                uint8_t* block = m_params.data() + slot * 128;
                PutLighting(block, 0, 0x00, 0xC8, 0xFF);
                block[11] = 3;
                block[12] = 1;
                for (int stage = 0; stage < 5; ++stage) {
                    uint8_t* s = block + 14 + stage * 9;
                    s[0] = 1;
                    Put16(s + 2, kStageDpi[stage]);
                    Put16(s + 4, kStageDpi[stage]);
                    s[6] = static_cast<uint8_t>(stage * 50);
                    s[7] = 0xFF;
                    s[8] = 0x80;
                }
            }
            m_params[0] = 0;
            m_status = {85, 0, 0, 0, 0, 0};
            break;
        }
        case SimKind::kMousePad:
            m_info[0] = 0x03;
            for (int slot = kSlots - 1; slot >= 0; --slot) {
                PutLighting(m_params.data() + slot * 25, 0, 0xFF, 0x00, 0x80);
            }
            m_params[0] = 0;
            m_status = {0, 1, 0, 0, 0, 1};  // charging an iPhone
            break;
        case SimKind::kHeadset:
            m_info[0] = 0x07;
            for (int slot = kSlots - 1; slot >= 0; --slot) {
                PutLighting(m_params.data() + slot * 25, 3, 0x18, 0xC8, 0xFF);
            }
            m_params[0] = 0;
            m_status = {70, 0, 0, 0, 0, 0};
            break;
    }
    const int keys = static_cast<int>(m_keyTable.size() / 3);
    m_info[1] = 0x07;  // firmware version 1.07, little-endian
    m_info[2] = 0x01;
    m_info[5] = static_cast<uint8_t>(keys);
    m_info[6] = static_cast<uint8_t>(macroUnits);
    m_macros.assign(static_cast<std::size_t>(macroUnits) * 128, 0);
    std::copy(m_keyTable.begin(), m_keyTable.end(), m_keyMap.begin());
    // LED k of the key table is wired in another order than the keys are
    // scanned: a page that confuses the two tables lights the wrong key.
    m_ledTable.resize(static_cast<std::size_t>(keys));
    for (int k = 0; k < keys; ++k) {
        m_ledTable[static_cast<std::size_t>(k)] = static_cast<uint8_t>((k * 7) % keys);
    }
    m_ledCount = m_kind == SimKind::kKeyboard ? keys : (m_kind == SimKind::kHeadset ? 13 : 15);
}

}  // namespace sim
