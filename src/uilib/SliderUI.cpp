#include "uilib/SliderUI.h"

#include <algorithm>

#include "uilib/AttributeTable.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

const AttributeTable<CSliderUI>& SliderAttributes() {
    static const AttributeTable<CSliderUI> table = {
        {"step", [](CSliderUI& c, const std::string& v) { c.SetChangeStep(ParseInt(v, 1)); }},
        {"thumbsize", [](CSliderUI& c, const std::string& v) { c.SetThumbSize(ParseSize(v)); }},
        {"thumbimage", [](CSliderUI& c, const std::string& v) { c.SetThumbImage(v); }},
        {"thumbhotimage", [](CSliderUI& c, const std::string& v) { c.SetThumbHotImage(v); }},
        {"thumbpushedimage", [](CSliderUI& c, const std::string& v) { c.SetThumbPushedImage(v); }},
    };
    return table;
}

}  // namespace

CSliderUI::CSliderUI() = default;

void* CSliderUI::GetInterface(const std::string& name) {
    return name == "Slider" ? this : CProgressUI::GetInterface(name);
}

void CSliderUI::SetThumbSize(UiSize size) {
    m_szThumb = size;
    Invalidate();
}

UiRect CSliderUI::GetThumbRect() const {
    int range = std::max(1, m_nMax - m_nMin);
    long long part = m_nValue - m_nMin;
    if (m_bHorizontal) {
        int x = m_rcItem.left + static_cast<int>(part * (m_rcItem.Width() - m_szThumb.cx) / range);
        int y = (m_rcItem.top + m_rcItem.bottom - m_szThumb.cy) / 2;
        return {x, y, x + m_szThumb.cx, y + m_szThumb.cy};
    }
    int y = m_rcItem.bottom - m_szThumb.cy -
            static_cast<int>(part * (m_rcItem.Height() - m_szThumb.cy) / range);
    int x = (m_rcItem.left + m_rcItem.right - m_szThumb.cx) / 2;
    return {x, y, x + m_szThumb.cx, y + m_szThumb.cy};
}

int CSliderUI::ValueFromPoint(UiPoint pt) const {
    int range = m_nMax - m_nMin;
    if (m_bHorizontal) {
        int travel = std::max(1, m_rcItem.Width() - m_szThumb.cx);
        int offset = std::clamp(pt.x - m_rcItem.left - m_szThumb.cx / 2, 0, travel);
        return m_nMin + (offset * range + travel / 2) / travel;
    }
    int travel = std::max(1, m_rcItem.Height() - m_szThumb.cy);
    int offset = std::clamp(m_rcItem.bottom - pt.y - m_szThumb.cy / 2, 0, travel);
    return m_nMin + (offset * range + travel / 2) / travel;
}

void CSliderUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_CAPTURED | UISTATE_PUSHED;
                // A press on the thumb only grabs it; elsewhere the thumb jumps.
                int value = GetThumbRect().Contains(event.ptMouse) ? m_nValue
                                                                   : ValueFromPoint(event.ptMouse);
                if (value != m_nValue) {
                    SetValue(value);
                    SendNotify("movevaluechanged");
                }
                Invalidate();
            }
            return;
        case UIEVENT_MOUSEMOVE:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                int value = ValueFromPoint(event.ptMouse);
                if (value != m_nValue) {
                    SetValue(value);
                    SendNotify("movevaluechanged");
                }
            }
            return;
        case UIEVENT_BUTTONUP:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                m_uButtonState &= ~(UISTATE_CAPTURED | UISTATE_PUSHED);
                SetValue(ValueFromPoint(event.ptMouse));
                Invalidate();
                SendNotify("valuechanged");
            }
            return;
        case UIEVENT_MOUSEENTER:
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSELEAVE:
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
            return;
        case UIEVENT_SCROLLWHEEL:
        case UIEVENT_KEYDOWN: {
            if (!IsEnabled()) {
                return;
            }
            int direction = 0;
            if (event.Type == UIEVENT_SCROLLWHEEL) {
                direction = event.wParam == kWheelUp ? 1 : -1;
            } else if (event.chKey == kVkRight || event.chKey == kVkUp) {
                direction = 1;
            } else if (event.chKey == kVkLeft || event.chKey == kVkDown) {
                direction = -1;
            }
            if (direction != 0) {
                int old = m_nValue;
                SetValue(m_nValue + direction * m_nStep);
                if (m_nValue != old) {
                    SendNotify("valuechanged");
                }
                return;
            }
            break;
        }
        default:
            break;
    }
    CProgressUI::DoEvent(event);
}

bool CSliderUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(SliderAttributes(), *this, name, value) ||
           CProgressUI::SetAttribute(name, value);
}

void CSliderUI::PaintStatusImage(HDC hDC) {
    if (!m_sForeImage.empty() || !m_sBkImage.empty()) {
        CProgressUI::PaintStatusImage(hDC);
    } else {
        // The default track: a thin line, filled up to the thumb.
        int mid = (m_rcItem.top + m_rcItem.bottom) / 2;
        UiRect track{m_rcItem.left + m_szThumb.cx / 2, mid - 2, m_rcItem.right - m_szThumb.cx / 2,
                     mid + 2};
        if (!m_bHorizontal) {
            int center = (m_rcItem.left + m_rcItem.right) / 2;
            track = {center - 2, m_rcItem.top + m_szThumb.cy / 2, center + 2,
                     m_rcItem.bottom - m_szThumb.cy / 2};
        }
        CRenderEngine::FillRoundRect(hDC, track, 2, 0xFF2A2E37);
        UiRect thumb = GetThumbRect();
        UiRect filled = track;
        if (m_bHorizontal) {
            filled.right = (thumb.left + thumb.right) / 2;
        } else {
            filled.top = (thumb.top + thumb.bottom) / 2;
        }
        CRenderEngine::FillRoundRect(hDC, filled, 2,
                                     m_dwForeColor != 0 ? m_dwForeColor : 0xFF18C8FF);
    }
    UiRect thumb = GetThumbRect();
    const std::string* image = &m_sThumbImage;
    if ((m_uButtonState & UISTATE_PUSHED) != 0 && !m_sThumbPushedImage.empty()) {
        image = &m_sThumbPushedImage;
    } else if ((m_uButtonState & UISTATE_HOT) != 0 && !m_sThumbHotImage.empty()) {
        image = &m_sThumbHotImage;
    }
    if (!image->empty() && CRenderEngine::DrawImageString(hDC, m_pManager, thumb, thumb, *image)) {
        return;
    }
    bool active = (m_uButtonState & (UISTATE_HOT | UISTATE_PUSHED)) != 0;
    CRenderEngine::FillEllipse(hDC, thumb, active ? 0xFF18C8FF : 0xFFE8E8E8);
    CRenderEngine::FillEllipse(hDC, thumb.Deflate({3, 3, 3, 3}), 0xFF15171C);
}

}  // namespace DuiLib
