// CVexmoorMouseDevice: the page of a mouse; it answers to the base page's class name. Beyond the
// page base it polls the mouse's status (battery, charging) and asks the receiver whether the
// mouse is there; its other device operations are added with the device's support.
#pragma once

#include "pages/VexmoorUSBDevice.h"

namespace pages {

class CVexmoorMouseDevice : public CVexmoorUSBDevice {
public:
    CVexmoorMouseDevice();
    ~CVexmoorMouseDevice() override;

    std::string GetClass() const override;
    void* GetInterface(const std::string& name) override;
    void PollStatus() override { PollStatusWhenPresent(); }
    int IsWirelessOnline() override { return WirelessDeviceOnline(); }
};

}  // namespace pages
