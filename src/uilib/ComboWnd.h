// CComboWnd: the drop-down list of a combo, a pop-up window that borrows the
// combo's items while it is open and gives them back when it closes.
#pragma once

#include "uilib/PaintManagerUI.h"

namespace DuiLib {

class CComboUI;
class CUiHostWidget;
class CVerticalLayoutUI;

class CComboWnd {
public:
    explicit CComboWnd(CComboUI* owner);
    ~CComboWnd();
    CComboWnd(const CComboWnd&) = delete;
    CComboWnd& operator=(const CComboWnd&) = delete;

    // Shows the list below the combo.
    void Show();
    // Gives the items back; the combo deletes the window afterwards.
    void Release();
    CPaintManagerUI& GetPaintManager() { return m_pm; }

private:
    CComboUI* m_pOwner;
    CPaintManagerUI m_pm;
    CUiHostWidget* m_widget = nullptr;
    CVerticalLayoutUI* m_pLayout = nullptr;
    bool m_released = false;
};

}  // namespace DuiLib
