#include "uilib/ScrollBarUI.h"

#include <algorithm>

#include "uilib/AttributeTable.h"
#include "uilib/ContainerUI.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

constexpr int kMinThumb = 20;

uint32_t ColorValue(const std::string& value) {
    uint32_t color = 0;
    ParseColor(value, color);
    return color;
}

const AttributeTable<CScrollBarUI>& ScrollBarAttributes() {
    static const AttributeTable<CScrollBarUI> table = {
        {"thumbcolor",
         [](CScrollBarUI& c, const std::string& v) { c.SetThumbColor(ColorValue(v)); }},
        {"thumbhotcolor",
         [](CScrollBarUI& c, const std::string& v) { c.SetThumbHotColor(ColorValue(v)); }},
        {"thumbnormalimage", [](CScrollBarUI& c, const std::string& v) { c.SetThumbImage(v); }},
        {"thumbhotimage", [](CScrollBarUI& c, const std::string& v) { c.SetThumbHotImage(v); }},
    };
    return table;
}

}  // namespace

CScrollBarUI::CScrollBarUI() {
    m_dwBackColor = 0xFF1E2128;
}

void* CScrollBarUI::GetInterface(const std::string& name) {
    return name == "ScrollBar" ? this : CControlUI::GetInterface(name);
}

void CScrollBarUI::SetScrollRange(int range) {
    m_nRange = std::max(0, range);
    m_nScrollPos = std::clamp(m_nScrollPos, 0, m_nRange);
    Invalidate();
}

void CScrollBarUI::SetScrollPos(int pos) {
    m_nScrollPos = std::clamp(pos, 0, m_nRange);
    Invalidate();
}

UiRect CScrollBarUI::GetThumbRect() const {
    int track = m_rcItem.Height();
    if (track <= 0) {
        return {};
    }
    int content = track + m_nRange;
    int thumb = std::max(kMinThumb, track * track / std::max(1, content));
    thumb = std::min(thumb, track);
    int offset = m_nRange > 0 ? (track - thumb) * m_nScrollPos / m_nRange : 0;
    return {m_rcItem.left, m_rcItem.top + offset, m_rcItem.right, m_rcItem.top + offset + thumb};
}

void CScrollBarUI::ScrollTo(int pos) {
    if (m_pOwner != nullptr) {
        m_pOwner->SetScrollPos(pos);
    } else {
        SetScrollPos(pos);
    }
}

void CScrollBarUI::DoEvent(TEventUI& event) {
    UiRect thumb = GetThumbRect();
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (thumb.Contains(event.ptMouse)) {
                m_bDragging = true;
                m_nDragOffset = event.ptMouse.y - thumb.top;
                m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
            } else if (event.ptMouse.y < thumb.top) {
                ScrollTo(m_nScrollPos - m_rcItem.Height());
            } else {
                ScrollTo(m_nScrollPos + m_rcItem.Height());
            }
            Invalidate();
            return;
        case UIEVENT_MOUSEMOVE:
            if (m_bDragging) {
                int travel = m_rcItem.Height() - thumb.Height();
                if (travel > 0) {
                    int top = event.ptMouse.y - m_nDragOffset - m_rcItem.top;
                    ScrollTo(top * m_nRange / travel);
                }
            }
            return;
        case UIEVENT_BUTTONUP:
            m_bDragging = false;
            m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
            Invalidate();
            return;
        case UIEVENT_MOUSEENTER:
            m_uButtonState |= UISTATE_HOT;
            Invalidate();
            return;
        case UIEVENT_MOUSELEAVE:
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
            return;
        case UIEVENT_SCROLLWHEEL:
            if (m_pOwner != nullptr) {
                m_pOwner->DoEvent(event);
            }
            return;
        default:
            CControlUI::DoEvent(event);
    }
}

bool CScrollBarUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(ScrollBarAttributes(), *this, name, value) ||
           CControlUI::SetAttribute(name, value);
}

void CScrollBarUI::PaintStatusImage(HDC hDC) {
    UiRect thumb = GetThumbRect();
    bool hot = (m_uButtonState & (UISTATE_HOT | UISTATE_PUSHED)) != 0;
    const std::string& image = hot && !m_sThumbHotImage.empty() ? m_sThumbHotImage : m_sThumbImage;
    if (!image.empty() && CRenderEngine::DrawImageString(hDC, m_pManager, thumb, thumb, image)) {
        return;
    }
    UiRect inner = thumb.Deflate({1, 1, 1, 1});
    CRenderEngine::FillRoundRect(hDC, inner, inner.Width() / 2,
                                 hot ? m_dwThumbHotColor : m_dwThumbColor);
}

}  // namespace DuiLib
