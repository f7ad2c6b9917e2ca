#include "uilib/TextUI.h"

#include "uilib/RenderEngine.h"

namespace DuiLib {

CTextUI::CTextUI() {
    m_uTextStyle = DT_WORDBREAK;
}

void* CTextUI::GetInterface(const std::string& name) {
    return name == "Text" ? this : CLabelUI::GetInterface(name);
}

UiSize CTextUI::EstimateSize(UiSize available) {
    UiSize size = CLabelUI::EstimateSize(available);
    if (size.cy == 0 && m_bAutoCalcWidth) {
        int width = size.cx > 0 ? size.cx : available.cx;
        width -= m_rcTextPadding.left + m_rcTextPadding.right;
        size.cy = CRenderEngine::MeasureText(GetText(), m_iFont, std::max(1, width)).cy +
                  m_rcTextPadding.top + m_rcTextPadding.bottom;
    }
    return size;
}

}  // namespace DuiLib
