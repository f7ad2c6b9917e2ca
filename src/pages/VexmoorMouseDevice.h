// CVexmoorMouseDevice: the page of a mouse; it answers to the base page's class name. It runs the
// page base's behaviour; its own device operations are added with the device's support.
#pragma once

#include "pages/VexmoorUSBDevice.h"

namespace pages {

class CVexmoorMouseDevice : public CVexmoorUSBDevice {
public:
    CVexmoorMouseDevice();
    ~CVexmoorMouseDevice() override;

    std::string GetClass() const override;
    void* GetInterface(const std::string& name) override;
};

}  // namespace pages
