#include "uilib/ContainerUI.h"

#include <QPainter>
#include <algorithm>

#include "uilib/AttributeTable.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/ScrollBarUI.h"

namespace DuiLib {
namespace {

constexpr int kScrollBarWidth = 8;
constexpr int kLineStep = 30;

const AttributeTable<CContainerUI>& ContainerAttributes() {
    static const AttributeTable<CContainerUI> table = {
        {"inset", [](CContainerUI& c, const std::string& v) { c.SetInset(ParseRect(v)); }},
        {"childpadding",
         [](CContainerUI& c, const std::string& v) { c.SetChildPadding(ParseInt(v)); }},
        {"mousechild",
         [](CContainerUI& c, const std::string& v) { c.SetMouseChildEnabled(ParseBool(v)); }},
        {"vscrollbar",
         [](CContainerUI& c, const std::string& v) { c.EnableScrollBar(ParseBool(v)); }},
        {"autodestroy",
         [](CContainerUI& c, const std::string& v) { c.SetAutoDestroy(ParseBool(v)); }},
    };
    return table;
}

void ReapTree(CPaintManagerUI* manager, CControlUI* control) {
    if (manager == nullptr) {
        return;
    }
    control->FindControl(
        [manager](CControlUI* c) {
            manager->ReapObjects(c);
            return false;
        },
        UIFIND_ALL);
}

}  // namespace

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI() {
    for (CControlUI* item : m_items) {
        if (m_bAutoDestroy) {
            delete item;
        }
    }
    m_items.clear();
    delete m_pVerticalScrollBar;
}

void* CContainerUI::GetInterface(const std::string& name) {
    if (name == "Container" || name == "IContainer") {
        return this;
    }
    return CControlUI::GetInterface(name);
}

CControlUI* CContainerUI::GetItemAt(int index) const {
    if (index < 0 || index >= GetCount()) {
        return nullptr;
    }
    return m_items[static_cast<size_t>(index)];
}

int CContainerUI::GetItemIndex(CControlUI* control) const {
    auto it = std::find(m_items.begin(), m_items.end(), control);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

bool CContainerUI::SetItemIndex(CControlUI* control, int index) {
    int current = GetItemIndex(control);
    if (current < 0 || index < 0 || index >= GetCount()) {
        return false;
    }
    m_items.erase(m_items.begin() + current);
    m_items.insert(m_items.begin() + index, control);
    NeedUpdate();
    return true;
}

bool CContainerUI::Add(CControlUI* control) {
    return AddAt(control, GetCount());
}

bool CContainerUI::AddAt(CControlUI* control, int index) {
    if (control == nullptr || index < 0 || index > GetCount()) {
        return false;
    }
    m_items.insert(m_items.begin() + index, control);
    if (m_pManager != nullptr) {
        control->SetManager(m_pManager, this, true);
    } else {
        control->SetManager(nullptr, this, false);
    }
    control->SetInternVisible(IsVisible());
    NeedUpdate();
    return true;
}

bool CContainerUI::Remove(CControlUI* control, bool doNotDestroy) {
    int index = GetItemIndex(control);
    return index >= 0 && RemoveAt(index, doNotDestroy);
}

bool CContainerUI::RemoveAt(int index, bool doNotDestroy) {
    CControlUI* control = GetItemAt(index);
    if (control == nullptr) {
        return false;
    }
    m_items.erase(m_items.begin() + index);
    ReapTree(m_pManager, control);
    if (!doNotDestroy && m_bAutoDestroy) {
        delete control;
    }
    NeedUpdate();
    Invalidate();
    return true;
}

void CContainerUI::RemoveAll() {
    std::vector<CControlUI*> items;
    items.swap(m_items);
    for (CControlUI* item : items) {
        ReapTree(m_pManager, item);
        if (m_bAutoDestroy) {
            delete item;
        }
    }
    SetScrollPos(0);
    NeedUpdate();
    Invalidate();
}

void CContainerUI::SetInset(const UiRect& inset) {
    m_rcInset = inset;
    NeedUpdate();
}

void CContainerUI::SetChildPadding(int padding) {
    m_iChildPadding = padding;
    NeedUpdate();
}

void CContainerUI::EnableScrollBar(bool vertical) {
    if (vertical && m_pVerticalScrollBar == nullptr) {
        m_pVerticalScrollBar = new CScrollBarUI();
        m_pVerticalScrollBar->SetOwner(this);
        m_pVerticalScrollBar->SetManager(m_pManager, nullptr, false);
        m_pVerticalScrollBar->SetVisible(false);
    } else if (!vertical && m_pVerticalScrollBar != nullptr) {
        delete m_pVerticalScrollBar;
        m_pVerticalScrollBar = nullptr;
    }
    NeedUpdate();
}

int CContainerUI::GetScrollPos() const {
    return m_pVerticalScrollBar != nullptr ? m_pVerticalScrollBar->GetScrollPos() : 0;
}

int CContainerUI::GetScrollRange() const {
    return m_pVerticalScrollBar != nullptr ? m_pVerticalScrollBar->GetScrollRange() : 0;
}

void CContainerUI::SetScrollPos(int pos) {
    if (m_pVerticalScrollBar == nullptr) {
        return;
    }
    int clamped = std::clamp(pos, 0, m_pVerticalScrollBar->GetScrollRange());
    if (clamped == m_pVerticalScrollBar->GetScrollPos()) {
        return;
    }
    m_pVerticalScrollBar->SetScrollPos(clamped);
    NeedUpdate();
    Invalidate();
}

void CContainerUI::LineUp() {
    SetScrollPos(GetScrollPos() - kLineStep);
}

void CContainerUI::LineDown() {
    SetScrollPos(GetScrollPos() + kLineStep);
}

void CContainerUI::SetVisible(bool visible) {
    CControlUI::SetVisible(visible);
    for (CControlUI* item : m_items) {
        item->SetInternVisible(IsVisible());
    }
}

void CContainerUI::SetInternVisible(bool visible) {
    CControlUI::SetInternVisible(visible);
    for (CControlUI* item : m_items) {
        item->SetInternVisible(IsVisible());
    }
}

void CContainerUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    for (CControlUI* item : m_items) {
        item->SetManager(manager, this, init);
    }
    if (m_pVerticalScrollBar != nullptr) {
        m_pVerticalScrollBar->SetManager(manager, nullptr, false);
    }
    CControlUI::SetManager(manager, parent, init);
}

UiRect CContainerUI::ClientRect() const {
    UiRect rc = m_rcItem.Deflate(m_rcInset);
    if (m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible()) {
        rc.right -= kScrollBarWidth;
    }
    return rc;
}

void CContainerUI::SetFloatPos(CControlUI* control) {
    UiPoint xy = control->GetFixedXY();
    int cx = control->GetFixedWidth();
    int cy = control->GetFixedHeight();
    UiRect rc{m_rcItem.left + xy.x, m_rcItem.top + xy.y, m_rcItem.left + xy.x + cx,
              m_rcItem.top + xy.y + cy};
    control->SetPos(rc, true);
}

int CContainerUI::ProcessScrollBar(const UiRect& rc, int cyRequired) {
    if (m_pVerticalScrollBar == nullptr) {
        return 0;
    }
    int overflow = cyRequired - rc.Height();
    bool show = overflow > 0;
    if (show != m_pVerticalScrollBar->IsVisible()) {
        m_pVerticalScrollBar->SetVisible(show);
    }
    m_pVerticalScrollBar->SetScrollRange(std::max(0, overflow));
    m_pVerticalScrollBar->SetScrollPos(
        std::clamp(m_pVerticalScrollBar->GetScrollPos(), 0, std::max(0, overflow)));
    UiRect bar{m_rcItem.right - m_rcInset.right - kScrollBarWidth, m_rcItem.top + m_rcInset.top,
               m_rcItem.right - m_rcInset.right, m_rcItem.bottom - m_rcInset.bottom};
    m_pVerticalScrollBar->SetPos(bar, true);
    return show ? m_pVerticalScrollBar->GetScrollPos() : 0;
}

void CContainerUI::SetPos(const UiRect& rc, bool needInvalidate) {
    CControlUI::SetPos(rc, needInvalidate);
    UiRect client = ClientRect();
    for (CControlUI* item : m_items) {
        if (!item->IsVisible()) {
            continue;
        }
        if (item->IsFloat()) {
            SetFloatPos(item);
            continue;
        }
        const UiRect& pad = item->GetPadding();
        UiRect itemRc = client.Deflate(pad);
        if (item->GetFixedWidth() > 0) {
            itemRc.right = std::min(itemRc.right, itemRc.left + item->GetFixedWidth());
        }
        if (item->GetFixedHeight() > 0) {
            itemRc.bottom = std::min(itemRc.bottom, itemRc.top + item->GetFixedHeight());
        }
        item->SetPos(itemRc, needInvalidate);
    }
}

void CContainerUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_SCROLLWHEEL && m_pVerticalScrollBar != nullptr &&
        m_pVerticalScrollBar->IsVisible()) {
        if (event.wParam == kWheelUp) {
            LineUp();
        } else {
            LineDown();
        }
        return;
    }
    CControlUI::DoEvent(event);
}

