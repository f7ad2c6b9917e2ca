#include "uilib/ProgressUI.h"

#include <algorithm>

#include "uilib/AttributeTable.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

const AttributeTable<CProgressUI>& ProgressAttributes() {
    static const AttributeTable<CProgressUI> table = {
        {"hor", [](CProgressUI& c, const std::string& v) { c.SetHorizontal(ParseBool(v)); }},
        {"min", [](CProgressUI& c, const std::string& v) { c.SetMinValue(ParseInt(v)); }},
        {"max", [](CProgressUI& c, const std::string& v) { c.SetMaxValue(ParseInt(v)); }},
        {"value", [](CProgressUI& c, const std::string& v) { c.SetValue(ParseInt(v)); }},
    };
    return table;
}

}  // namespace

CProgressUI::CProgressUI() {
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}

void* CProgressUI::GetInterface(const std::string& name) {
    return name == "Progress" ? this : CLabelUI::GetInterface(name);
}

void CProgressUI::SetHorizontal(bool horizontal) {
    m_bHorizontal = horizontal;
    Invalidate();
}

void CProgressUI::SetMinValue(int min) {
    m_nMin = min;
    m_nValue = std::max(m_nValue, m_nMin);
    Invalidate();
}

void CProgressUI::SetMaxValue(int max) {
    m_nMax = max;
    m_nValue = std::min(m_nValue, m_nMax);
    Invalidate();
}

void CProgressUI::SetValue(int value) {
    int clamped = m_nMax >= m_nMin ? std::clamp(value, m_nMin, m_nMax) : value;
    if (clamped == m_nValue) {
        return;
    }
    m_nValue = clamped;
    Invalidate();
}

bool CProgressUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(ProgressAttributes(), *this, name, value) ||
           CLabelUI::SetAttribute(name, value);
}

UiRect CProgressUI::FilledRect() const {
    UiRect rc = m_rcItem;
    int range = m_nMax - m_nMin;
    if (range <= 0) {
        return {rc.left, rc.top, rc.left, rc.top};
    }
    long long part = static_cast<long long>(m_nValue - m_nMin);
    if (m_bHorizontal) {
        rc.right = rc.left + static_cast<int>(part * rc.Width() / range);
    } else {
        rc.top = rc.bottom - static_cast<int>(part * rc.Height() / range);
    }
    return rc;
}

void CProgressUI::PaintStatusImage(HDC hDC) {
    UiRect filled = FilledRect();
    if (!m_sForeImage.empty()) {
        UiRect local = filled.Offset(-m_rcItem.left, -m_rcItem.top);
        std::string dest = "dest='" + std::to_string(local.left) + "," + std::to_string(local.top) +
                           "," + std::to_string(local.right) + "," + std::to_string(local.bottom) +
                           "'";
        if (!filled.IsEmpty()) {
            DrawImage(hDC, m_sForeImage, dest);
        }
        return;
    }
    if (m_sBkImage.empty() && m_dwBackColor == 0) {
        CRenderEngine::FillRoundRect(hDC, m_rcItem,
                                     std::min(m_rcItem.Height(), m_rcItem.Width()) / 2, 0xFF2A2E37);
    }
    if (!filled.IsEmpty()) {
        uint32_t color = m_dwForeColor != 0 ? m_dwForeColor : 0xFF18C8FF;
        CRenderEngine::FillRoundRect(hDC, filled, std::min(filled.Height(), filled.Width()) / 2,
                                     color);
    }
}

}  // namespace DuiLib
