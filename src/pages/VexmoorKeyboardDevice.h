// CVexmoorKeyboardDevice: the page of a keyboard. Beyond the page base it polls the keyboard's
// status and asks the receiver whether the keyboard is there; its other device operations are
// added with the device's support.
#pragma once

#include "pages/VexmoorUSBDevice.h"

namespace pages {

class CVexmoorKeyboardDevice : public CVexmoorUSBDevice {
public:
    CVexmoorKeyboardDevice();
    ~CVexmoorKeyboardDevice() override;

    std::string GetClass() const override;
    void* GetInterface(const std::string& name) override;
    void PollStatus() override { PollStatusWhenPresent(); }
    int IsWirelessOnline() override { return WirelessDeviceOnline(); }
};

}  // namespace pages
