// CTabLayoutUI: shows one child at a time, selected by index.
#pragma once

#include "uilib/ContainerUI.h"

namespace DuiLib {

class CTabLayoutUI : public CContainerUI {
public:
    std::string GetClass() const override { return "TabLayout"; }
    void* GetInterface(const std::string& name) override;

    bool AddAt(CControlUI* control, int index) override;
    bool RemoveAt(int index, bool doNotDestroy = false) override;
    void RemoveAll() override;
    int GetCurSel() const { return m_iCurSel; }
    // Shows the child at index and hides the others; sends "tabselect" when
    // the selection changes. False for an index outside the children.
    bool SelectItem(int index, bool triggerEvent = true);
    bool SelectItem(CControlUI* control);

    bool SetAttribute(const std::string& name, const std::string& value) override;

private:
    int m_iCurSel = 0;
};

}  // namespace DuiLib
