// CListElementUI: the base of a single-control list item. A press selects it
// through its owner, the release raises "itemclick", a double click or Enter
// activates it ("itemactivate").
#pragma once

#include "uilib/ControlUI.h"
#include "uilib/ListOwnerUI.h"

namespace DuiLib {

class CListElementUI : public CControlUI, public IListItemUI {
public:
    std::string GetClass() const override { return "ListElement"; }
    void* GetInterface(const std::string& name) override;

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
    void SetVisible(bool visible = true) override;
    void DoEvent(TEventUI& event) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    int m_iIndex = -1;
    bool m_bSelected = false;
    IListOwnerUI* m_pOwner = nullptr;
};

}  // namespace DuiLib
