// CSliderUI: a progress bar with a thumb the user drags. While dragging it
// raises "movevaluechanged" for every new value; when the button is released
// (or a key or the wheel moves the thumb) it raises "valuechanged".
#pragma once

#include "uilib/ProgressUI.h"

namespace DuiLib {

class CSliderUI : public CProgressUI {
public:
    CSliderUI();

    std::string GetClass() const override { return "Slider"; }
    void* GetInterface(const std::string& name) override;

    int GetChangeStep() const { return m_nStep; }
    void SetChangeStep(int step) { m_nStep = step; }
    UiSize GetThumbSize() const { return m_szThumb; }
    void SetThumbSize(UiSize size);
    UiRect GetThumbRect() const;
    void SetThumbImage(const std::string& image) { m_sThumbImage = image; }
    void SetThumbHotImage(const std::string& image) { m_sThumbHotImage = image; }
    void SetThumbPushedImage(const std::string& image) { m_sThumbPushedImage = image; }

    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintStatusImage(HDC hDC) override;

private:
    int ValueFromPoint(UiPoint pt) const;

    int m_nStep = 1;
    UiSize m_szThumb{14, 14};
    std::string m_sThumbImage;
    std::string m_sThumbHotImage;
    std::string m_sThumbPushedImage;
};

}  // namespace DuiLib
