// The program's own controls and device pages, as the control factory and the
// main window's layout builder callback create them.
#pragma once

#include <string>

namespace DuiLib {
class CControlUI;
}

namespace ui {

// Registers the custom controls and the page classes the factory knows, each
// under the name of its class ("CDeviceKeyButtonUI", "CVexmoorUSBDevice", ...).
void RegisterCustomControls();

// A new control for a layout tag the builder callback recognises
// ("DeviceKeyButton", "SelectPanel", "VexmoorKeyboardDevice", ...; compared
// without case), or nullptr.
DuiLib::CControlUI* CreateCustomControl(const std::string& tag);

}  // namespace ui
