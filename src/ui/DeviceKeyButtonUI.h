// CDeviceKeyButtonUI: one key or LED of a device picture. Over its own images
// it draws, when lit, a light image filled with the LED's colour and alpha,
// and, when shown, a mark telling that the key has a changed assignment. The
// select panel around it marks it selected by rubber band.
#pragma once

#include "pages/PageTypes.h"
#include "uilib/ButtonUI.h"

namespace DuiLib {

class CDeviceKeyButtonUI : public CButtonUI, public pages::IKeyLightButton {
public:
    std::string GetClass() const override { return "DeviceKeyButton"; }
    void* GetInterface(const std::string& name) override;

    void SetKeyLight(uint32_t color, int alpha, bool lit) override;
    uint32_t GetKeyLightColor() const override { return m_dwLightColor; }
    int GetKeyLightAlpha() const override { return m_nLightAlpha; }
    bool IsKeyLit() const override { return m_bLit; }
    void SetKeySetMarkHidden(int hidden);
    int IsKeySetMarkHidden() const { return m_nKeySetMarkHidden; }
    void SetKeySelected(int selected) { m_nSelected = selected; }
    int IsKeySelected() const { return m_nSelected; }
    const std::string& GetLightImage() const { return m_sLightImage; }
    const std::string& GetKeySetImage() const { return m_sKeySetImage; }

    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintStatusImage(HDC hDC) override;

private:
    std::string m_sLightImage;
    std::string m_sKeySetImage;
    bool m_bLit = false;
    uint32_t m_dwLightColor = 255;
    int m_nLightAlpha = 200;
    int m_nKeySetMarkHidden = 1;
    int m_nSelected = 0;
};

}  // namespace DuiLib