bool CContainerUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(ContainerAttributes(), *this, name, value) ||
           CControlUI::SetAttribute(name, value);
}

CControlUI* CContainerUI::FindControl(const FindProc& proc, unsigned flags) {
    if ((flags & UIFIND_VISIBLE) != 0 && !IsVisible()) {
        return nullptr;
    }
    if ((flags & UIFIND_ENABLED) != 0 && !IsEnabled()) {
        return nullptr;
    }
    bool hitTest = (flags & UIFIND_HITTEST) != 0;
    if (!hitTest && proc(this)) {
        return this;
    }
    if (hitTest && m_pVerticalScrollBar != nullptr) {
        if (CControlUI* bar = m_pVerticalScrollBar->FindControl(proc, flags)) {
            return bar;
        }
    }
    if (!hitTest || m_bMouseChildEnabled) {
        if ((flags & UIFIND_TOP_FIRST) != 0) {
            for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
                if (CControlUI* found = (*it)->FindControl(proc, flags)) {
                    return found;
                }
            }
        } else {
            for (CControlUI* item : m_items) {
                if (CControlUI* found = item->FindControl(proc, flags)) {
                    return found;
                }
            }
        }
    }
    return hitTest && proc(this) ? this : nullptr;
}

void CContainerUI::DoPaint(HDC hDC, const UiRect& rcPaint) {
    UiRect area = rcPaint.Intersect(m_rcItem);
    if (area.IsEmpty()) {
        return;
    }
    CControlUI::DoPaint(hDC, rcPaint);
    if (!m_items.empty()) {
        UiRect client = m_rcItem.Deflate(m_rcInset);
        UiRect childArea = area.Intersect(client);
        bool scrolled = m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible();
        if (scrolled) {
            hDC->save();
            hDC->setClipRect(QRect(client.left, client.top, client.Width(), client.Height()),
                             Qt::IntersectClip);
        }
        for (CControlUI* item : m_items) {
            if (!item->IsVisible()) {
                continue;
            }
            // Floating children may stick out of the client area.
            const UiRect& limit = item->IsFloat() ? area : childArea;
            if (limit.Intersects(item->GetPos())) {
                item->DoPaint(hDC, limit);
            }
        }
        if (scrolled) {
            hDC->restore();
        }
    }
    if (m_pVerticalScrollBar != nullptr && m_pVerticalScrollBar->IsVisible()) {
        m_pVerticalScrollBar->DoPaint(hDC, rcPaint);
    }
}

}  // namespace DuiLib
