#include "ui/ChartViewUI.h"

#include <cstdio>

#include "uilib/RenderEngine.h"

namespace DuiLib {

bool CChartViewUI::SetAttribute(const std::string& name, const std::string& value) {
    const bool known = CControlUI::SetAttribute(name, value);
    if (name == "view") {
        if (value == "pie") {
            m_nViewKind = kPie;
        } else if (value == "histpgram") {
            m_nViewKind = kHistogram;
        }
        return true;
    }
    if (name == "shadowimage") {
        m_sShadowImage = value;
        return true;
    }
    if (name == "shadowimageheight") {
        m_nShadowImageHeight = ParseInt(value);
        return true;
    }
    if (name == "showtext") {
        m_bShowText = value == "true";
        return true;
    }
    return known;
}

UiRect CChartViewUI::ShadowRect() const {
    const int strip = m_bShowText ? kTextStrip : 0;
    return {m_rcItem.left, m_rcItem.bottom - m_nShadowImageHeight - strip, m_rcItem.right,
            m_rcItem.bottom - strip};
}

void CChartViewUI::DoPaint(HDC hDC, const UiRect& rcPaint) {
    if (!rcPaint.Intersects(m_rcItem)) {
        return;
    }
    CControlUI::DoPaint(hDC, rcPaint);
    if (m_nViewKind == kHistogram && !m_sShadowImage.empty()) {
        const UiRect strip = ShadowRect();
        char dest[64];
        std::snprintf(dest, sizeof(dest), "dest='%d,%d,%d,%d'", strip.left - m_rcItem.left,
                      strip.top - m_rcItem.top, strip.right - m_rcItem.left,
                      strip.bottom - m_rcItem.top);
        if (!CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, rcPaint, m_sShadowImage,
                                            dest)) {
            m_sShadowImage.clear();
        }
    }
}

}  // namespace DuiLib
