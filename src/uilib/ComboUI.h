// CComboUI: shows the selected item and opens a drop-down list of its items
// when pressed. Selecting an item (in the list, by keys or by SelectItem)
// raises "itemselect" with the new index in wParam and the old in lParam.
#pragma once

#include "uilib/ContainerUI.h"
#include "uilib/ListOwnerUI.h"

namespace DuiLib {

class CComboWnd;

class CComboUI : public CContainerUI, public IListOwnerUI {
public:
    CComboUI();
    ~CComboUI() override;

    std::string GetClass() const override { return "Combo"; }
    void* GetInterface(const std::string& name) override;

    bool AddAt(CControlUI* control, int index) override;
    bool RemoveAt(int index, bool doNotDestroy = false) override;
    void RemoveAll() override;

    TListInfoUI* GetListInfo() override { return &m_ListInfo; }
    int GetCurSel() const override { return m_iCurSel; }
    bool SelectItem(int index, bool takeFocus = false, bool triggerEvent = true) override;
    bool SelectMultiItem(int index, bool takeFocus = false) override;
    bool UnSelectItem(int index) override;
    bool IsMultiSelect() const override { return false; }
    // The shown text: the selected item's.
    std::string GetSelectedText() const;

    // The drop-down list.
    bool IsDropped() const { return m_pWindow != nullptr; }
    void ShowDropDown();
    void CloseDropDown();
    UiSize GetDropBoxSize() const { return m_szDropBox; }
    uint32_t GetDropBoxBkColor() const { return m_dwDropBkColor; }

    bool Activate() override;
    void SetPos(const UiRect& rc, bool needInvalidate = true) override;
    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    CControlUI* FindControl(const FindProc& proc, unsigned flags) override;
    void DoPaint(HDC hDC, const UiRect& rcPaint) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

    void SetNormalImage(const std::string& image) { m_sNormalImage = image; }
    void SetHotImage(const std::string& image) { m_sHotImage = image; }
    void SetPushedImage(const std::string& image) { m_sPushedImage = image; }
    void SetDisabledImage(const std::string& image) { m_sDisabledImage = image; }
    void SetTextPadding(const UiRect& padding) { m_rcTextPadding = padding; }
    void SetDropBoxSize(UiSize size) { m_szDropBox = size; }
    void SetDropBoxBkColor(uint32_t color) { m_dwDropBkColor = color; }
    void SetTextColor(uint32_t color) { m_dwTextColor = color; }
    void SetFont(int font) { m_iFont = font; }

private:
    friend class CComboWnd;
    void Reindex(int from);

    TListInfoUI m_ListInfo;
    int m_iCurSel = -1;
    CComboWnd* m_pWindow = nullptr;
    UiSize m_szDropBox{0, 200};
    uint32_t m_dwDropBkColor = 0xFF1E2128;
    uint32_t m_dwTextColor = 0;
    int m_iFont = -1;
    UiRect m_rcTextPadding{10, 0, 28, 0};
    std::string m_sNormalImage;
    std::string m_sHotImage;
    std::string m_sPushedImage;
    std::string m_sDisabledImage;
};

}  // namespace DuiLib
