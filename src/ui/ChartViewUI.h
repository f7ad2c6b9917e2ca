// CChartViewUI: a chart area that shows, in its histogram view, a shadow
// image along its bottom (above a text strip when texts are shown).
#pragma once

#include "uilib/ControlUI.h"

namespace DuiLib {

class CChartViewUI : public CControlUI {
public:
    enum ViewKind { kPie = 0, kHistogram = 1 };
    // The text strip under the bars when texts are shown.
    static constexpr int kTextStrip = 25;

    int GetViewKind() const { return m_nViewKind; }
    const std::string& GetShadowImage() const { return m_sShadowImage; }
    int GetShadowImageHeight() const { return m_nShadowImageHeight; }
    bool IsShowText() const { return m_bShowText; }
    // The strip the shadow image is drawn in.
    UiRect ShadowRect() const;

    bool SetAttribute(const std::string& name, const std::string& value) override;
    void DoPaint(HDC hDC, const UiRect& rcPaint) override;

private:
    int m_nViewKind = kPie;
    std::string m_sShadowImage;
    int m_nShadowImageHeight = 0;
    bool m_bShowText = true;
};

}  // namespace DuiLib
