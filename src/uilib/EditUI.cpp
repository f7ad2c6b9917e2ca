#include "uilib/EditUI.h"

#include <QString>
#include <algorithm>

#include "uilib/AttributeTable.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"
#include "uilib/ResourceManager.h"

namespace DuiLib {
namespace {

uint32_t ColorValue(const std::string& value) {
    uint32_t color = 0;
    ParseColor(value, color);
    return color;
}

// Character positions count Unicode code points.
std::u32string ToChars(const std::string& text) {
    return QString::fromStdString(text).toStdU32String();
}

std::string FromChars(const std::u32string& chars) {
    return QString::fromStdU32String(chars).toStdString();
}

const AttributeTable<CEditUI>& EditAttributes() {
    static const AttributeTable<CEditUI> table = {
        {"readonly", [](CEditUI& c, const std::string& v) { c.SetReadOnly(ParseBool(v)); }},
        {"password", [](CEditUI& c, const std::string& v) { c.SetPasswordMode(ParseBool(v)); }},
        {"numberonly", [](CEditUI& c, const std::string& v) { c.SetNumberOnly(ParseBool(v)); }},
        {"maxchar", [](CEditUI& c, const std::string& v) { c.SetMaxChar(ParseInt(v, 255)); }},
        {"prompttext", [](CEditUI& c, const std::string& v) { c.SetPromptText(v); }},
        {"prompttextcolor",
         [](CEditUI& c, const std::string& v) { c.SetPromptTextColor(ColorValue(v)); }},
        {"normalimage", [](CEditUI& c, const std::string& v) { c.SetNormalImage(v); }},
        {"hotimage", [](CEditUI& c, const std::string& v) { c.SetHotImage(v); }},
        {"focusedimage", [](CEditUI& c, const std::string& v) { c.SetFocusedImage(v); }},
        {"disabledimage", [](CEditUI& c, const std::string& v) { c.SetDisabledImage(v); }},
        {"nativebkcolor", [](CEditUI& c, const std::string& v) { c.SetBkColor(ColorValue(v)); }},
    };
    return table;
}

}  // namespace

CEditUI::CEditUI() {
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER;
    m_rcTextPadding = {8, 0, 8, 0};
    m_cxyBorderRound = {6, 6};
    m_cursor = kCursorIBeam;
}

void* CEditUI::GetInterface(const std::string& name) {
    return name == "Edit" ? this : CLabelUI::GetInterface(name);
}

void CEditUI::SetText(const std::string& text) {
    CLabelUI::SetText(text);
    m_iCaret = static_cast<int>(ToChars(m_sText).size());
}

void CEditUI::SetReadOnly(bool readOnly) {
    m_bReadOnly = readOnly;
    Invalidate();
}

void CEditUI::SetPasswordMode(bool password) {
    m_bPassword = password;
    Invalidate();
}

void CEditUI::SetPromptText(const std::string& text) {
    m_sPrompt = text;
    Invalidate();
}

void CEditUI::SetSel(int start, int) {
    m_iCaret = std::clamp(start, 0, static_cast<int>(ToChars(m_sText).size()));
    Invalidate();
}

bool CEditUI::InsertText(const std::string& text) {
    if (m_bReadOnly || !IsEnabled()) {
        return false;
    }
    std::u32string chars = ToChars(m_sText);
    std::u32string added;
    for (char32_t c : ToChars(text)) {
        if (c < 0x20 || c == 0x7F) {
            continue;
        }
        if (m_bNumberOnly && (c < U'0' || c > U'9')) {
            continue;
        }
        added.push_back(c);
    }
    int room = m_iMaxChar > 0 ? m_iMaxChar - static_cast<int>(chars.size()) : 1 << 30;
    if (room <= 0 || added.empty()) {
        return false;
    }
    if (static_cast<int>(added.size()) > room) {
        added.resize(static_cast<size_t>(room));
    }
    m_iCaret = std::clamp(m_iCaret, 0, static_cast<int>(chars.size()));
    chars.insert(static_cast<size_t>(m_iCaret), added);
    m_iCaret += static_cast<int>(added.size());
    m_sText = FromChars(chars);
    Invalidate();
    return true;
}

bool CEditUI::EraseChars(int from, int count) {
    if (m_bReadOnly || !IsEnabled()) {
        return false;
    }
    std::u32string chars = ToChars(m_sText);
    if (from < 0 || count <= 0 || from >= static_cast<int>(chars.size())) {
        return false;
    }
    chars.erase(static_cast<size_t>(from), static_cast<size_t>(count));
    m_iCaret = from;
    m_sText = FromChars(chars);
    Invalidate();
    return true;
}

std::string CEditUI::DisplayText() const {
    if (!m_bPassword) {
        return m_sText;
    }
    std::string dots;
    for (size_t i = 0; i < ToChars(m_sText).size(); ++i) {
        dots += "\u25CF";
    }
    return dots;
}

int CEditUI::CaretFromPoint(int x) const {
    std::u32string chars = ToChars(DisplayText());
    int left = m_rcItem.left + m_rcTextPadding.left;
    for (size_t i = 0; i < chars.size(); ++i) {
        int before = CRenderEngine::MeasureText(FromChars(chars.substr(0, i)), m_iFont).cx;
        int after = CRenderEngine::MeasureText(FromChars(chars.substr(0, i + 1)), m_iFont).cx;
        if (x < left + (before + after) / 2) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(chars.size());
}

void CEditUI::DoEvent(TEventUI& event) {
    int length = static_cast<int>(ToChars(m_sText).size());
    switch (event.Type) {
        case UIEVENT_SETFOCUS:
            m_iCaret = length;
            Invalidate();
            SendNotify("setfocus");
            return;
        case UIEVENT_KILLFOCUS:
            Invalidate();
            SendNotify("killfocus");
            return;
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (IsEnabled()) {
                if (!IsFocused()) {
                    SetFocus();
                }
                m_iCaret = CaretFromPoint(event.ptMouse.x);
                Invalidate();
            }
            return;
        case UIEVENT_BUTTONUP:
        case UIEVENT_MOUSEMOVE:
            return;
        case UIEVENT_MOUSEENTER:
            m_uButtonState |= UISTATE_HOT;
            Invalidate();
            return;
        case UIEVENT_MOUSELEAVE:
            m_uButtonState &= ~UISTATE_HOT;
            Invalidate();
            return;
        case UIEVENT_CHAR:
            if (InsertText(event.text)) {
                SendNotify("textchanged");
            }
            return;
        case UIEVENT_KEYDOWN:
            switch (event.chKey) {
                case kVkBack:
                    if (m_iCaret > 0 && EraseChars(m_iCaret - 1, 1)) {
                        SendNotify("textchanged");
                    }
                    return;
                case kVkDelete:
                    if (EraseChars(m_iCaret, 1)) {
                        SendNotify("textchanged");
                    }
                    return;
                case kVkLeft:
                    m_iCaret = std::max(0, m_iCaret - 1);
                    Invalidate();
                    return;
                case kVkRight:
                    m_iCaret = std::min(length, m_iCaret + 1);
                    Invalidate();
                    return;
                case kVkHome:
                    m_iCaret = 0;
                    Invalidate();
                    return;
                case kVkEnd:
                    m_iCaret = length;
                    Invalidate();
                    return;
                case kVkReturn:
                    SendNotify("return");
                    return;
                default:
                    return;
            }
        default:
            break;
    }
    CLabelUI::DoEvent(event);
}

bool CEditUI::SetAttribute(const std::string& name, const std::string& value) {
    return ApplyAttribute(EditAttributes(), *this, name, value) ||
           CLabelUI::SetAttribute(name, value);
}

void CEditUI::PaintBkColor(HDC hDC) {
    if (m_sNormalImage.empty() && m_dwBackColor == 0) {
        CRenderEngine::FillRoundRect(hDC, m_rcItem, m_cxyBorderRound.cx, 0xFF101216);
        return;
    }
    CLabelUI::PaintBkColor(hDC);
}

void CEditUI::PaintStatusImage(HDC hDC) {
    const std::string* image = &m_sNormalImage;
    if (!IsEnabled() && !m_sDisabledImage.empty()) {
        image = &m_sDisabledImage;
    } else if (IsFocused() && !m_sFocusedImage.empty()) {
        image = &m_sFocusedImage;
    } else if ((m_uButtonState & UISTATE_HOT) != 0 && !m_sHotImage.empty()) {
        image = &m_sHotImage;
    }
    if (!image->empty()) {
        DrawImage(hDC, *image);
        return;
    }
    if (m_nBorderSize == 0) {
        uint32_t frame = IsFocused()
                             ? 0xFF18C8FF
                             : ((m_uButtonState & UISTATE_HOT) != 0 ? 0xFF4A505A : 0xFF2F343D);
        CRenderEngine::DrawRoundRect(hDC, m_rcItem, m_cxyBorderRound.cx, 1, frame);
    }
}

void CEditUI::PaintText(HDC hDC) {
    UiRect box = m_rcItem.Deflate(m_rcTextPadding);
    std::string shown = DisplayText();
    if (shown.empty() && !IsFocused() && !m_sPrompt.empty()) {
        CRenderEngine::DrawText(hDC, box, CResourceManager::GetInstance().Translate(m_sPrompt),
                                m_dwPromptColor, m_iFont, m_uTextStyle);
        return;
    }
    std::u32string chars = ToChars(shown);
    int caretX =
        CRenderEngine::MeasureText(
            FromChars(chars.substr(
                0, static_cast<size_t>(std::clamp(m_iCaret, 0, static_cast<int>(chars.size()))))),
            m_iFont)
            .cx;
    // Long texts scroll so the caret stays in view.
    int shift = std::max(0, caretX - box.Width() + 2);
    UiRect textBox{box.left - shift, box.top, box.right, box.bottom};
    CRenderEngine::DrawText(hDC, textBox, shown, CurrentTextColor(), m_iFont,
                            m_uTextStyle & ~DT_END_ELLIPSIS);
    if (IsFocused() && !m_bReadOnly) {
        int x = box.left + caretX - shift;
        int h = CRenderEngine::MeasureText("Ag", m_iFont).cy;
        int top = (box.top + box.bottom - h) / 2;
        CRenderEngine::DrawLine(hDC, {x, top}, {x, top + h}, 1, 0xFF18C8FF);
    }
}

}  // namespace DuiLib
