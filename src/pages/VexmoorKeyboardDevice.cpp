#include "pages/VexmoorKeyboardDevice.h"

namespace pages {

CVexmoorKeyboardDevice::CVexmoorKeyboardDevice() {
    m_deviceKind = kDeviceKeyboard;
}

CVexmoorKeyboardDevice::~CVexmoorKeyboardDevice() {
    StopWorkers();
}

std::string CVexmoorKeyboardDevice::GetClass() const {
    return "VexmoorKeyboardDevice";
}

void* CVexmoorKeyboardDevice::GetInterface(const std::string& name) {
    if (name == "VexmoorKeyboardDevice") {
        return this;
    }
    return CVexmoorUSBDevice::GetInterface(name);
}

}  // namespace pages
