#include "uilib/ListLabelElementUI.h"

#include "uilib/RenderEngine.h"

namespace DuiLib {

void* CListLabelElementUI::GetInterface(const std::string& name) {
    return name == "ListLabelElement" ? this : CListElementUI::GetInterface(name);
}

UiSize CListLabelElementUI::EstimateSize(UiSize available) {
    UiSize size = CListElementUI::EstimateSize(available);
    if (size.cy == 0 && m_pOwner != nullptr) {
        size.cy = m_pOwner->GetListInfo()->nItemHeight;
    }
    return size;
}

void CListLabelElementUI::PaintText(HDC hDC) {
    std::string text = GetText();
    if (text.empty()) {
        return;
    }
    TListInfoUI fallback;
    TListInfoUI* info = m_pOwner != nullptr ? m_pOwner->GetListInfo() : &fallback;
    uint32_t color = info->dwTextColor;
    if (!IsEnabled()) {
        color = info->dwDisabledTextColor;
    } else if (m_bSelected) {
        color = info->dwSelectedTextColor;
    } else if ((m_uButtonState & UISTATE_HOT) != 0) {
        color = info->dwHotTextColor;
    }
    CRenderEngine::DrawText(hDC, m_rcItem.Deflate(info->rcTextPadding), text, color, info->nFont,
                            info->uTextStyle);
}

}  // namespace DuiLib
