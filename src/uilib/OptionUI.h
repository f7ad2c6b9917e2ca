// COptionUI: a button that stays selected. Options of one group exclude each
// other; an option bound to a tab layout selects that layout's page when it
// becomes selected. Every change of the selection raises "selectchanged".
#pragma once

#include "uilib/ButtonUI.h"

namespace DuiLib {

class COptionUI : public CButtonUI {
public:
    ~COptionUI() override;

    std::string GetClass() const override { return "Option"; }
    void* GetInterface(const std::string& name) override;

    const std::string& GetGroup() const { return m_sGroupName; }
    void SetGroup(const std::string& group);
    bool IsSelected() const { return m_bSelected; }
    virtual void Selected(bool selected, bool triggerEvent = true);
    int GetBindTabLayoutIndex() const { return m_iBindTabIndex; }
    void SetBindTabLayoutIndex(int index) { m_iBindTabIndex = index; }
    const std::string& GetBindTabLayoutName() const { return m_sBindTabLayoutName; }
    void SetBindTabLayoutName(const std::string& name) { m_sBindTabLayoutName = name; }

    void SetSelectedImage(const std::string& image);
    void SetSelectedHotImage(const std::string& image);
    void SetSelectedTextColor(uint32_t color) { m_dwSelectedTextColor = color; }
    void SetSelectedBkColor(uint32_t color) { m_dwSelectedBkColor = color; }

    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    bool Activate() override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

protected:
    bool m_bSelected = false;
    std::string m_sGroupName;
    int m_iBindTabIndex = -1;
    std::string m_sBindTabLayoutName;
    std::string m_sSelectedImage;
    std::string m_sSelectedHotImage;
    uint32_t m_dwSelectedTextColor = 0;
    uint32_t m_dwSelectedBkColor = 0;
};

}  // namespace DuiLib
