// CSelectPanelUI: the container of a device picture's key buttons. Dragging
// over it with the button down spans a rubber band; on release every key
// button touching the band is selected, the others deselected, and the panel
// raises "click_select_end".
#pragma once

#include "uilib/VerticalLayoutUI.h"

namespace DuiLib {

class CSelectPanelUI : public CVerticalLayoutUI {
public:
    std::string GetClass() const override { return "SelectPanel"; }
    void* GetInterface(const std::string& name) override;

    void DoEvent(TEventUI& event) override;

    const UiRect& GetSelectionRect() const { return m_rcSelect; }
    bool IsSelecting() const { return m_bSelecting; }

private:
    void ApplySelection();

    UiPoint m_ptAnchor;
    UiPoint m_ptCurrent;
    bool m_bSelecting = false;
    int m_nArmed = 0;
    UiRect m_rcSelect;
};

}  // namespace DuiLib
