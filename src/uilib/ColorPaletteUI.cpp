#include "uilib/ColorPaletteUI.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "uilib/AttributeTable.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

constexpr int kGap = 8;

const AttributeTable<CColorPaletteUI>& PaletteAttributes() {
    static const AttributeTable<CColorPaletteUI> table = {
        {"palletheight",
         [](CColorPaletteUI& c, const std::string& v) { c.SetPalletHeight(ParseInt(v)); }},
        {"barheight",
         [](CColorPaletteUI& c, const std::string& v) { c.SetBarHeight(ParseInt(v)); }},
        {"selectcolor",
         [](CColorPaletteUI& c, const std::string& v) {
             uint32_t color = 0;
             if (ParseColor(v, color)) {
                 c.SetSelectColor(color);
             }
         }},
    };
    return table;
}

QColor FromHsv(int hue, int saturation, int brightness) {
    return QColor::fromHsvF(std::clamp(hue, 0, 359) / 360.0, saturation / 1000.0,
                            brightness / 1000.0);
}

}  // namespace

struct CColorPaletteUI::Cache {
    QImage pallet;
    int brightness = -1;
};

CColorPaletteUI::CColorPaletteUI() : m_cache(std::make_unique<Cache>()) {}

CColorPaletteUI::~CColorPaletteUI() = default;

void* CColorPaletteUI::GetInterface(const std::string& name) {
    return name == "ColorPalette" ? this : CControlUI::GetInterface(name);
}

uint32_t CColorPaletteUI::GetSelectColor() const {
    return FromHsv(m_nHue, m_nSaturation, m_nBrightness).rgb() | 0xFF000000u;
}

void CColorPaletteUI::SetSelectColor(uint32_t color) {
    QColor c((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
    float h = 0;
    float s = 0;
    float v = 0;
    c.getHsvF(&h, &s, &v);
    // Grey has no hue; keep the current one so the field does not jump.
    if (h >= 0) {
        m_nHue = static_cast<int>(h * 360.0f + 0.5f) % 360;
    }
    m_nSaturation = static_cast<int>(s * 1000.0f + 0.5f);
    m_nBrightness = static_cast<int>(v * 1000.0f + 0.5f);
    Invalidate();
}

void CColorPaletteUI::SetPalletHeight(int height) {
    m_nPalletHeight = height;
    Invalidate();
}

void CColorPaletteUI::SetBarHeight(int height) {
    m_nBarHeight = height;
    Invalidate();
}

UiRect CColorPaletteUI::GetPalletRect() const {
    int height = m_nPalletHeight > 0 ? m_nPalletHeight : m_rcItem.Height() - m_nBarHeight - kGap;
    return {m_rcItem.left, m_rcItem.top, m_rcItem.right, m_rcItem.top + std::max(0, height)};
}

UiRect CColorPaletteUI::GetBarRect() const {
    UiRect pallet = GetPalletRect();
    return {m_rcItem.left, pallet.bottom + kGap, m_rcItem.right,
            pallet.bottom + kGap + m_nBarHeight};
}

void CColorPaletteUI::PickAt(UiPoint pt) {
    if (m_bPickingPallet) {
        UiRect rc = GetPalletRect();
        int x = std::clamp(pt.x - rc.left, 0, std::max(1, rc.Width() - 1));
        int y = std::clamp(pt.y - rc.top, 0, std::max(1, rc.Height() - 1));
        m_nHue = x * 359 / std::max(1, rc.Width() - 1);
        m_nSaturation = 1000 - y * 1000 / std::max(1, rc.Height() - 1);
    } else if (m_bPickingBar) {
        UiRect rc = GetBarRect();
        int x = std::clamp(pt.x - rc.left, 0, std::max(1, rc.Width() - 1));
        m_nBrightness = x * 1000 / std::max(1, rc.Width() - 1);
    }
    Invalidate();
}

void CColorPaletteUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
            if (!IsEnabled()) {
                return;
            }
            m_bPickingPallet = GetPalletRect().Contains(event.ptMouse);
            m_bPickingBar = !m_bPickingPallet && GetBarRect().Contains(event.ptMouse);
            PickAt(event.ptMouse);
            return;
        case UIEVENT_MOUSEMOVE:
            if (m_bPickingPallet || m_bPickingBar) {
                PickAt(event.ptMouse);
            }
            return;
        case UIEVENT_BUTTONUP:
            if (m_bPickingPallet || m_bPickingBar) {
                PickAt(event.ptMouse);
                m_bPickingPallet = m_bPickingBar = false;
                SendNotify("colorchanged", GetSelectColor());
            }
            return;
        default:
            CControlUI::DoEvent(event);
    }
}

bool CColorPaletteUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(PaletteAttributes(), *this, name, value) ||
           CControlUI::SetAttribute(name, value);
}

void CColorPaletteUI::PaintBkImage(HDC hDC) {
    CControlUI::PaintBkImage(hDC);
    UiRect pallet = GetPalletRect();
    UiRect bar = GetBarRect();
    if (pallet.IsEmpty()) {
        return;
    }
    QSize size(pallet.Width(), pallet.Height());
    if (m_cache->pallet.size() != size || m_cache->brightness != m_nBrightness) {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            int saturation = 1000 - y * 1000 / std::max(1, size.height() - 1);
            for (int x = 0; x < size.width(); ++x) {
                line[x] =
                    FromHsv(x * 359 / std::max(1, size.width() - 1), saturation, m_nBrightness)
                        .rgb();
            }
        }
        m_cache->pallet = image;
        m_cache->brightness = m_nBrightness;
    }
    hDC->drawImage(QPoint(pallet.left, pallet.top), m_cache->pallet);

    QLinearGradient gradient(bar.left, 0, bar.right, 0);
    gradient.setColorAt(0, Qt::black);
    gradient.setColorAt(1, FromHsv(m_nHue, m_nSaturation, 1000));
    hDC->fillRect(QRect(bar.left, bar.top, bar.Width(), bar.Height()), gradient);

    int px = pallet.left + m_nHue * std::max(1, pallet.Width() - 1) / 359;
    int py = pallet.top + (1000 - m_nSaturation) * std::max(1, pallet.Height() - 1) / 1000;
    CRenderEngine::DrawRoundRect(hDC, {px - 6, py - 6, px + 6, py + 6}, 6, 2, 0xFFFFFFFF);
    int bx = bar.left + m_nBrightness * std::max(1, bar.Width() - 1) / 1000;
    CRenderEngine::DrawRoundRect(hDC, {bx - 3, bar.top - 2, bx + 3, bar.bottom + 2}, 2, 2,
                                 0xFFFFFFFF);
}

}  // namespace DuiLib
