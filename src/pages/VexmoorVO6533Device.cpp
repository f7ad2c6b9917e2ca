#include "pages/VexmoorVO6533Device.h"

namespace pages {

CVexmoorVO6533Device::CVexmoorVO6533Device() {
    m_deviceKind = kDeviceHeadset;
}

CVexmoorVO6533Device::~CVexmoorVO6533Device() {
    StopWorkers();
}

std::string CVexmoorVO6533Device::GetClass() const {
    return "VexmoorVO6533Device";
}

void* CVexmoorVO6533Device::GetInterface(const std::string& name) {
    if (name == "VexmoorVO6533Device") {
        return this;
    }
    return CVexmoorUSBDevice::GetInterface(name);
}

}  // namespace pages
