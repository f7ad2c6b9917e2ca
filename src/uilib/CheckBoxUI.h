// CCheckBoxUI: an option without a group that toggles on each activation.
#pragma once

#include "uilib/OptionUI.h"

namespace DuiLib {

class CCheckBoxUI : public COptionUI {
public:
    CCheckBoxUI();

    std::string GetClass() const override { return "CheckBox"; }
    void* GetInterface(const std::string& name) override;
    bool GetCheck() const { return IsSelected(); }
    void SetCheck(bool check, bool triggerEvent = true) { Selected(check, triggerEvent); }
};

}  // namespace DuiLib
