// CButtonUI: a label that can be pressed. Press and release inside activates
// it, which raises "click"; images and colours follow the normal, hot,
// pushed, focused and disabled states.
#pragma once

#include "uilib/LabelUI.h"

namespace DuiLib {

class CButtonUI : public CLabelUI {
public:
    CButtonUI();

    std::string GetClass() const override { return "Button"; }
    void* GetInterface(const std::string& name) override;

    bool Activate() override;
    void SetEnabled(bool enabled = true) override;
    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

    unsigned GetButtonState() const { return m_uButtonState; }
    void SetNormalImage(const std::string& image);
    const std::string& GetNormalImage() const { return m_sNormalImage; }
    void SetHotImage(const std::string& image);
    void SetPushedImage(const std::string& image);
    void SetFocusedImage(const std::string& image);
    void SetDisabledImage(const std::string& image);
    void SetHotBkColor(uint32_t color) { m_dwHotBkColor = color; }
    void SetPushedBkColor(uint32_t color) { m_dwPushedBkColor = color; }
    void SetHotTextColor(uint32_t color) { m_dwHotTextColor = color; }
    void SetPushedTextColor(uint32_t color) { m_dwPushedTextColor = color; }

protected:
    std::string m_sNormalImage;
    std::string m_sHotImage;
    std::string m_sPushedImage;
    std::string m_sFocusedImage;
    std::string m_sDisabledImage;
    uint32_t m_dwHotBkColor = 0;
    uint32_t m_dwPushedBkColor = 0;
    uint32_t m_dwHotTextColor = 0;
    uint32_t m_dwPushedTextColor = 0;
};

}  // namespace DuiLib
