// The HID interfaces the program knows in advance, and the static tables of
// device kinds, pages and models that discovery and the pages start from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace device {

// Kind codes of the interface table.
enum : uint16_t {
    kKindKeyboard = 1,
    kKindMouse = 2,
    kKindMousePad = 3,
    kKindMouseReceiver = 6,
    kKindHeadset = 7,
    kKindKeyboardReceiver = 9,
};

enum : uint16_t { kRoleCommand = 0, kRoleEvent = 0xFF };

struct DeviceIdentity {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t interfaceNumber = 0;
    uint16_t collection = 0;
    uint16_t kind = 0;
    uint16_t role = 0;
    uint16_t present = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t hasPartner = 0;
    uint16_t partnerIndex = 0;
    std::string path;
};

// Equal on vendor, product, interface, collection, kind, role, usage page and
// usage; the present flag, the partner fields and the path do not count.
bool IdentityEquals(const DeviceIdentity& a, const DeviceIdentity& b);

constexpr std::size_t kSupportedInterfaceCount = 11;
const std::array<DeviceIdentity, kSupportedInterfaceCount>& SupportedInterfaceTable();

struct DeviceKindRow {
    const char* optionLayout;
    const char* tabHeader;
    const char* powerSwitch;
    const char* kindName;
    int defaultLightIndex;
    uint16_t vendorId;
    uint16_t productId;
    uint16_t kind;
    uint16_t role;
};

struct DevicePageRow {
    int ledCount;
    int keyCount;
    int hasPower;
    const char* pageLayout;
    const char* lightConfiguration;
};

struct DeviceModelRow {
    uint32_t kindFlag;
    uint32_t secondNumber;
    uint32_t reserved;
    const char* brand;
    const char* modelCode;
    const char* displayName;
    const char* shortName;
    const char* versionText;
};

constexpr std::size_t kDeviceKindCount = 4;
const std::array<DeviceKindRow, kDeviceKindCount>& DeviceKindTable();
const std::array<DevicePageRow, kDeviceKindCount>& DevicePageTable();
const std::array<DeviceModelRow, kDeviceKindCount>& DeviceModelTable();

// Text for a kind code ("keyboard", "keyboard receiver", ...), for tools.
const char* KindCodeName(uint16_t kind);

}  // namespace device
