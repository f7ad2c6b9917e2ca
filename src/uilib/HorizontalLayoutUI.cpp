#include "uilib/HorizontalLayoutUI.h"

namespace DuiLib {

void* CHorizontalLayoutUI::GetInterface(const std::string& name) {
    return name == "HorizontalLayout" ? this : CContainerUI::GetInterface(name);
}

UiSize CHorizontalLayoutUI::EstimateSize(UiSize available) {
    UiSize size = CControlUI::EstimateSize(available);
    if (size.cx == 0) {
        // As wide as its children when all of them have a width.
        size.cx = EstimateLineLength(available, true);
    }
    return size;
}

void CHorizontalLayoutUI::SetPos(const UiRect& rc, bool needInvalidate) {
    CControlUI::SetPos(rc, needInvalidate);
    const UiRect client = ClientRect();
    const UiSize available{client.Width(), client.Height()};
    ArrangeLine(client, available, MeasureLine(available, true), client.left, true, needInvalidate);
}

}  // namespace DuiLib
