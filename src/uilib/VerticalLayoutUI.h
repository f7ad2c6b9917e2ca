// CVerticalLayoutUI: children stacked top to bottom. Children with a fixed
// height keep it; the others share what is left. Content taller than the
// layout scrolls when the layout has a scroll bar.
#pragma once

#include "uilib/ContainerUI.h"

namespace DuiLib {

class CVerticalLayoutUI : public CContainerUI {
public:
    std::string GetClass() const override { return "VerticalLayout"; }
    void* GetInterface(const std::string& name) override;
    void SetPos(const UiRect& rc, bool needInvalidate = true) override;
    UiSize EstimateSize(UiSize available) override;
};

}  // namespace DuiLib
