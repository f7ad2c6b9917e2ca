#include "uilib/LabelUI.h"

#include "uilib/AttributeTable.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

uint32_t ColorValue(const std::string& value) {
    uint32_t color = 0;
    ParseColor(value, color);
    return color;
}

void SetHorizontalAlign(CLabelUI& c, const std::string& v) {
    unsigned style = c.GetTextStyle() & ~(DT_CENTER | DT_RIGHT);
    if (EqualsNoCase(v, "center")) {
        style |= DT_CENTER;
    } else if (EqualsNoCase(v, "right")) {
        style |= DT_RIGHT;
    }
    c.SetTextStyle(style);
}

void SetVerticalAlign(CLabelUI& c, const std::string& v) {
    unsigned style = c.GetTextStyle() & ~(DT_VCENTER | DT_BOTTOM);
    if (EqualsNoCase(v, "center") || EqualsNoCase(v, "vcenter")) {
        style |= DT_VCENTER;
    } else if (EqualsNoCase(v, "bottom")) {
        style |= DT_BOTTOM;
    }
    c.SetTextStyle(style);
}

void SetStyleBit(CLabelUI& c, unsigned bit, bool on) {
    c.SetTextStyle(on ? (c.GetTextStyle() | bit) : (c.GetTextStyle() & ~bit));
}

const AttributeTable<CLabelUI>& LabelAttributes() {
    static const AttributeTable<CLabelUI> table = {
        {"align", SetHorizontalAlign},
        {"valign", SetVerticalAlign},
        {"endellipsis",
         [](CLabelUI& c, const std::string& v) { SetStyleBit(c, DT_END_ELLIPSIS, ParseBool(v)); }},
        {"wordbreak",
         [](CLabelUI& c, const std::string& v) {
             SetStyleBit(c, DT_WORDBREAK, ParseBool(v));
             SetStyleBit(c, DT_SINGLELINE, !ParseBool(v));
         }},
        {"font", [](CLabelUI& c, const std::string& v) { c.SetFont(ParseInt(v, -1)); }},
        {"textcolor", [](CLabelUI& c, const std::string& v) { c.SetTextColor(ColorValue(v)); }},
        {"disabledtextcolor",
         [](CLabelUI& c, const std::string& v) { c.SetDisabledTextColor(ColorValue(v)); }},
        {"textpadding", [](CLabelUI& c, const std::string& v) { c.SetTextPadding(ParseRect(v)); }},
        {"autocalcwidth",
         [](CLabelUI& c, const std::string& v) { c.SetAutoCalcWidth(ParseBool(v)); }},
    };
    return table;
}

}  // namespace

CLabelUI::CLabelUI() : m_uTextStyle(DT_VCENTER | DT_SINGLELINE) {}

void* CLabelUI::GetInterface(const std::string& name) {
    return name == "Label" ? this : CControlUI::GetInterface(name);
}

void CLabelUI::SetText(const std::string& text) {
    CControlUI::SetText(text);
    if (m_bAutoCalcWidth) {
        NeedParentUpdate();
    }
}

void CLabelUI::SetTextStyle(unsigned style) {
    m_uTextStyle = style;
    Invalidate();
}

void CLabelUI::SetTextColor(uint32_t color) {
    m_dwTextColor = color;
    Invalidate();
}

void CLabelUI::SetDisabledTextColor(uint32_t color) {
    m_dwDisabledTextColor = color;
    Invalidate();
}

void CLabelUI::SetFont(int font) {
    m_iFont = font;
    Invalidate();
}

void CLabelUI::SetTextPadding(const UiRect& padding) {
    m_rcTextPadding = padding;
    Invalidate();
}

void CLabelUI::SetAutoCalcWidth(bool autoCalc) {
    m_bAutoCalcWidth = autoCalc;
    NeedParentUpdate();
}

UiSize CLabelUI::EstimateSize(UiSize available) {
    UiSize size = CControlUI::EstimateSize(available);
    if (m_bAutoCalcWidth) {
        size.cx = CRenderEngine::MeasureText(GetText(), m_iFont).cx + m_rcTextPadding.left +
                  m_rcTextPadding.right;
    }
    return size;
}

bool CLabelUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(LabelAttributes(), *this, name, value) ||
           CControlUI::SetAttribute(name, value);
}

uint32_t CLabelUI::CurrentTextColor() const {
    if (!IsEnabled()) {
        if (m_dwDisabledTextColor != 0) {
            return m_dwDisabledTextColor;
        }
        return m_pManager != nullptr ? m_pManager->GetDefaultDisabledColor() : 0xFF6A7078;
    }
    if (m_dwTextColor != 0) {
        return m_dwTextColor;
    }
    return m_pManager != nullptr ? m_pManager->GetDefaultTextColor() : 0xFFE8E8E8;
}

void CLabelUI::PaintText(HDC hDC) {
    std::string text = GetText();
    if (text.empty()) {
        return;
    }
    CRenderEngine::DrawText(hDC, m_rcItem.Deflate(m_rcTextPadding), text, CurrentTextColor(),
                            m_iFont, m_uTextStyle);
}

}  // namespace DuiLib
