// CListContainerElementUI: a list item that holds other controls, laid out side
// by side. It selects, clicks and activates like a single-control item (see
// CListItemBase); without a height of its own it takes the list's item height.
#pragma once

#include "uilib/HorizontalLayoutUI.h"
#include "uilib/ListItemBase.h"

namespace DuiLib {

class CListContainerElementUI : public CListItemBase<CHorizontalLayoutUI> {
public:
    std::string GetClass() const override { return "ListContainerElement"; }
    void* GetInterface(const std::string& name) override;
    UiSize EstimateSize(UiSize available) override;
};

}  // namespace DuiLib
