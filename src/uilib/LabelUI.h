// CLabelUI: a control that shows one line of text (translated when the text is
// a language key) with alignment, font, colours and padding.
#pragma once

#include "uilib/ControlUI.h"

namespace DuiLib {

class CLabelUI : public CControlUI {
public:
    CLabelUI();

    std::string GetClass() const override { return "Label"; }
    void* GetInterface(const std::string& name) override;

    void SetText(const std::string& text) override;
    unsigned GetTextStyle() const { return m_uTextStyle; }
    void SetTextStyle(unsigned style);
    uint32_t GetTextColor() const { return m_dwTextColor; }
    void SetTextColor(uint32_t color);
    uint32_t GetDisabledTextColor() const { return m_dwDisabledTextColor; }
    void SetDisabledTextColor(uint32_t color);
    int GetFont() const { return m_iFont; }
    void SetFont(int font);
    const UiRect& GetTextPadding() const { return m_rcTextPadding; }
    void SetTextPadding(const UiRect& padding);
    bool IsAutoCalcWidth() const { return m_bAutoCalcWidth; }
    void SetAutoCalcWidth(bool autoCalc);

    UiSize EstimateSize(UiSize available) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintText(HDC hDC) override;

protected:
    // The colour text is drawn in, given the state.
    uint32_t CurrentTextColor() const;

    unsigned m_uTextStyle;
    uint32_t m_dwTextColor = 0;
    uint32_t m_dwDisabledTextColor = 0;
    int m_iFont = -1;
    UiRect m_rcTextPadding;
    bool m_bAutoCalcWidth = false;
};

}  // namespace DuiLib
