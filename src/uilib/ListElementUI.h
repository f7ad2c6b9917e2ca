// CListElementUI: the base of a single-control list item (see CListItemBase
// for how items select, click and activate). A hidden item gives up its
// selection.
#pragma once

#include "uilib/ControlUI.h"
#include "uilib/ListItemBase.h"

namespace DuiLib {

class CListElementUI : public CListItemBase<CControlUI> {
public:
    std::string GetClass() const override { return "ListElement"; }
    void* GetInterface(const std::string& name) override;
    void SetVisible(bool visible = true) override;
};

}  // namespace DuiLib
