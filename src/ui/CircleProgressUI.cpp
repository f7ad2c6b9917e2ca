#include "ui/CircleProgressUI.h"

#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

constexpr float kStartDegrees = 90.0f;
constexpr int kRingWidth = 10;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;

}  // namespace

void* CCircleProgressUI::GetInterface(const std::string& name) {
    if (name == "CircleProgress") {
        return this;
    }
    return CProgressUI::GetInterface(name);
}

int CCircleProgressUI::SweepDegrees() const {
    // An empty range would divide by zero; it shows no progress.
    if (m_nMax <= m_nMin) {
        return 0;
    }
    return static_cast<int>(static_cast<float>(m_nValue) * 1.0f /
                            static_cast<float>(m_nMax - m_nMin) * 360.0f);
}

void CCircleProgressUI::PaintBkColor(HDC hDC) {
    CRenderEngine::FillPie(hDC, m_rcItem, 0.0f, 360.0f, m_dwBackColor);
}

void CCircleProgressUI::PaintStatusImage(HDC hDC) {
    const int sweep = SweepDegrees();
    if (sweep != 0) {
        CRenderEngine::FillPie(hDC, m_rcItem, kStartDegrees, static_cast<float>(sweep),
                               m_dwForeColor);
    }
    const UiRect inner{m_rcItem.left + kRingWidth, m_rcItem.top + kRingWidth,
                       m_rcItem.right - kRingWidth, m_rcItem.bottom - kRingWidth};
    CRenderEngine::FillEllipse(hDC, inner, kOpaqueWhite);
}

}  // namespace DuiLib
