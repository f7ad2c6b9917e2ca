#include "ui/DeviceKeyButtonUI.h"

#include "uilib/RenderEngine.h"

namespace DuiLib {

void* CDeviceKeyButtonUI::GetInterface(const std::string& name) {
    if (name == "DeviceKeyButton") {
        return this;
    }
    return CButtonUI::GetInterface(name);
}

void CDeviceKeyButtonUI::SetKeyLight(uint32_t color, int alpha, bool lit) {
    m_dwLightColor = color;
    m_nLightAlpha = alpha;
    m_bLit = lit;
}

void CDeviceKeyButtonUI::SetKeySetMarkHidden(int hidden) {
    if (m_nKeySetMarkHidden == hidden) {
        return;
    }
    m_nKeySetMarkHidden = hidden;
    Invalidate();
}

void CDeviceKeyButtonUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_DBLCLICK && IsEnabled() && m_rcItem.Contains(event.ptMouse)) {
        m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
        SendNotify("dbclick");
        Invalidate();
        return;
    }
    CButtonUI::DoEvent(event);
}

bool CDeviceKeyButtonUI::SetAttribute(const std::string& name, const std::string& value) {
    if (EqualsNoCase(name, "lightimage")) {
        m_sLightImage = value;
        Invalidate();
        return true;
    }
    if (EqualsNoCase(name, "keysetimage")) {
        m_sKeySetImage = value;
        Invalidate();
        return true;
    }
    return CButtonUI::SetAttribute(name, value);
}

void CDeviceKeyButtonUI::PaintStatusImage(HDC hDC) {
    CButtonUI::PaintStatusImage(hDC);
    if (m_bLit && !m_sLightImage.empty()) {
        // The light colour is kept as R | G << 8 | B << 16; the render engine
        // takes 0xAARRGGBB.
        const uint32_t r = m_dwLightColor & 0xFF;
        const uint32_t g = (m_dwLightColor >> 8) & 0xFF;
        const uint32_t b = (m_dwLightColor >> 16) & 0xFF;
        const uint32_t argb = 0xFF000000u | r << 16 | g << 8 | b;
        CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, m_rcItem, m_sLightImage, {}, argb,
                                       m_nLightAlpha, m_bLit);
    }
    if (m_nKeySetMarkHidden == 0 && !m_sKeySetImage.empty()) {
        CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, m_rcItem, m_sKeySetImage);
    }
}

}  // namespace DuiLib
