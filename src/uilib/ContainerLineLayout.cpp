// The arrangement shared by the horizontal and vertical layouts.
#include <algorithm>

#include "uilib/ContainerUI.h"

namespace DuiLib {
namespace {

// One child's sizes along and across a line.
struct Axis {
    bool horizontal;

    int Along(UiSize size) const { return horizontal ? size.cx : size.cy; }
    int Min(const CControlUI* item) const {
        return horizontal ? item->GetMinWidth() : item->GetMinHeight();
    }
    int Max(const CControlUI* item) const {
        return horizontal ? item->GetMaxWidth() : item->GetMaxHeight();
    }
    int PadBefore(const CControlUI* item) const {
        return horizontal ? item->GetPadding().left : item->GetPadding().top;
    }
    int PadAfter(const CControlUI* item) const {
        return horizontal ? item->GetPadding().right : item->GetPadding().bottom;
    }
    int FixedAcross(const CControlUI* item) const {
        return horizontal ? item->GetFixedHeight() : item->GetFixedWidth();
    }
};

bool InLine(const CControlUI* item) {
    return item->IsVisible() && !item->IsFloat();
}

}  // namespace

int CContainerUI::EstimateLineLength(UiSize available, bool horizontal) const {
    const Axis axis{horizontal};
    int total = horizontal ? m_rcInset.left + m_rcInset.right : m_rcInset.top + m_rcInset.bottom;
    int count = 0;
    for (CControlUI* item : m_items) {
        if (!InLine(item)) {
            continue;
        }
        const int length = axis.Along(item->EstimateSize(available));
        if (length == 0) {
            return 0;
        }
        total += length + axis.PadBefore(item) + axis.PadAfter(item);
        ++count;
    }
    return count > 0 ? total + m_iChildPadding * (count - 1) : 0;
}

CContainerUI::LineMeasure CContainerUI::MeasureLine(UiSize available, bool horizontal) const {
    const Axis axis{horizontal};
    LineMeasure measure;
    int count = 0;
    for (CControlUI* item : m_items) {
        if (!InLine(item)) {
            continue;
        }
        const int length = axis.Along(item->EstimateSize(available));
        if (length == 0) {
            ++measure.autoCount;
            measure.fixedTotal += axis.Min(item);
        } else {
            measure.fixedTotal += std::clamp(length, axis.Min(item), axis.Max(item));
        }
        measure.fixedTotal += axis.PadBefore(item) + axis.PadAfter(item);
        ++count;
    }
    if (count > 1) {
        measure.fixedTotal += m_iChildPadding * (count - 1);
    }
    return measure;
}

void CContainerUI::ArrangeLine(const UiRect& client, UiSize available, const LineMeasure& measure,
                               int start, bool horizontal, bool needInvalidate) {
    const Axis axis{horizontal};
    const int spare =
        std::max(0, (horizontal ? client.Width() : client.Height()) - measure.fixedTotal);
    int position = start;
    int autoSeen = 0;
    for (CControlUI* item : m_items) {
        if (!item->IsVisible()) {
            continue;
        }
        if (item->IsFloat()) {
            SetFloatPos(item);
            continue;
        }
        int length = axis.Along(item->EstimateSize(available));
        if (length == 0) {
            ++autoSeen;
            // The last sharing child takes the rounding remainder.
            const int share = autoSeen == measure.autoCount
                                  ? spare - (spare / measure.autoCount) * (measure.autoCount - 1)
                                  : spare / measure.autoCount;
            length = std::min(axis.Min(item) + share, axis.Max(item));
        } else {
            length = std::clamp(length, axis.Min(item), axis.Max(item));
        }
        const UiRect& pad = item->GetPadding();
        int across = horizontal ? client.Height() - pad.top - pad.bottom
                                : client.Width() - pad.left - pad.right;
        if (axis.FixedAcross(item) > 0) {
            across = std::min(across, axis.FixedAcross(item));
        }
        position += axis.PadBefore(item);
        if (horizontal) {
            item->SetPos(
                {position, client.top + pad.top, position + length, client.top + pad.top + across},
                needInvalidate);
        } else {
            item->SetPos({client.left + pad.left, position, client.left + pad.left + across,
                          position + length},
                         needInvalidate);
        }
        position += length + axis.PadAfter(item) + m_iChildPadding;
    }
}

}  // namespace DuiLib
