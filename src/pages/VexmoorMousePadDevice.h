// CVexmoorMousePadDevice: the page of a lighted mouse pad. It runs the page base's behaviour; its
// own device operations are added with the device's support.
#pragma once

#include "pages/VexmoorUSBDevice.h"

namespace pages {

class CVexmoorMousePadDevice : public CVexmoorUSBDevice {
public:
    CVexmoorMousePadDevice();
    ~CVexmoorMousePadDevice() override;

    std::string GetClass() const override;
    void* GetInterface(const std::string& name) override;
};

}  // namespace pages
