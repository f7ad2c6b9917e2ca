#include "pages/VexmoorMouseDevice.h"

namespace pages {

CVexmoorMouseDevice::CVexmoorMouseDevice() {
    m_deviceKind = kDeviceMouse;
}

CVexmoorMouseDevice::~CVexmoorMouseDevice() {
    StopWorkers();
}

std::string CVexmoorMouseDevice::GetClass() const {
    return "VexmoorUSBDevice";
}

void* CVexmoorMouseDevice::GetInterface(const std::string& name) {
    if (name == "VexmoorMouseDevice") {
        return this;
    }
    return CVexmoorUSBDevice::GetInterface(name);
}

}  // namespace pages
