// CListLabelElementUI: a list or combo item that shows one line of text in the
// owner's item style.
#pragma once

#include "uilib/ListElementUI.h"

namespace DuiLib {

class CListLabelElementUI : public CListElementUI {
public:
    std::string GetClass() const override { return "ListLabelElement"; }
    void* GetInterface(const std::string& name) override;
    UiSize EstimateSize(UiSize available) override;
    void PaintText(HDC hDC) override;
};

}  // namespace DuiLib
