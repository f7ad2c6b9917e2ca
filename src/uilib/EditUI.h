// CEditUI: a single-line text input. It takes the keyboard focus when pressed
// ("setfocus"), raises "textchanged" on every change the user makes, "return"
// on Enter and "killfocus" when the focus moves elsewhere.
#pragma once

#include "uilib/LabelUI.h"

namespace DuiLib {

class CEditUI : public CLabelUI {
public:
    CEditUI();

    std::string GetClass() const override { return "Edit"; }
    void* GetInterface(const std::string& name) override;

    void SetText(const std::string& text) override;
    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool readOnly);
    bool IsPasswordMode() const { return m_bPassword; }
    void SetPasswordMode(bool password);
    bool IsNumberOnly() const { return m_bNumberOnly; }
    void SetNumberOnly(bool numberOnly) { m_bNumberOnly = numberOnly; }
    int GetMaxChar() const { return m_iMaxChar; }
    void SetMaxChar(int maxChar) { m_iMaxChar = maxChar; }
    void SetPromptText(const std::string& text);
    // Caret position in characters.
    int GetCaret() const { return m_iCaret; }
    void SetSel(int start, int end);

    void DoEvent(TEventUI& event) override;
    bool SetAttribute(const std::string& name, const std::string& value) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

    void SetNormalImage(const std::string& image) { m_sNormalImage = image; }
    void SetHotImage(const std::string& image) { m_sHotImage = image; }
    void SetFocusedImage(const std::string& image) { m_sFocusedImage = image; }
    void SetDisabledImage(const std::string& image) { m_sDisabledImage = image; }
    void SetPromptTextColor(uint32_t color) { m_dwPromptColor = color; }

protected:
    // Text the user typed; false when nothing changed.
    bool InsertText(const std::string& text);
    bool EraseChars(int from, int count);
    std::string DisplayText() const;
    int CaretFromPoint(int x) const;

    bool m_bReadOnly = false;
    bool m_bPassword = false;
    bool m_bNumberOnly = false;
    int m_iMaxChar = 255;
    int m_iCaret = 0;
    std::string m_sPrompt;
    uint32_t m_dwPromptColor = 0xFF6A7078;
    std::string m_sNormalImage;
    std::string m_sHotImage;
    std::string m_sFocusedImage;
    std::string m_sDisabledImage;
};

}  // namespace DuiLib
