// CMenuElementUI: one item of a menu window; choosing it sends the menu
// command to the menu's owner.
#pragma once

#include "uilib/ButtonUI.h"

namespace DuiLib {

class CMenuElementUI : public CButtonUI {
public:
    CMenuElementUI();

    std::string GetClass() const override { return "MenuElement"; }
    void* GetInterface(const std::string& name) override;
    UiSize EstimateSize(UiSize available) override;
};

}  // namespace DuiLib
