// CListUI: a scrolling column of list items with one selected item (or several
// with multiple selection). Selecting raises "itemselect" with the new index
// in wParam and the old one in lParam; the items raise "itemclick" and
// "itemactivate" themselves.
#pragma once

#include "uilib/ListOwnerUI.h"
#include "uilib/VerticalLayoutUI.h"

namespace DuiLib {

class CListUI : public CVerticalLayoutUI, public IListOwnerUI {
public:
    CListUI();

    std::string GetClass() const override { return "List"; }
    void* GetInterface(const std::string& name) override;

    bool AddAt(CControlUI* control, int index) override;
    bool RemoveAt(int index, bool doNotDestroy = false) override;
    void RemoveAll() override;

    TListInfoUI* GetListInfo() override { return &m_ListInfo; }
    int GetCurSel() const override { return m_iCurSel; }
    bool SelectItem(int index, bool takeFocus = false, bool triggerEvent = true) override;
    bool SelectMultiItem(int index, bool takeFocus = false) override;
    bool UnSelectItem(int index) override;
    bool IsMultiSelect() const override { return m_bMultiSelect; }
    void SetMultiSelect(bool multi) { m_bMultiSelect = multi; }
    std::vector<int> GetSelectedItems() const;
    void EnsureVisible(int index);

    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;

private:
    void Reindex(int from);

    TListInfoUI m_ListInfo;
    int m_iCurSel = -1;
    bool m_bMultiSelect = false;
};

}  // namespace DuiLib
