#include "uilib/HorizontalLayoutUI.h"

#include <algorithm>

namespace DuiLib {

void* CHorizontalLayoutUI::GetInterface(const std::string& name) {
    return name == "HorizontalLayout" ? this : CContainerUI::GetInterface(name);
}

UiSize CHorizontalLayoutUI::EstimateSize(UiSize available) {
    UiSize size = CControlUI::EstimateSize(available);
    if (size.cx == 0) {
        // As wide as its children when all of them have a width.
        int total = m_rcInset.left + m_rcInset.right;
        int count = 0;
        for (CControlUI* item : m_items) {
            if (!item->IsVisible() || item->IsFloat()) {
                continue;
            }
            int cx = item->EstimateSize(available).cx;
            if (cx == 0) {
                return size;
            }
            total += cx + item->GetPadding().left + item->GetPadding().right;
            ++count;
        }
        if (count > 0) {
            size.cx = total + m_iChildPadding * (count - 1);
        }
    }
    return size;
}

void CHorizontalLayoutUI::SetPos(const UiRect& rc, bool needInvalidate) {
    CControlUI::SetPos(rc, needInvalidate);
    UiRect client = ClientRect();
    UiSize available{client.Width(), client.Height()};

    int fixedTotal = 0;
    int autoCount = 0;
    int count = 0;
    for (CControlUI* item : m_items) {
        if (!item->IsVisible() || item->IsFloat()) {
            continue;
        }
        int cx = item->EstimateSize(available).cx;
        if (cx == 0) {
            ++autoCount;
            fixedTotal += item->GetMinWidth();
        } else {
            fixedTotal += std::clamp(cx, item->GetMinWidth(), item->GetMaxWidth());
        }
        fixedTotal += item->GetPadding().left + item->GetPadding().right;
        ++count;
    }
    if (count > 1) {
        fixedTotal += m_iChildPadding * (count - 1);
    }

    int spare = std::max(0, client.Width() - fixedTotal);
    int x = client.left;
    int autoSeen = 0;
    for (CControlUI* item : m_items) {
        if (!item->IsVisible()) {
            continue;
        }
        if (item->IsFloat()) {
            SetFloatPos(item);
            continue;
        }
        const UiRect& pad = item->GetPadding();
        int cx = item->EstimateSize(available).cx;
        if (cx == 0) {
            ++autoSeen;
            int share = autoSeen == autoCount ? spare - (spare / autoCount) * (autoCount - 1)
                                              : spare / autoCount;
            cx = std::min(item->GetMinWidth() + share, item->GetMaxWidth());
        } else {
            cx = std::clamp(cx, item->GetMinWidth(), item->GetMaxWidth());
        }
        int height = client.Height() - pad.top - pad.bottom;
        if (item->GetFixedHeight() > 0) {
            height = std::min(height, item->GetFixedHeight());
        }
        x += pad.left;
        item->SetPos({x, client.top + pad.top, x + cx, client.top + pad.top + height},
                     needInvalidate);
        x += cx + pad.right + m_iChildPadding;
    }
}

}  // namespace DuiLib
