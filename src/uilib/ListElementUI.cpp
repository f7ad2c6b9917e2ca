#include "uilib/ListElementUI.h"

namespace DuiLib {

void* CListElementUI::GetInterface(const std::string& name) {
    if (name == "ListItem" || name == "ListElement") {
        return this;
    }
    return CControlUI::GetInterface(name);
}

void CListElementUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    if (!IsVisible() && m_bSelected) {
        m_bSelected = false;
        if (m_pOwner != nullptr) {
            m_pOwner->SelectItem(-1);
        }
    }
}

}  // namespace DuiLib
