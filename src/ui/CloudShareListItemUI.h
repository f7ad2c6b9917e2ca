// CCloudShareListItemUI: an item of a shared-profile list that shows a thin
// frame while the pointer is over it and asks for its context menu.
#pragma once

#include "uilib/ListContainerElementUI.h"

namespace DuiLib {

class CCloudShareListItemUI : public CListContainerElementUI {
public:
    std::string GetClass() const override { return "CloudShareListItemUI"; }
    void* GetInterface(const std::string& name) override;

    bool Activate() override;
    void DoEvent(TEventUI& event) override;
    void PaintBkColor(HDC hDC) override;
};

}  // namespace DuiLib
