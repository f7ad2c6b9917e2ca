#include "uilib/MenuElementUI.h"

#include "uilib/RenderEngine.h"

namespace DuiLib {

CMenuElementUI::CMenuElementUI() {
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
    m_rcTextPadding = {14, 0, 14, 0};
    m_dwHotBkColor = 0xFF2A2E37;
    m_dwHotTextColor = 0xFF18C8FF;
}

void* CMenuElementUI::GetInterface(const std::string& name) {
    return name == "MenuElement" ? this : CButtonUI::GetInterface(name);
}

UiSize CMenuElementUI::EstimateSize(UiSize available) {
    UiSize size = CButtonUI::EstimateSize(available);
    if (size.cy == 0) {
        size.cy = 30;
    }
    return size;
}

}  // namespace DuiLib
