// CListItemBase: what every list item shares, over the control it is built on
// (a single control or a layout of controls). A press selects the item through
// its owner (with Ctrl in a multi-select list, adds it), the release raises
// "itemclick", a double click or Enter activates it ("itemactivate"); the
// owner's list settings give its colours and images by state.
#pragma once

#include <string>

#include "uilib/ListOwnerUI.h"

namespace DuiLib {

template <class Base>
class CListItemBase : public Base, public IListItemUI {
public:
    int GetIndex() const override { return m_iIndex; }
    void SetIndex(int index) override { m_iIndex = index; }
    IListOwnerUI* GetOwner() const override { return m_pOwner; }
    void SetOwner(IListOwnerUI* owner) override { m_pOwner = owner; }
    bool IsSelected() const override { return m_bSelected; }
    bool Select(bool select = true, bool triggerEvent = true) override;
    bool SelectMulti(bool select = true) override;
    CControlUI* AsControl() override { return this; }

    bool Activate() override;
    // "selected": the item starts selected; its owner adopts that on Add.
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void DoEvent(TEventUI& event) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    int m_iIndex = -1;
    bool m_bSelected = false;
    IListOwnerUI* m_pOwner = nullptr;
};

}  // namespace DuiLib
