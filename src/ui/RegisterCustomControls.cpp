#include "ui/RegisterCustomControls.h"

#include <functional>
#include <utility>

#include "pages/VexmoorKeyboardDevice.h"
#include "pages/VexmoorMouseDevice.h"
#include "pages/VexmoorMousePadDevice.h"
#include "pages/VexmoorUSBDevice.h"
#include "pages/VexmoorVO6533Device.h"
#include "ui/AudioRecordUI.h"
#include "ui/ChartViewUI.h"
#include "ui/CircleProgressUI.h"
#include "ui/CloudShareListItemUI.h"
#include "ui/ComboEditContainerElementUI.h"
#include "ui/DeviceKeyButtonUI.h"
#include "ui/HandImgButtonUI.h"
#include "ui/HandImgSelectButtonUI.h"
#include "ui/RedioMacroButtonUI.h"
#include "ui/SelectPanelUI.h"
#include "ui/WndUI.h"
#include "uilib/ControlFactory.h"

namespace ui {
namespace {

using Create = DuiLib::CControlUI* (*)();

template <class T>
DuiLib::CControlUI* Make() {
    return new T();
}

// In the order of the start-up's registration table (the classes of other
// folders sit between these there).
constexpr std::pair<const char*, Create> kFactoryClasses[] = {
    {"CCircleProgressUI", &Make<DuiLib::CCircleProgressUI>},
    {"CChartViewUI", &Make<DuiLib::CChartViewUI>},
    {"CWndUI", &Make<DuiLib::CWndUI>},
    {"CSelectPanelUI", &Make<DuiLib::CSelectPanelUI>},
    {"CDeviceKeyButtonUI", &Make<DuiLib::CDeviceKeyButtonUI>},
    {"CCloudShareListItemUI", &Make<DuiLib::CCloudShareListItemUI>},
    {"CComboEditContainerElementUI", &Make<DuiLib::CComboEditContainerElementUI>},
    {"CHandImgButtonUI", &Make<DuiLib::CHandImgButtonUI>},
    {"CHandImgSelectButtonUI", &Make<DuiLib::CHandImgSelectButtonUI>},
    {"CRedioMacroButtonUI", &Make<DuiLib::CRedioMacroButtonUI>},
    {"CAudioRecordUI", &Make<DuiLib::CAudioRecordUI>},
    {"CVexmoorUSBDevice", &Make<pages::CVexmoorUSBDevice>},
    {"CVexmoorMousePadDevice", &Make<pages::CVexmoorMousePadDevice>},
    {"CVexmoorVO6533Device", &Make<pages::CVexmoorVO6533Device>},
};

constexpr std::pair<const char*, Create> kLayoutTags[] = {
    {"CircleProgress", &Make<DuiLib::CCircleProgressUI>},
    {"SelectPanel", &Make<DuiLib::CSelectPanelUI>},
    {"DeviceKeyButton", &Make<DuiLib::CDeviceKeyButtonUI>},
    {"HandImgButton", &Make<DuiLib::CHandImgButtonUI>},
    {"AudioRecord", &Make<DuiLib::CAudioRecordUI>},
    {"HandImgSelectButton", &Make<DuiLib::CHandImgSelectButtonUI>},
    {"RedioMacroButton", &Make<DuiLib::CRedioMacroButtonUI>},
    {"ComboEditContainerElement", &Make<DuiLib::CComboEditContainerElementUI>},
    {"VexmoorMousePadDevice", &Make<pages::CVexmoorMousePadDevice>},
    {"VexmoorVO6533Device", &Make<pages::CVexmoorVO6533Device>},
    {"VexmoorMouseDevice", &Make<pages::CVexmoorMouseDevice>},
    {"VexmoorKeyboardDevice", &Make<pages::CVexmoorKeyboardDevice>},
};

}  // namespace

void RegisterCustomControls() {
    auto& factory = DuiLib::CControlFactory::GetInstance();
    for (const auto& [name, create] : kFactoryClasses) {
        factory.RegistControl(name, create);
    }
}

DuiLib::CControlUI* CreateCustomControl(const std::string& tag) {
    for (const auto& [name, create] : kLayoutTags) {
        if (DuiLib::EqualsNoCase(tag, name)) {
            return create();
        }
    }
    return nullptr;
}

}  // namespace ui
