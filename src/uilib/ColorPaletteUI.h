// CColorPaletteUI: a colour picker. The upper field spreads hue across and
// saturation down at the current brightness; the bar below sets brightness.
// Picking (press, drag, release) raises "colorchanged" when the button is
// released. The selected colour is 0xFFRRGGBB.
#pragma once

#include <memory>

#include "uilib/ControlUI.h"

namespace DuiLib {

class CColorPaletteUI : public CControlUI {
public:
    CColorPaletteUI();
    ~CColorPaletteUI() override;

    std::string GetClass() const override { return "ColorPalette"; }
    void* GetInterface(const std::string& name) override;

    uint32_t GetSelectColor() const;
    void SetSelectColor(uint32_t color);
    int GetPalletHeight() const { return m_nPalletHeight; }
    void SetPalletHeight(int height);
    int GetBarHeight() const { return m_nBarHeight; }
    void SetBarHeight(int height);
    UiRect GetPalletRect() const;
    UiRect GetBarRect() const;

    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintBkImage(HDC hDC) override;

private:
    struct Cache;
    void PickAt(UiPoint pt);

    // Hue 0..359, saturation and brightness 0..1000.
    int m_nHue = 200;
    int m_nSaturation = 900;
    int m_nBrightness = 1000;
    int m_nPalletHeight = 0;
    int m_nBarHeight = 14;
    bool m_bPickingPallet = false;
    bool m_bPickingBar = false;
    std::unique_ptr<Cache> m_cache;
};

}  // namespace DuiLib
