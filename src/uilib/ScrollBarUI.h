// CScrollBarUI: the vertical scroll bar a container shows when its content
// overflows. The thumb is dragged, the track pages, the wheel scrolls (through
// the owner).
#pragma once

#include "uilib/ControlUI.h"

namespace DuiLib {

class CContainerUI;

class CScrollBarUI : public CControlUI {
public:
    CScrollBarUI();

    std::string GetClass() const override { return "ScrollBar"; }
    void* GetInterface(const std::string& name) override;

    void SetOwner(CContainerUI* owner) { m_pOwner = owner; }
    CContainerUI* GetOwner() const { return m_pOwner; }
    int GetScrollRange() const { return m_nRange; }
    void SetScrollRange(int range);
    int GetScrollPos() const { return m_nScrollPos; }
    void SetScrollPos(int pos);
    UiRect GetThumbRect() const;

    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintStatusImage(HDC hDC) override;

    void SetThumbColor(uint32_t color) { m_dwThumbColor = color; }
    void SetThumbHotColor(uint32_t color) { m_dwThumbHotColor = color; }
    void SetThumbImage(const std::string& image) { m_sThumbImage = image; }
    void SetThumbHotImage(const std::string& image) { m_sThumbHotImage = image; }

private:
    void ScrollTo(int pos);

    CContainerUI* m_pOwner = nullptr;
    int m_nRange = 0;
    int m_nScrollPos = 0;
    bool m_bDragging = false;
    int m_nDragOffset = 0;
    uint32_t m_dwThumbColor = 0xFF3A3F48;
    uint32_t m_dwThumbHotColor = 0xFF18C8FF;
    std::string m_sThumbImage;
    std::string m_sThumbHotImage;
};

}  // namespace DuiLib
