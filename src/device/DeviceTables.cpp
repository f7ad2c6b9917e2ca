#include "device/DeviceTables.h"

namespace device {
namespace {

DeviceIdentity Row(uint16_t pid, uint16_t mi, uint16_t col, uint16_t kind, uint16_t role,
                   uint16_t page, uint16_t usage, uint16_t hasPartner, uint16_t partner,
                   uint16_t vid = 0x320F) {
    DeviceIdentity id;
    id.vendorId = vid;
    id.productId = pid;
    id.interfaceNumber = mi;
    id.collection = col;
    id.kind = kind;
    id.role = role;
    id.usagePage = page;
    id.usage = usage;
    id.hasPartner = hasPartner;
    id.partnerIndex = partner;
    return id;
}

constexpr const char* kOption = "XML/CustomControlXML/DeviceOption.xml";
constexpr const char* kTab = "tab_header_device";
constexpr const char* kPower = "device_power_switch";

}  // namespace

bool IdentityEquals(const DeviceIdentity& a, const DeviceIdentity& b) {
    return a.vendorId == b.vendorId && a.productId == b.productId &&
           a.interfaceNumber == b.interfaceNumber && a.collection == b.collection &&
           a.kind == b.kind && a.role == b.role && a.usagePage == b.usagePage && a.usage == b.usage;
}

const std::array<DeviceIdentity, kSupportedInterfaceCount>& SupportedInterfaceTable() {
    static const std::array<DeviceIdentity, kSupportedInterfaceCount> table = {
        Row(0x5055, 1, 4, kKindKeyboard, kRoleCommand, 0xFF1C, 0x92, 1, 2),
        Row(0x5055, 1, 3, kKindKeyboard, kRoleEvent, 0x000C, 0x01, 1, 3),
        Row(0x0000, 1, 4, kKindKeyboardReceiver, kRoleCommand, 0xFF1C, 0x92, 1, 0),
        Row(0x0000, 1, 3, kKindKeyboardReceiver, kRoleEvent, 0x000C, 0x01, 1, 1),
        Row(0x0000, 1, 4, kKindMouse, kRoleCommand, 0xFF1C, 0x92, 1, 6),
        Row(0x0000, 1, 3, kKindMouse, kRoleEvent, 0x000C, 0x01, 1, 7),
        Row(0x0000, 1, 4, kKindMouseReceiver, kRoleCommand, 0xFF1C, 0x92, 1, 4),
        Row(0x0000, 1, 3, kKindMouseReceiver, kRoleEvent, 0x000C, 0x01, 1, 5),
        Row(0x0000, 1, 4, kKindMousePad, kRoleCommand, 0xFF1C, 0x92, 0, 0),
        Row(0x0000, 1, 3, kKindMousePad, kRoleEvent, 0x000C, 0x01, 0, 0),
        Row(0x0000, 3, 0, kKindHeadset, kRoleCommand, 0x000C, 0x01, 0, 0, 0x0C76),
    };
    return table;
}

const std::array<DeviceKindRow, kDeviceKindCount>& DeviceKindTable() {
    static const std::array<DeviceKindRow, kDeviceKindCount> table = {{
        {kOption, kTab, kPower, "mouse", 1, 0x320F, 0, kKindMouse, kRoleCommand},
        {kOption, kTab, kPower, "keyboard", 0, 0x320F, 0x5055, kKindKeyboard, kRoleCommand},
        {kOption, kTab, kPower, "MousePad", 2, 0x320F, 0, kKindMousePad, kRoleCommand},
        {kOption, kTab, kPower, "HD", 3, 0x0C76, 0, kKindHeadset, kRoleCommand},
    }};
    return table;
}

const std::array<DevicePageRow, kDeviceKindCount>& DevicePageTable() {
    static const std::array<DevicePageRow, kDeviceKindCount> table = {{
        {15, 11, 1, "XML/DeviceXml/mousedevice.xml", "tolvar_light"},
        {170, 170, 0, "XML/DeviceXml/keyboarddevice.xml", "tolvar_light"},
        {15, 0, 0, "XML/DeviceXml/mousepaddevice.xml", "tolvar_light"},
        {13, 0, 0, "XML/DeviceXml/vo6533device.xml", "tolvar_light"},
    }};
    return table;
}

const std::array<DeviceModelRow, kDeviceKindCount>& DeviceModelTable() {
    static const std::array<DeviceModelRow, kDeviceKindCount> table = {{
        {1, 1, 0, "TOLVAR", "QX20M01A", "Zentor M1", "Zentor M1", ""},
        {1, 1, 0, "TOLVAR", "QX20M02A", "Zentor", "Zentor", ""},
        {2, 1, 0, "TOLVAR", "QX20M03A_1", "Zentor Pad", "Zentor Pad", ""},
        {0, 1, 0, "TOLVAR", "ALL", "Zentor Keyboard", "AP", "V1000"},
    }};
    return table;
}

const char* KindCodeName(uint16_t kind) {
    switch (kind) {
        case kKindKeyboard:
            return "keyboard";
        case kKindKeyboardReceiver:
            return "keyboard receiver";
        case kKindMouse:
            return "mouse";
        case kKindMouseReceiver:
            return "mouse receiver";
        case kKindMousePad:
            return "mouse pad";
        case kKindHeadset:
            return "headset";
        default:
            return "unknown";
    }
}

}  // namespace device
