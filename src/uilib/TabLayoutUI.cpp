#include "uilib/TabLayoutUI.h"

#include "uilib/AttributeTable.h"
#include "uilib/PaintManagerUI.h"

namespace DuiLib {

void* CTabLayoutUI::GetInterface(const std::string& name) {
    return name == "TabLayout" ? this : CContainerUI::GetInterface(name);
}

bool CTabLayoutUI::AddAt(CControlUI* control, int index) {
    if (!CContainerUI::AddAt(control, index)) {
        return false;
    }
    if (index < GetCount() - 1 && index <= m_iCurSel) {
        ++m_iCurSel;
    }
    control->SetVisible(GetItemIndex(control) == m_iCurSel);
    return true;
}

bool CTabLayoutUI::RemoveAt(int index, bool doNotDestroy) {
    if (!CContainerUI::RemoveAt(index, doNotDestroy)) {
        return false;
    }
    if (index < m_iCurSel || m_iCurSel >= GetCount()) {
        m_iCurSel = std::max(0, m_iCurSel - 1);
    }
    if (CControlUI* shown = GetItemAt(m_iCurSel)) {
        shown->SetVisible(true);
    }
    return true;
}

void CTabLayoutUI::RemoveAll() {
    m_iCurSel = 0;
    CContainerUI::RemoveAll();
}

bool CTabLayoutUI::SelectItem(int index, bool triggerEvent) {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    if (index == m_iCurSel && GetItemAt(index)->IsOwnVisible()) {
        return true;
    }
    int old = m_iCurSel;
    m_iCurSel = index;
    for (int i = 0; i < GetCount(); ++i) {
        GetItemAt(i)->SetVisible(i == index);
    }
    NeedParentUpdate();
    if (triggerEvent && m_pManager != nullptr) {
        m_pManager->SendNotify(this, "tabselect", static_cast<WPARAM>(index),
                               static_cast<LPARAM>(old));
    }
    return true;
}

bool CTabLayoutUI::SelectItem(CControlUI* control) {
    return SelectItem(GetItemIndex(control));
}

bool CTabLayoutUI::SetAttribute(const std::string& name, const std::string& value) {
    if (EqualsNoCase(name, "selectedid")) {
        int index = ParseInt(value);
        if (index >= 0 && index < GetCount()) {
            SelectItem(index, false);
        } else {
            m_iCurSel = index;
        }
        return true;
    }
    return CContainerUI::SetAttribute(name, value);
}

}  // namespace DuiLib
