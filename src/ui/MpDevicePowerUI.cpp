#include "ui/MpDevicePowerUI.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "ui/CircleProgressUI.h"
#include "uilib/PaintManagerUI.h"

namespace ui {

void* CMpDevicePowerUI::GetInterface(const std::string& name) {
    if (name == "MpDevicePower") {
        return this;
    }
    return CHorizontalLayoutUI::GetInterface(name);
}

bool CMpDevicePowerUI::Activate() {
    if (!CHorizontalLayoutUI::Activate()) {
        return false;
    }
    if (m_pManager != nullptr) {
        m_pManager->SendNotify(this, "selectchanged");
    }
    return true;
}

DuiLib::CControlUI* CMpDevicePowerUI::Child(const char* name) const {
    return m_pManager != nullptr
               ? m_pManager->FindSubControlByName(const_cast<CMpDevicePowerUI*>(this), name)
               : nullptr;
}

void CMpDevicePowerUI::SetKindAndRole(int kind, int role) {
    m_kind = kind;
    m_role = role;
    // Only the mouse pad carries a phone charger.
    if (DuiLib::CControlUI* phone = Child("device_phone_type")) {
        phone->SetVisible(kind == 3);
    }
}

void CMpDevicePowerUI::SetPowerLayoutVisible(bool visible) {
    if (DuiLib::CControlUI* layout = Child("device_power_Layout")) {
        layout->SetVisible(visible);
    }
}

void CMpDevicePowerUI::ShowStatus(const uint8_t* bytes, std::size_t length) {
    std::array<uint8_t, kStatusBufferSize> status{};
    if (bytes != nullptr) {
        std::memcpy(status.data(), bytes, std::min(length, status.size()));
    }
    DuiLib::CControlUI* value = Child("device_power_value");
    DuiLib::CControlUI* wireless = Child("device_wuxian_logo");
    auto* ring = dynamic_cast<DuiLib::CCircleProgressUI*>(Child("device_Power_progress"));
    DuiLib::CControlUI* state = Child("device_power_status");
    DuiLib::CControlUI* phone = Child("device_phone_type");
    if (value == nullptr || wireless == nullptr || ring == nullptr || state == nullptr ||
        phone == nullptr) {
        return;
    }
    ring->SetValue(100 - status[0]);
    char text[16];
    std::snprintf(text, sizeof text, "%d%s", status[0], "%");
    value->SetText(text);
    const bool onReceiver = status[3] != 0;
    if (m_kind == 2) {
        wireless->SetVisible(onReceiver);
    }
    switch (status[1]) {
        case 0:
            ring->SetVisible(true);
            state->SetBkImage("file='power/powered.png'");
            break;
        case 1:
            ring->SetVisible(!onReceiver);
            state->SetBkImage(onReceiver ? "file='power/wuxian_powering.png'"
                                         : "file='power/powering.png'");
            break;
        case 2:
            ring->SetVisible(true);
            state->SetBkImage("file='power/power.png'");
            break;
        default:
            break;
    }
    if (m_kind == 3) {
        const char* type = "Phone_type_no_device";
        switch (status[5]) {
            case 1:
                type = "Phone_type_iphone";
                break;
            case 2:
                type = "Phone_type_samsung";
                break;
            case 3:
                type = "Phone_type_other";
                break;
            default:
                break;
        }
        phone->SetToolTip(type);
        phone->SetBkImage(std::string("file='power/") + type + ".png'");
    }
}

}  // namespace ui
