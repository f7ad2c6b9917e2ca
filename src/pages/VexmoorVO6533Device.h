// CVexmoorVO6533Device: the page of the VO6533 headset. Beyond the page base it polls the
// headset's status; its other device operations are added with the device's support.
#pragma once

#include "pages/VexmoorUSBDevice.h"

namespace pages {

class CVexmoorVO6533Device : public CVexmoorUSBDevice {
public:
    CVexmoorVO6533Device();
    ~CVexmoorVO6533Device() override;

    std::string GetClass() const override;
    void* GetInterface(const std::string& name) override;
    void PollStatus() override { ReadPowerStatus(); }
};

}  // namespace pages
