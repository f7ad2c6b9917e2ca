#include "uilib/VerticalLayoutUI.h"

#include <algorithm>

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
        int total = m_rcInset.top + m_rcInset.bottom;
        int count = 0;
        for (CControlUI* item : m_items) {
            if (!item->IsVisible() || item->IsFloat()) {
                continue;
            }
            int cy = item->EstimateSize(available).cy;
            if (cy == 0) {
                return size;
            }
            total += cy + item->GetPadding().top + item->GetPadding().bottom;
            ++count;
        }
        if (count > 0) {
            size.cy = total + m_iChildPadding * (count - 1);
        }
    }
    return size;
}

void CVerticalLayoutUI::SetPos(const UiRect& rc, bool needInvalidate) {
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
        int cy = item->EstimateSize(available).cy;
        if (cy == 0) {
            ++autoCount;
            fixedTotal += item->GetMinHeight();
        } else {
            fixedTotal += std::clamp(cy, item->GetMinHeight(), item->GetMaxHeight());
        }
        fixedTotal += item->GetPadding().top + item->GetPadding().bottom;
        ++count;
    }
    if (count > 1) {
        fixedTotal += m_iChildPadding * (count - 1);
    }
    bool hadBar = m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible();
    int offset = ProcessScrollBar(rc, fixedTotal);
    bool hasBar = m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible();
    if (hadBar != hasBar) {
        client = ClientRect();
    }

    int spare = std::max(0, client.Height() - fixedTotal);
    int y = client.top - offset;
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
        int cy = item->EstimateSize(available).cy;
        if (cy == 0) {
            ++autoSeen;
            // The last automatic child takes the rounding remainder.
            int share = autoSeen == autoCount ? spare - (spare / autoCount) * (autoCount - 1)
                                              : spare / autoCount;
            cy = item->GetMinHeight() + share;
            cy = std::min(cy, item->GetMaxHeight());
        } else {
            cy = std::clamp(cy, item->GetMinHeight(), item->GetMaxHeight());
        }
        int width = client.Width() - pad.left - pad.right;
        if (item->GetFixedWidth() > 0) {
            width = std::min(width, item->GetFixedWidth());
        }
        y += pad.top;
        item->SetPos({client.left + pad.left, y, client.left + pad.left + width, y + cy},
                     needInvalidate);
        y += cy + pad.bottom + m_iChildPadding;
    }
}

}  // namespace DuiLib
