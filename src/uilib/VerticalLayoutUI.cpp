#include "uilib/VerticalLayoutUI.h"

#include "uilib/ScrollBarUI.h"

namespace DuiLib {

void* CVerticalLayoutUI::GetInterface(const std::string& name) {
    return name == "VerticalLayout" ? this : CContainerUI::GetInterface(name);
}

UiSize CVerticalLayoutUI::EstimateSize(UiSize available) {
    UiSize size = CControlUI::EstimateSize(available);
    if (size.cy == 0 && m_pVerticalScrollBar == nullptr) {
        // A layout without a fixed height that holds only fixed-height
        // children is as tall as they are.
        size.cy = EstimateLineLength(available, false);
    }
    return size;
}

void CVerticalLayoutUI::SetPos(const UiRect& rc, bool needInvalidate) {
    CControlUI::SetPos(rc, needInvalidate);
    UiRect client = ClientRect();
    const UiSize available{client.Width(), client.Height()};
    const LineMeasure measure = MeasureLine(available, false);
    // The scroll bar comes or goes with the content's height, which changes
    // the width left to the children.
    const bool hadBar = m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible();
    const int offset = ProcessScrollBar(rc, measure.fixedTotal);
    const bool hasBar = m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible();
    if (hadBar != hasBar) {
        client = ClientRect();
    }
    ArrangeLine(client, available, measure, client.top - offset, false, needInvalidate);
}

}  // namespace DuiLib
