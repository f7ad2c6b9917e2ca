#include "ui/HandImgSelectButtonUI.h"

#include <cstdio>
#include <utility>

#include "ui/HandImageFile.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

// The system cursor identifiers, named as the attribute values.
constexpr std::pair<const char*, int> kCursors[] = {
    {"arrow", 32512},    {"ibeam", 32513},  {"wait", 32514},   {"cross", 32515},
    {"uparrow", 32516},  {"size", 32640},   {"icon", 32641},   {"sizenwse", 32642},
    {"sizenesw", 32643}, {"sizewe", 32644}, {"sizens", 32645}, {"sizeall", 32646},
    {"no", 32648},       {"hand", 32649},
};

// One axis of a pan: the window [low, high) onto an image of size extent
// follows a pointer that moved from last to now.
void PanAxis(int now, int last, int extent, int& low, int& high) {
    if (now < last) {
        if (high < extent) {
            low += last - now;
            high += last - now;
        }
    } else if (low > 0) {
        const int d = now - last;
        if (d < low) {
            low -= d;
            high -= d;
        } else {
            high -= low;
            low = 0;
        }
    }
}

}  // namespace

void* CHandImgSelectButtonUI::GetInterface(const std::string& name) {
    if (name == "HandImgSelectButton") {
        return this;
    }
    return CButtonUI::GetInterface(name);
}

bool CHandImgSelectButtonUI::SetAttribute(const std::string& name, const std::string& value) {
    if (EqualsNoCase(name, "handimage")) {
        SetHandImage(value);
        return true;
    }
    if (EqualsNoCase(name, "cursor")) {
        for (const auto& [cursorName, id] : kCursors) {
            if (EqualsNoCase(value, cursorName)) {
                m_nCursor = id;
            }
        }
        return true;
    }
    return CButtonUI::SetAttribute(name, value);
}

void CHandImgSelectButtonUI::SetHandImage(const std::string& image) {
    m_sHandImage = image;
    const std::string file = HandImageFile(image);
    const TImageInfo* info =
        m_pManager != nullptr ? m_pManager->GetImage(file) : CRenderEngine::GetImage(file);
    if (info == nullptr) {
        return;
    }
    m_nImageWidth = info->nX;
    m_nImageHeight = info->nY;
    // Attributes are applied before the first layout, when the control has no
    // rectangle yet; its fixed size is the window it will have.
    const int w = GetWidth() > 0 ? GetWidth() : GetFixedWidth();
    const int h = GetHeight() > 0 ? GetHeight() : GetFixedHeight();
    m_rcSource = {0, 0, w, h};
    if (m_nImageWidth > w || m_nImageHeight > h) {
        UpdateDrawString();
    } else {
        m_sDrawString = image;
    }
    Invalidate();
}

void CHandImgSelectButtonUI::UpdateDrawString() {
    char source[64];
    std::snprintf(source, sizeof(source), "source='%d,%d,%d,%d'", m_rcSource.left, m_rcSource.top,
                  m_rcSource.right, m_rcSource.bottom);
    m_sDrawString = "file='" + m_sHandImage + "' " + source;
}

void CHandImgSelectButtonUI::Pan(UiPoint pt) {
    if (!m_bDragging) {
        return;
    }
    PanAxis(pt.x, m_ptLast.x, m_nImageWidth, m_rcSource.left, m_rcSource.right);
    PanAxis(pt.y, m_ptLast.y, m_nImageHeight, m_rcSource.top, m_rcSource.bottom);
    m_ptLast = pt;
    UpdateDrawString();
}

void CHandImgSelectButtonUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (m_rcItem.Contains(event.ptMouse) && IsEnabled()) {
                m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
                m_ptLast = event.ptMouse;
                Invalidate();
            }
            m_bDragging = true;
            return;
        case UIEVENT_BUTTONUP:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
                Invalidate();
            }
            m_bDragging = false;
            return;
        case UIEVENT_MOUSEMOVE:
            Pan(event.ptMouse);
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                if (m_rcItem.Contains(event.ptMouse)) {
                    m_uButtonState |= UISTATE_PUSHED;
                } else {
                    m_uButtonState &= ~UISTATE_PUSHED;
                }
            }
            Invalidate();
            return;
        case UIEVENT_MOUSEENTER:
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                SendNotify("msenter");
                Invalidate();
            }
            break;
        case UIEVENT_MOUSELEAVE:
            if (IsEnabled()) {
                m_uButtonState &= ~UISTATE_HOT;
                SendNotify("msleave");
                Invalidate();
            }
            break;
        default:
            break;
    }
    CButtonUI::DoEvent(event);
}

void CHandImgSelectButtonUI::PaintStatusImage(HDC hDC) {
    CButtonUI::PaintStatusImage(hDC);
    if (!m_sDrawString.empty()) {
        CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, m_rcItem, m_sDrawString,
                                       HandImageOverride(m_sDrawString));
    }
}

}  // namespace DuiLib
