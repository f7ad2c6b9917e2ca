#include "device/SimulatedDescriptors.h"

#include <iterator>

namespace device {

namespace {

// Interface 0 of the keyboard: the boot keyboard the BIOS and the system's
// keyboard driver read. No report IDs.
const uint8_t kBootKeyboard[] = {
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x06,        // Usage (Keyboard)
    0xA1, 0x01,        // Collection (Application)
    0x05, 0x07,        //   Usage Page (Keyboard/Keypad)
    0x19, 0xE0,        //   Usage Minimum (Left Control)
    0x29, 0xE7,        //   Usage Maximum (Right GUI)
    0x15, 0x00,        //   Logical Minimum (0)
    0x25, 0x01,        //   Logical Maximum (1)
    0x75, 0x01,        //   Report Size (1)
    0x95, 0x08,        //   Report Count (8)
    0x81, 0x02,        //   Input (Data,Var,Abs): modifier keys
    0x95, 0x01,        //   Report Count (1)
    0x75, 0x08,        //   Report Size (8)
    0x81, 0x03,        //   Input (Const,Var,Abs): reserved byte
    0x95, 0x05,        //   Report Count (5)
    0x75, 0x01,        //   Report Size (1)
    0x05, 0x08,        //   Usage Page (LEDs)
    0x19, 0x01,        //   Usage Minimum (Num Lock)
    0x29, 0x05,        //   Usage Maximum (Kana)
    0x91, 0x02,        //   Output (Data,Var,Abs): lock lights
    0x95, 0x01,        //   Report Count (1)
    0x75, 0x03,        //   Report Size (3)
    0x91, 0x03,        //   Output (Const,Var,Abs): padding
    0x95, 0x06,        //   Report Count (6)
    0x75, 0x08,        //   Report Size (8)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x05, 0x07,        //   Usage Page (Keyboard/Keypad)
    0x19, 0x00,        //   Usage Minimum (0)
    0x29, 0xFF,        //   Usage Maximum (255)
    0x81, 0x00,        //   Input (Data,Array,Abs): six key codes
    0xC0,              // End Collection
};

// Interface 0 of the mouse: five buttons, 16-bit motion, wheel and tilt.
const uint8_t kMousePointer[] = {
    0x05, 0x01,        // Usage Page (Generic Desktop)
    0x09, 0x02,        // Usage (Mouse)
    0xA1, 0x01,        // Collection (Application)
    0x09, 0x01,        //   Usage (Pointer)
    0xA1, 0x00,        //   Collection (Physical)
    0x05, 0x09,        //     Usage Page (Button)
    0x19, 0x01,        //     Usage Minimum (Button 1)
    0x29, 0x05,        //     Usage Maximum (Button 5)
    0x15, 0x00,        //     Logical Minimum (0)
    0x25, 0x01,        //     Logical Maximum (1)
    0x75, 0x01,        //     Report Size (1)
    0x95, 0x05,        //     Report Count (5)
    0x81, 0x02,        //     Input (Data,Var,Abs): buttons
    0x95, 0x03,        //     Report Count (3)
    0x81, 0x03,        //     Input (Const,Var,Abs): padding
    0x05, 0x01,        //     Usage Page (Generic Desktop)
    0x09, 0x30,        //     Usage (X)
    0x09, 0x31,        //     Usage (Y)
    0x16, 0x01, 0x80,  //     Logical Minimum (-32767)
    0x26, 0xFF, 0x7F,  //     Logical Maximum (32767)
    0x75, 0x10,        //     Report Size (16)
    0x95, 0x02,        //     Report Count (2)
    0x81, 0x06,        //     Input (Data,Var,Rel)
    0x09, 0x38,        //     Usage (Wheel)
    0x15, 0x81,        //     Logical Minimum (-127)
    0x25, 0x7F,        //     Logical Maximum (127)
    0x75, 0x08,        //     Report Size (8)
    0x95, 0x01,        //     Report Count (1)
    0x81, 0x06,        //     Input (Data,Var,Rel)
    0x05, 0x0C,        //     Usage Page (Consumer)
    0x0A, 0x38, 0x02,  //     Usage (AC Pan)
    0x95, 0x01,        //     Report Count (1)
    0x81, 0x06,        //     Input (Data,Var,Rel)
    0xC0,              //   End Collection
    0xC0,              // End Collection
};

// Interface 1 of the keyboard, the mouse and the mouse pad.
const uint8_t kControlInterface[] = {
    // Collection 1: keyboard for macro output, every key a bit.
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x06,  // Usage (Keyboard)
    0xA1, 0x01,  // Collection (Application)
    0x85, 0x01,  //   Report ID (1)
    0x05, 0x07,  //   Usage Page (Keyboard/Keypad)
    0x19, 0xE0,  //   Usage Minimum (Left Control)
    0x29, 0xE7,  //   Usage Maximum (Right GUI)
    0x15, 0x00,  //   Logical Minimum (0)
    0x25, 0x01,  //   Logical Maximum (1)
    0x75, 0x01,  //   Report Size (1)
    0x95, 0x08,  //   Report Count (8)
    0x81, 0x02,  //   Input (Data,Var,Abs): modifier keys
    0x19, 0x00,  //   Usage Minimum (0)
    0x29, 0x77,  //   Usage Maximum (Keyboard Select)
    0x95, 0x78,  //   Report Count (120)
    0x81, 0x02,  //   Input (Data,Var,Abs): key bitmap
    0x05, 0x08,  //   Usage Page (LEDs)
    0x19, 0x01,  //   Usage Minimum (Num Lock)
    0x29, 0x05,  //   Usage Maximum (Kana)
    0x95, 0x05,  //   Report Count (5)
    0x91, 0x02,  //   Output (Data,Var,Abs): lock lights
    0x95, 0x03,  //   Report Count (3)
    0x91, 0x03,  //   Output (Const,Var,Abs): padding
    0xC0,        // End Collection
    // Collection 2: system control.
    0x05, 0x01,  // Usage Page (Generic Desktop)
    0x09, 0x80,  // Usage (System Control)
    0xA1, 0x01,  // Collection (Application)
    0x85, 0x02,  //   Report ID (2)
    0x19, 0x81,  //   Usage Minimum (System Power Down)
    0x29, 0x83,  //   Usage Maximum (System Wake Up)
    0x15, 0x01,  //   Logical Minimum (1)
    0x25, 0x03,  //   Logical Maximum (3)
    0x75, 0x02,  //   Report Size (2)
    0x95, 0x01,  //   Report Count (1)
    0x81, 0x00,  //   Input (Data,Array,Abs)
    0x75, 0x06,  //   Report Size (6)
    0x81, 0x03,  //   Input (Const,Var,Abs): padding
    0xC0,        // End Collection
    // Collection 3: consumer keys and the device's notification codes.
    0x05, 0x0C,        // Usage Page (Consumer)
    0x09, 0x01,        // Usage (Consumer Control)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x03,        //   Report ID (3)
    0x19, 0x00,        //   Usage Minimum (0)
    0x2A, 0xFF, 0x1F,  //   Usage Maximum (0x1FFF)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x1F,  //   Logical Maximum (8191)
    0x75, 0x10,        //   Report Size (16)
    0x95, 0x02,        //   Report Count (2)
    0x81, 0x00,        //   Input (Data,Array,Abs)
    0xC0,              // End Collection
    // Collection 4: the vendor command channel.
    0x06, 0x1C, 0xFF,  // Usage Page (Vendor 0xFF1C)
    0x09, 0x92,        // Usage (0x92)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x04,        //   Report ID (4)
    0x09, 0x01,        //   Usage (0x01)
    0x15, 0x00,        //   Logical Minimum (0)
    0x26, 0xFF, 0x00,  //   Logical Maximum (255)
    0x75, 0x08,        //   Report Size (8)
    0x95, 0x3F,        //   Report Count (63)
    0x81, 0x02,        //   Input (Data,Var,Abs): reply
    0x09, 0x02,        //   Usage (0x02)
    0x95, 0x3F,        //   Report Count (63)
    0x91, 0x02,        //   Output (Data,Var,Abs): command
    0xC0,              // End Collection
};

// Interface 3 of the headset: one consumer collection with the volume keys
// and, in a logical collection, the command reports.
const uint8_t kHeadsetInterface[] = {
    0x05, 0x0C,        // Usage Page (Consumer)
    0x09, 0x01,        // Usage (Consumer Control)
    0xA1, 0x01,        // Collection (Application)
    0x85, 0x01,        //   Report ID (1)
    0x15, 0x00,        //   Logical Minimum (0)
    0x25, 0x01,        //   Logical Maximum (1)
    0x09, 0xE9,        //   Usage (Volume Increment)
    0x09, 0xEA,        //   Usage (Volume Decrement)
    0x09, 0xE2,        //   Usage (Mute)
    0x75, 0x01,        //   Report Size (1)
    0x95, 0x03,        //   Report Count (3)
    0x81, 0x02,        //   Input (Data,Var,Abs)
    0x95, 0x05,        //   Report Count (5)
    0x81, 0x03,        //   Input (Const,Var,Abs): padding
    0x06, 0x1C, 0xFF,  //   Usage Page (Vendor 0xFF1C)
    0x09, 0x92,        //   Usage (0x92)
    0xA1, 0x02,        //   Collection (Logical)
    0x85, 0x04,        //     Report ID (4)
    0x09, 0x01,        //     Usage (0x01)
    0x15, 0x00,        //     Logical Minimum (0)
    0x26, 0xFF, 0x00,  //     Logical Maximum (255)
    0x75, 0x08,        //     Report Size (8)
    0x95, 0x3F,        //     Report Count (63)
    0x81, 0x02,        //     Input (Data,Var,Abs): reply
    0x09, 0x02,        //     Usage (0x02)
    0x91, 0x02,        //     Output (Data,Var,Abs): command
    0xC0,              //   End Collection
    0xC0,              // End Collection
};

template <size_t N>
SimulatedInterfaceDescriptor Interface(uint8_t number, const uint8_t (&bytes)[N]) {
    return {number, std::vector<uint8_t>(std::begin(bytes), std::end(bytes))};
}

}  // namespace

std::vector<SimulatedInterfaceDescriptor> SimulatedDescriptors(std::string_view kind) {
    if (kind == "keyboard") {
        return {Interface(0, kBootKeyboard), Interface(1, kControlInterface)};
    }
    if (kind == "mouse") {
        return {Interface(0, kMousePointer), Interface(1, kControlInterface)};
    }
    if (kind == "pad") {
        return {Interface(1, kControlInterface)};
    }
    if (kind == "headset") {
        return {Interface(3, kHeadsetInterface)};
    }
    return {};
}

std::vector<uint8_t> SimulatedDescriptor(std::string_view kind, uint8_t interfaceNumber) {
    for (SimulatedInterfaceDescriptor& entry : SimulatedDescriptors(kind)) {
        if (entry.interfaceNumber == interfaceNumber) {
            return std::move(entry.descriptor);
        }
    }
    return {};
}

std::vector<uint8_t> SimulatedDescriptor(std::string_view kind) {
    return SimulatedDescriptor(kind, kind == "headset" ? 3 : 1);
}

}  // namespace device
