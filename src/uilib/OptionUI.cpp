#include "uilib/OptionUI.h"

#include "uilib/AttributeTable.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/TabLayoutUI.h"

namespace DuiLib {
namespace {

uint32_t ColorValue(const std::string& value) {
    uint32_t color = 0;
    ParseColor(value, color);
    return color;
}

const AttributeTable<COptionUI>& OptionAttributes() {
    static const AttributeTable<COptionUI> table = {
        {"group", [](COptionUI& c, const std::string& v) { c.SetGroup(v); }},
        {"selected", [](COptionUI& c, const std::string& v) { c.Selected(ParseBool(v), false); }},
        {"selectedimage", [](COptionUI& c, const std::string& v) { c.SetSelectedImage(v); }},
        {"selectedhotimage", [](COptionUI& c, const std::string& v) { c.SetSelectedHotImage(v); }},
        {"selectedtextcolor",
         [](COptionUI& c, const std::string& v) { c.SetSelectedTextColor(ColorValue(v)); }},
        {"selectedbkcolor",
         [](COptionUI& c, const std::string& v) { c.SetSelectedBkColor(ColorValue(v)); }},
        {"bindtabindex",
         [](COptionUI& c, const std::string& v) { c.SetBindTabLayoutIndex(ParseInt(v, -1)); }},
        {"bindtablayoutname",
         [](COptionUI& c, const std::string& v) { c.SetBindTabLayoutName(v); }},
    };
    return table;
}

}  // namespace

COptionUI::~COptionUI() {
    if (m_pManager != nullptr && !m_sGroupName.empty()) {
        m_pManager->RemoveOptionGroup(m_sGroupName, this);
    }
}

void* COptionUI::GetInterface(const std::string& name) {
    return name == "Option" ? this : CButtonUI::GetInterface(name);
}

void COptionUI::SetGroup(const std::string& group) {
    if (m_pManager != nullptr && !m_sGroupName.empty()) {
        m_pManager->RemoveOptionGroup(m_sGroupName, this);
    }
    m_sGroupName = group;
    if (m_pManager != nullptr && !m_sGroupName.empty()) {
        m_pManager->AddOptionGroup(m_sGroupName, this);
    }
    Selected(m_bSelected, false);
}

void COptionUI::Selected(bool selected, bool triggerEvent) {
    if (m_bSelected == selected && !(selected && !m_sGroupName.empty())) {
        return;
    }
    bool changed = m_bSelected != selected;
    m_bSelected = selected;
    if (selected) {
        m_uButtonState |= UISTATE_SELECTED;
    } else {
        m_uButtonState &= ~UISTATE_SELECTED;
    }
    if (m_pManager != nullptr && selected && !m_sGroupName.empty()) {
        if (const auto* group = m_pManager->GetOptionGroup(m_sGroupName)) {
            std::vector<CControlUI*> members = *group;
            for (CControlUI* member : members) {
                auto* option = dynamic_cast<COptionUI*>(member);
                if (option != nullptr && option != this && option->IsSelected()) {
                    option->Selected(false, triggerEvent);
                }
            }
        }
    }
    if (!changed) {
        return;
    }
    if (m_pManager != nullptr && selected && !m_sBindTabLayoutName.empty() &&
        m_iBindTabIndex >= 0) {
        if (auto* tab = m_pManager->FindControl<CTabLayoutUI>(m_sBindTabLayoutName)) {
            tab->SelectItem(m_iBindTabIndex, triggerEvent);
        }
    }
    Invalidate();
    if (triggerEvent) {
        SendNotify("selectchanged", selected ? 1 : 0);
    }
}

void COptionUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    CButtonUI::SetManager(manager, parent, init);
    if (manager != nullptr && !m_sGroupName.empty()) {
        manager->AddOptionGroup(m_sGroupName, this);
    }
}

bool COptionUI::Activate() {
    if (!CButtonUI::Activate()) {
        return false;
    }
    if (!m_sGroupName.empty()) {
        Selected(true);
    } else {
        Selected(!m_bSelected);
    }
    return true;
}

bool COptionUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(OptionAttributes(), *this, name, value) ||
           CButtonUI::SetAttribute(name, value);
}

void COptionUI::SetSelectedImage(const std::string& image) {
    m_sSelectedImage = image;
    Invalidate();
}

void COptionUI::SetSelectedHotImage(const std::string& image) {
    m_sSelectedHotImage = image;
    Invalidate();
}

void COptionUI::PaintBkColor(HDC hDC) {
    if (m_bSelected && m_dwSelectedBkColor != 0) {
        if (m_cxyBorderRound.cx > 0) {
            CRenderEngine::FillRoundRect(hDC, m_rcItem, m_cxyBorderRound.cx, m_dwSelectedBkColor);
        } else {
            CRenderEngine::DrawColor(hDC, m_rcItem, m_dwSelectedBkColor);
        }
        return;
    }
    CButtonUI::PaintBkColor(hDC);
}

void COptionUI::PaintStatusImage(HDC hDC) {
    if (m_bSelected) {
        if ((m_uButtonState & UISTATE_HOT) != 0 && !m_sSelectedHotImage.empty()) {
            DrawImage(hDC, m_sSelectedHotImage);
            return;
        }
        if (!m_sSelectedImage.empty()) {
            DrawImage(hDC, m_sSelectedImage);
            return;
        }
    }
    CButtonUI::PaintStatusImage(hDC);
}

void COptionUI::PaintText(HDC hDC) {
    if (m_bSelected && m_dwSelectedTextColor != 0 && IsEnabled()) {
        std::string text = GetText();
        CRenderEngine::DrawText(hDC, m_rcItem.Deflate(m_rcTextPadding), text, m_dwSelectedTextColor,
                                m_iFont, m_uTextStyle);
        return;
    }
    CButtonUI::PaintText(hDC);
}

}  // namespace DuiLib
