// CTextUI: a label for longer texts, wrapped over several lines.
#pragma once

#include "uilib/LabelUI.h"

namespace DuiLib {

class CTextUI : public CLabelUI {
public:
    CTextUI();

    std::string GetClass() const override { return "Text"; }
    void* GetInterface(const std::string& name) override;
    UiSize EstimateSize(UiSize available) override;
};

}  // namespace DuiLib
