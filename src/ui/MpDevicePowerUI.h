// CMpDevicePowerUI: a device's power status in the status bar: battery level
// as text and as a ring, charging state picture, wireless mark (mouse) and the
// phone lying on the mouse pad's wireless charger.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "pages/PageTypes.h"
#include "uilib/HorizontalLayoutUI.h"

namespace ui {

class CMpDevicePowerUI : public DuiLib::CHorizontalLayoutUI, public pages::IPagePowerControl {
public:
    static constexpr std::size_t kStatusBufferSize = 64;

    std::string GetClass() const override { return "MpDevicePower"; }
    void* GetInterface(const std::string& name) override;
    bool Activate() override;

    void SetKindAndRole(int kind, int role);
    int GetKind() const { return m_kind; }
    int GetRole() const { return m_role; }
    void SetPowerLayoutVisible(bool visible);
    void SetHasPowerStatus(int flag) override { SetPowerLayoutVisible(flag != 0); }

    // Shows a status block: byte 0 battery percent, 1 power state, 3 wireless,
    // 5 the phone on the pad's charger. Nothing happens while a child is missing.
    void ShowStatus(const uint8_t* bytes, std::size_t length) override;

private:
    DuiLib::CControlUI* Child(const char* name) const;

    int m_kind = 0;
    int m_role = 0;
};

}  // namespace ui
