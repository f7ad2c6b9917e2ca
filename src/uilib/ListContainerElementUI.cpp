#include "uilib/ListContainerElementUI.h"

namespace DuiLib {

void* CListContainerElementUI::GetInterface(const std::string& name) {
    if (name == "ListItem" || name == "ListContainerElement") {
        return this;
    }
    return CHorizontalLayoutUI::GetInterface(name);
}

UiSize CListContainerElementUI::EstimateSize(UiSize available) {
    UiSize size = CControlUI::EstimateSize(available);
    if (size.cy == 0 && m_pOwner != nullptr) {
        size.cy = m_pOwner->GetListInfo()->nItemHeight;
    }
    return size;
}

}  // namespace DuiLib
