#include "uilib/ComboUI.h"

#include <QTimer>
#include <QWidget>

#include "uilib/AttributeTable.h"
#include "uilib/ComboWnd.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

IListItemUI* AsItem(CControlUI* control) {
    return dynamic_cast<IListItemUI*>(control);
}

uint32_t ColorValue(const std::string& value) {
    uint32_t color = 0;
    ParseColor(value, color);
    return color;
}

const AttributeTable<CComboUI>& ComboAttributes() {
    static const AttributeTable<CComboUI> table = {
        {"normalimage", [](CComboUI& c, const std::string& v) { c.SetNormalImage(v); }},
        {"hotimage", [](CComboUI& c, const std::string& v) { c.SetHotImage(v); }},
        {"pushedimage", [](CComboUI& c, const std::string& v) { c.SetPushedImage(v); }},
        {"disabledimage", [](CComboUI& c, const std::string& v) { c.SetDisabledImage(v); }},
        {"textpadding", [](CComboUI& c, const std::string& v) { c.SetTextPadding(ParseRect(v)); }},
        {"textcolor", [](CComboUI& c, const std::string& v) { c.SetTextColor(ColorValue(v)); }},
        {"font", [](CComboUI& c, const std::string& v) { c.SetFont(ParseInt(v, -1)); }},
        {"dropboxsize", [](CComboUI& c, const std::string& v) { c.SetDropBoxSize(ParseSize(v)); }},
        {"dropboxbkcolor",
         [](CComboUI& c, const std::string& v) { c.SetDropBoxBkColor(ColorValue(v)); }},
        {"itemfont",
         [](CComboUI& c, const std::string& v) { c.GetListInfo()->nFont = ParseInt(v, -1); }},
        {"itemheight",
         [](CComboUI& c, const std::string& v) { c.GetListInfo()->nItemHeight = ParseInt(v, 28); }},
        {"itemtextpadding",
         [](CComboUI& c, const std::string& v) { c.GetListInfo()->rcTextPadding = ParseRect(v); }},
        {"itemtextcolor",
         [](CComboUI& c, const std::string& v) { c.GetListInfo()->dwTextColor = ColorValue(v); }},
        {"itembkcolor",
         [](CComboUI& c, const std::string& v) { c.GetListInfo()->dwBkColor = ColorValue(v); }},
        {"itemselectedtextcolor",
         [](CComboUI& c, const std::string& v) {
             c.GetListInfo()->dwSelectedTextColor = ColorValue(v);
         }},
        {"itemselectedbkcolor",
         [](CComboUI& c, const std::string& v) {
             c.GetListInfo()->dwSelectedBkColor = ColorValue(v);
         }},
        {"itemhotbkcolor",
         [](CComboUI& c, const std::string& v) { c.GetListInfo()->dwHotBkColor = ColorValue(v); }},
        {"itemhottextcolor",
         [](CComboUI& c, const std::string& v) {
             c.GetListInfo()->dwHotTextColor = ColorValue(v);
         }},
    };
    return table;
}

}  // namespace

CComboUI::CComboUI() {
    m_cxyBorderRound = {6, 6};
    m_ListInfo.dwSelectedBkColor = 0xFF18C8FF;
}

CComboUI::~CComboUI() {
    delete m_pWindow;
    m_pWindow = nullptr;
}

void* CComboUI::GetInterface(const std::string& name) {
    if (name == "Combo" || name == "IListOwner") {
        return this;
    }
    return CContainerUI::GetInterface(name);
}

void CComboUI::Reindex(int from) {
    for (int i = from; i < GetCount(); ++i) {
        if (IListItemUI* item = AsItem(GetItemAt(i))) {
            item->SetIndex(i);
        }
    }
}

bool CComboUI::AddAt(CControlUI* control, int index) {
    if (!CContainerUI::AddAt(control, index)) {
        return false;
    }
    IListItemUI* added = AsItem(control);
    if (added != nullptr) {
        added->SetOwner(this);
    }
    Reindex(index);
    if (m_iCurSel >= index && index < GetCount() - 1) {
        ++m_iCurSel;
    }
    if (added != nullptr && added->IsSelected()) {
        // An item built as selected becomes the selection.
        if (IListItemUI* previous = AsItem(GetItemAt(m_iCurSel))) {
            if (previous != added) {
                previous->SelectMulti(false);
            }
        }
        m_iCurSel = index;
    }
    return true;
}

bool CComboUI::RemoveAt(int index, bool doNotDestroy) {
    CloseDropDown();
    if (!CContainerUI::RemoveAt(index, doNotDestroy)) {
        return false;
    }
    Reindex(index);
    if (index == m_iCurSel) {
        m_iCurSel = -1;
    } else if (index < m_iCurSel) {
        --m_iCurSel;
    }
    return true;
}

void CComboUI::RemoveAll() {
    CloseDropDown();
    m_iCurSel = -1;
    CContainerUI::RemoveAll();
}

