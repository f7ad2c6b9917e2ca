// CVexmoorKeyboardDevice: the page of a keyboard. It runs the page base's behaviour; its own device
// operations are added with the device's support.
#pragma once

#include "pages/VexmoorUSBDevice.h"

namespace pages {

class CVexmoorKeyboardDevice : public CVexmoorUSBDevice {
public:
    CVexmoorKeyboardDevice();
    ~CVexmoorKeyboardDevice() override;

    std::string GetClass() const override;
    void* GetInterface(const std::string& name) override;
};

}  // namespace pages
