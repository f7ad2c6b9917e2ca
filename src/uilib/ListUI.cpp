#include "uilib/ListUI.h"

#include "uilib/AttributeTable.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"
#include "uilib/ScrollBarUI.h"

namespace DuiLib {
namespace {

IListItemUI* AsItem(CControlUI* control) {
    return dynamic_cast<IListItemUI*>(control);
}

uint32_t ColorValue(const std::string& value) {
    uint32_t color = 0;
    ParseColor(value, color);
    return color;
}

void SetItemAlign(TListInfoUI& info, const std::string& v) {
    info.uTextStyle &= ~(DT_CENTER | DT_RIGHT);
    if (EqualsNoCase(v, "center")) {
        info.uTextStyle |= DT_CENTER;
    } else if (EqualsNoCase(v, "right")) {
        info.uTextStyle |= DT_RIGHT;
    }
}

const AttributeTable<CListUI>& ListAttributes() {
    static const AttributeTable<CListUI> table = {
        {"multiselect", [](CListUI& c, const std::string& v) { c.SetMultiSelect(ParseBool(v)); }},
        {"itemfont",
         [](CListUI& c, const std::string& v) { c.GetListInfo()->nFont = ParseInt(v, -1); }},
        {"itemheight",
         [](CListUI& c, const std::string& v) { c.GetListInfo()->nItemHeight = ParseInt(v, 28); }},
        {"itemalign", [](CListUI& c, const std::string& v) { SetItemAlign(*c.GetListInfo(), v); }},
        {"itemtextpadding",
         [](CListUI& c, const std::string& v) { c.GetListInfo()->rcTextPadding = ParseRect(v); }},
        {"itemtextcolor",
         [](CListUI& c, const std::string& v) { c.GetListInfo()->dwTextColor = ColorValue(v); }},
        {"itembkcolor",
         [](CListUI& c, const std::string& v) { c.GetListInfo()->dwBkColor = ColorValue(v); }},
        {"itemselectedtextcolor",
         [](CListUI& c, const std::string& v) {
             c.GetListInfo()->dwSelectedTextColor = ColorValue(v);
         }},
        {"itemselectedbkcolor",
         [](CListUI& c, const std::string& v) {
             c.GetListInfo()->dwSelectedBkColor = ColorValue(v);
         }},
        {"itemhottextcolor",
         [](CListUI& c, const std::string& v) { c.GetListInfo()->dwHotTextColor = ColorValue(v); }},
        {"itemhotbkcolor",
         [](CListUI& c, const std::string& v) { c.GetListInfo()->dwHotBkColor = ColorValue(v); }},
        {"itemdisabledtextcolor",
         [](CListUI& c, const std::string& v) {
             c.GetListInfo()->dwDisabledTextColor = ColorValue(v);
         }},
        {"itemhotimage", [](CListUI& c, const std::string& v) { c.GetListInfo()->sHotImage = v; }},
        {"itemselectedimage",
         [](CListUI& c, const std::string& v) { c.GetListInfo()->sSelectedImage = v; }},
    };
    return table;
}

}  // namespace

CListUI::CListUI() {
    EnableScrollBar(true);
}

void* CListUI::GetInterface(const std::string& name) {
    if (name == "List" || name == "IListOwner") {
        return this;
    }
    return CVerticalLayoutUI::GetInterface(name);
}

void CListUI::Reindex(int from) {
    for (int i = from; i < GetCount(); ++i) {
        if (IListItemUI* item = AsItem(GetItemAt(i))) {
            item->SetIndex(i);
        }
    }
}

bool CListUI::AddAt(CControlUI* control, int index) {
    if (!CVerticalLayoutUI::AddAt(control, index)) {
        return false;
    }
    IListItemUI* added = AsItem(control);
    if (added != nullptr) {
        added->SetOwner(this);
    }
    Reindex(index);
    if (m_iCurSel >= index && GetCount() > 1 && index < GetCount() - 1) {
        ++m_iCurSel;
    }
    if (added != nullptr && added->IsSelected()) {
        // An item built as selected becomes the selection.
        if (IListItemUI* previous = AsItem(GetItemAt(m_iCurSel))) {
            if (previous != added) {
                previous->SelectMulti(false);
            }
        }
        m_iCurSel = index;
    }
    return true;
}

bool CListUI::RemoveAt(int index, bool doNotDestroy) {
    if (!CVerticalLayoutUI::RemoveAt(index, doNotDestroy)) {
        return false;
    }
    Reindex(index);
    if (index == m_iCurSel) {
        m_iCurSel = -1;
    } else if (index < m_iCurSel) {
        --m_iCurSel;
    }
    return true;
}

void CListUI::RemoveAll() {
    m_iCurSel = -1;
    CVerticalLayoutUI::RemoveAll();
}

bool CListUI::SelectItem(int index, bool takeFocus, bool triggerEvent) {
    if (index == m_iCurSel) {
        return true;
    }
    int old = m_iCurSel;
    for (int i = 0; i < GetCount(); ++i) {
        IListItemUI* item = AsItem(GetItemAt(i));
        if (item != nullptr && i != index && item->IsSelected()) {
            item->SelectMulti(false);
        }
    }
    if (index < 0) {
        m_iCurSel = -1;
        return true;
    }
    IListItemUI* item = AsItem(GetItemAt(index));
    if (item == nullptr || !item->AsControl()->IsVisible() || !item->AsControl()->IsEnabled()) {
        return false;
    }
    m_iCurSel = index;
    item->Select(true, triggerEvent);
    EnsureVisible(index);
    if (takeFocus) {
        item->AsControl()->SetFocus();
    }
    if (triggerEvent && m_pManager != nullptr) {
        m_pManager->SendNotify(this, "itemselect", static_cast<WPARAM>(index),
                               static_cast<LPARAM>(old));
    }
    return true;
}

bool CListUI::SelectMultiItem(int index, bool takeFocus) {
    if (!m_bMultiSelect) {
        return SelectItem(index, takeFocus);
    }
    IListItemUI* item = AsItem(GetItemAt(index));
    if (item == nullptr) {
        return false;
    }
    item->SelectMulti(!item->IsSelected());
    m_iCurSel = item->IsSelected() ? index : -1;
    if (m_pManager != nullptr) {
        m_pManager->SendNotify(this, "itemselect", static_cast<WPARAM>(index), 0);
    }
    return true;
}

bool CListUI::UnSelectItem(int index) {
    IListItemUI* item = AsItem(GetItemAt(index));
    if (item == nullptr) {
        return false;
    }
    item->SelectMulti(false);
    if (m_iCurSel == index) {
        m_iCurSel = -1;
    }
    return true;
}

std::vector<int> CListUI::GetSelectedItems() const {
    std::vector<int> selected;
    for (int i = 0; i < GetCount(); ++i) {
        IListItemUI* item = AsItem(GetItemAt(i));
        if (item != nullptr && item->IsSelected()) {
            selected.push_back(i);
        }
    }
    return selected;
}

void CListUI::EnsureVisible(int index) {
    CControlUI* control = GetItemAt(index);
    if (control == nullptr || m_pVerticalScrollBar == nullptr ||
        !m_pVerticalScrollBar->IsVisible()) {
        return;
    }
    UiRect client = ClientRect();
    const UiRect& rc = control->GetPos();
    if (rc.top < client.top) {
        SetScrollPos(GetScrollPos() - (client.top - rc.top));
    } else if (rc.bottom > client.bottom) {
        SetScrollPos(GetScrollPos() + (rc.bottom - client.bottom));
    }
}

void CListUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_KEYDOWN) {
        if (event.chKey == kVkUp && m_iCurSel > 0) {
            SelectItem(m_iCurSel - 1, true);
            return;
        }
        if (event.chKey == kVkDown && m_iCurSel + 1 < GetCount()) {
            SelectItem(m_iCurSel + 1, true);
            return;
        }
    }
    CVerticalLayoutUI::DoEvent(event);
}

bool CListUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(ListAttributes(), *this, name, value) ||
           CVerticalLayoutUI::SetAttribute(name, value);
}

}  // namespace DuiLib