bool CComboUI::SelectItem(int index, bool, bool triggerEvent) {
    if (index == m_iCurSel) {
        return true;
    }
    int old = m_iCurSel;
    if (IListItemUI* previous = AsItem(GetItemAt(old))) {
        previous->SelectMulti(false);
    }
    if (index < 0) {
        m_iCurSel = -1;
        Invalidate();
        return true;
    }
    IListItemUI* item = AsItem(GetItemAt(index));
    if (item == nullptr || !item->AsControl()->IsEnabled()) {
        return false;
    }
    m_iCurSel = index;
    item->Select(true, triggerEvent);
    Invalidate();
    if (m_pWindow != nullptr) {
        // Chosen in the drop-down: it closes once the press is handled.
        QTimer::singleShot(0, m_pWindow->GetPaintManager().GetHost(), [this] { CloseDropDown(); });
    }
    if (triggerEvent && m_pManager != nullptr) {
        m_pManager->SendNotify(this, "itemselect", static_cast<WPARAM>(index),
                               static_cast<LPARAM>(old));
    }
    return true;
}

bool CComboUI::SelectMultiItem(int index, bool takeFocus) {
    return SelectItem(index, takeFocus);
}

bool CComboUI::UnSelectItem(int index) {
    if (index != m_iCurSel) {
        return false;
    }
    return SelectItem(-1);
}

std::string CComboUI::GetSelectedText() const {
    CControlUI* item = GetItemAt(m_iCurSel);
    return item != nullptr ? item->GetText() : std::string();
}

void CComboUI::ShowDropDown() {
    if (m_pWindow != nullptr || GetCount() == 0) {
        return;
    }
    m_pWindow = new CComboWnd(this);
    m_pWindow->Show();
}

void CComboUI::CloseDropDown() {
    CComboWnd* window = m_pWindow;
    m_pWindow = nullptr;
    if (window != nullptr) {
        window->Release();
        delete window;
        Invalidate();
    }
}

bool CComboUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    if (m_pWindow != nullptr) {
        CloseDropDown();
    } else {
        ShowDropDown();
    }
    return true;
}

void CComboUI::SetPos(const UiRect& rc, bool needInvalidate) {
    // The items are placed by the drop-down, not here.
    CControlUI::SetPos(rc, needInvalidate);
}

void CComboUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
            if (IsEnabled()) {
                Activate();
                m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
                Invalidate();
            }
            return;
        case UIEVENT_BUTTONUP:
            m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
            Invalidate();
            return;
        case UIEVENT_MOUSEENTER:
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSELEAVE:
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
            return;
        case UIEVENT_KEYDOWN:
            if (event.chKey == kVkUp && m_iCurSel > 0) {
                SelectItem(m_iCurSel - 1);
                return;
            }
            if (event.chKey == kVkDown && m_iCurSel + 1 < GetCount()) {
                SelectItem(m_iCurSel + 1);
                return;
            }
            break;
        case UIEVENT_MOUSEMOVE:
            return;
        default:
            break;
    }
    CControlUI::DoEvent(event);
}

bool CComboUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(ComboAttributes(), *this, name, value) ||
           CContainerUI::SetAttribute(name, value);
}

CControlUI* CComboUI::FindControl(const FindProc& proc, unsigned flags) {
    if ((flags & UIFIND_HITTEST) != 0) {
        return CControlUI::FindControl(proc, flags);
    }
    return CContainerUI::FindControl(proc, flags);
}

void CComboUI::DoPaint(HDC hDC, const UiRect& rcPaint) {
    CControlUI::DoPaint(hDC, rcPaint);
}

void CComboUI::PaintStatusImage(HDC hDC) {
    const std::string* image = &m_sNormalImage;
    if (!IsEnabled() && !m_sDisabledImage.empty()) {
        image = &m_sDisabledImage;
    } else if ((m_uButtonState & UISTATE_PUSHED) != 0 && !m_sPushedImage.empty()) {
        image = &m_sPushedImage;
    } else if ((m_uButtonState & UISTATE_HOT) != 0 && !m_sHotImage.empty()) {
        image = &m_sHotImage;
    }
    if (!image->empty() && DrawImage(hDC, *image)) {
        return;
    }
    bool hot = (m_uButtonState & (UISTATE_HOT | UISTATE_PUSHED)) != 0 || IsDropped();
    CRenderEngine::FillRoundRect(hDC, m_rcItem, 6, 0xFF1E2128);
    CRenderEngine::DrawRoundRect(hDC, m_rcItem, 6, 1, hot ? 0xFF18C8FF : 0xFF2F343D);
    int cx = m_rcItem.right - 15;
    int cy = (m_rcItem.top + m_rcItem.bottom) / 2;
    CRenderEngine::DrawLine(hDC, {cx - 4, cy - 2}, {cx, cy + 2}, 2, 0xFF9AA0A8);
    CRenderEngine::DrawLine(hDC, {cx, cy + 2}, {cx + 4, cy - 2}, 2, 0xFF9AA0A8);
}

void CComboUI::PaintText(HDC hDC) {
    std::string text = GetSelectedText();
    if (text.empty()) {
        return;
    }
    uint32_t color = m_dwTextColor != 0 ? m_dwTextColor : m_ListInfo.dwTextColor;
    if (!IsEnabled()) {
        color = m_ListInfo.dwDisabledTextColor;
    }
    CRenderEngine::DrawText(hDC, m_rcItem.Deflate(m_rcTextPadding), text, color, m_iFont,
                            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

}  // namespace DuiLib
