#include "pages/VexmoorMousePadDevice.h"

namespace pages {

CVexmoorMousePadDevice::CVexmoorMousePadDevice() {
    m_deviceKind = kDeviceMousePad;
}

CVexmoorMousePadDevice::~CVexmoorMousePadDevice() {
    StopWorkers();
}

std::string CVexmoorMousePadDevice::GetClass() const {
    return "VexmoorMousePadDevice";
}

void* CVexmoorMousePadDevice::GetInterface(const std::string& name) {
    if (name == "VexmoorMousePadDevice") {
        return this;
    }
    return CVexmoorUSBDevice::GetInterface(name);
}

}  // namespace pages
