// CVexmoorMousePadDevice: the page of a lighted mouse pad. Beyond the page base it polls the pad's
// status (charger state, phone type); its other device operations are added with the device's
// support.
#pragma once

#include "pages/VexmoorUSBDevice.h"

namespace pages {

class CVexmoorMousePadDevice : public CVexmoorUSBDevice {
public:
    CVexmoorMousePadDevice();
    ~CVexmoorMousePadDevice() override;

    std::string GetClass() const override;
    void* GetInterface(const std::string& name) override;
    void PollStatus() override { ReadPowerStatus(); }
};

}  // namespace pages
