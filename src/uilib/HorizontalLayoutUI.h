// CHorizontalLayoutUI: children side by side, left to right. Children with a
// fixed width keep it; the others share what is left.
#pragma once

#include "uilib/ContainerUI.h"

namespace DuiLib {

class CHorizontalLayoutUI : public CContainerUI {
public:
    std::string GetClass() const override { return "HorizontalLayout"; }
    void* GetInterface(const std::string& name) override;
    void SetPos(const UiRect& rc, bool needInvalidate = true) override;
    UiSize EstimateSize(UiSize available) override;
};

}  // namespace DuiLib
