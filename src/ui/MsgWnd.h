// CMsgWnd and ShowMessage: the program's own message box, the only way it asks
// the user to confirm something or tells an outcome. Confirm returns 1; cancel,
// the close button and any other way of closing return 0.
#pragma once

#include <functional>
#include <string>

#include "uilib/WindowImplBase.h"

namespace ui {

class CMsgWnd : public DuiLib::WindowImplBase {
public:
    // Runs just before a message box starts its modal loop (for tests that
    // answer it).
    using ShowObserver = std::function<void(CMsgWnd& box)>;
    static void SetShowObserver(ShowObserver observer);

    CMsgWnd() = default;

    std::string GetWindowClassName() const override { return "MsgWnd"; }
    std::string GetSkinFile() override;
    void InitWindow() override;
    void Notify(DuiLib::TNotifyUI& msg) override;
    DuiLib::LRESULT HandleCustomMessage(DuiLib::UINT msg, DuiLib::WPARAM wParam,
                                        DuiLib::LPARAM lParam, bool& handled) override;
    void OnFinalMessage(DuiLib::HWND hWnd) override;

    int GetDpi() const { return m_dpi; }
    void SetDpi(int dpi) { m_dpi = dpi; }

private:
    DuiLib::CControlUI* m_closeButton = nullptr;
    int m_dpi = 96;
};

// Button modes: 0 shows only "confirm_btn", 1 shows both; other values keep
// the layout's buttons.
constexpr int kMsgConfirmOnly = 0;
constexpr int kMsgConfirmCancel = 1;

// Shows a modal message box owned by owner. An empty title keeps the layout's
// title; with textIsKey the text is a key of the language files
// ("message_text_7"). Returns 1 when the user confirmed, otherwise 0.
int ShowMessage(const DuiLib::HWND& owner, const std::string& title, const std::string& text,
                int dpi = 96, bool textIsKey = false, int buttonMode = kMsgConfirmCancel);

}  // namespace ui
