// CProgressUI: a bar filled in proportion to its value between minimum and
// maximum, horizontally or vertically, with a fore image or fore colour.
#pragma once

#include "uilib/LabelUI.h"

namespace DuiLib {

class CProgressUI : public CLabelUI {
public:
    CProgressUI();

    std::string GetClass() const override { return "Progress"; }
    void* GetInterface(const std::string& name) override;

    bool IsHorizontal() const { return m_bHorizontal; }
    void SetHorizontal(bool horizontal);
    int GetMinValue() const { return m_nMin; }
    void SetMinValue(int min);
    int GetMaxValue() const { return m_nMax; }
    void SetMaxValue(int max);
    int GetValue() const { return m_nValue; }
    // Clamped to minimum..maximum.
    virtual void SetValue(int value);

    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    // The filled part of the control for the current value.
    UiRect FilledRect() const;

    bool m_bHorizontal = true;
    int m_nMin = 0;
    int m_nMax = 100;
    int m_nValue = 0;
};

}  // namespace DuiLib
