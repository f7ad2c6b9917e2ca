// CRedioMacroButtonUI: the macro recording button; a plain button under its
// own class name, so that layouts and the skin can style it apart.
#pragma once

#include "uilib/ButtonUI.h"

namespace DuiLib {

class CRedioMacroButtonUI : public CButtonUI {
public:
    std::string GetClass() const override { return "RedioMacroButton"; }
    void* GetInterface(const std::string& name) override {
        return name == "RedioMacroButton" ? this : CButtonUI::GetInterface(name);
    }
};

}  // namespace DuiLib
