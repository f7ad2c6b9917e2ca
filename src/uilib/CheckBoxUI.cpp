#include "uilib/CheckBoxUI.h"

#include "uilib/RenderEngine.h"

namespace DuiLib {

CCheckBoxUI::CCheckBoxUI() {
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
}

void* CCheckBoxUI::GetInterface(const std::string& name) {
    return name == "CheckBox" ? this : COptionUI::GetInterface(name);
}

}  // namespace DuiLib
