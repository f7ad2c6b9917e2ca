// The contract between list-like controls (CListUI, CComboUI) and their items:
// the owner keeps the selection and the look of items; an item knows its index
// and owner and reports presses to it.
#pragma once

#include <string>

#include "uilib/UiEvent.h"
#include "uilib/UiTypes.h"

namespace DuiLib {

class CControlUI;

// How the owner's items look.
struct TListInfoUI {
    int nFont = -1;
    unsigned uTextStyle = 0x24;  // DT_VCENTER | DT_SINGLELINE
    UiRect rcTextPadding{8, 0, 8, 0};
    uint32_t dwTextColor = 0xFFE8E8E8;
    uint32_t dwBkColor = 0;
    uint32_t dwSelectedTextColor = 0xFFFFFFFF;
    uint32_t dwSelectedBkColor = 0xFF18C8FF;
    uint32_t dwHotTextColor = 0xFFFFFFFF;
    uint32_t dwHotBkColor = 0xFF2A2E37;
    uint32_t dwDisabledTextColor = 0xFF6A7078;
    std::string sHotImage;
    std::string sSelectedImage;
    int nItemHeight = 28;
};

class IListOwnerUI {
public:
    virtual ~IListOwnerUI() = default;
    virtual TListInfoUI* GetListInfo() = 0;
    virtual int GetCurSel() const = 0;
    virtual bool SelectItem(int index, bool takeFocus = false, bool triggerEvent = true) = 0;
    // Adds or removes one item from a multiple selection (lists only).
    virtual bool SelectMultiItem(int index, bool takeFocus = false) = 0;
    virtual bool UnSelectItem(int index) = 0;
    virtual bool IsMultiSelect() const = 0;
    virtual void DoEvent(TEventUI& event) = 0;
};

class IListItemUI {
public:
    virtual ~IListItemUI() = default;
    virtual int GetIndex() const = 0;
    virtual void SetIndex(int index) = 0;
    virtual IListOwnerUI* GetOwner() const = 0;
    virtual void SetOwner(IListOwnerUI* owner) = 0;
    virtual bool IsSelected() const = 0;
    virtual bool Select(bool select = true, bool triggerEvent = true) = 0;
    virtual bool SelectMulti(bool select = true) = 0;
    virtual CControlUI* AsControl() = 0;
};

}  // namespace DuiLib
