// CMenuWnd: a pop-up menu built from a layout of MenuElement items, shown at a
// screen point. The chosen item reaches the owner as WM_MENUCOMMAND (1145)
// with a MenuCmd record in wParam that the receiver deletes; a click outside
// closes the menu without a command.
#pragma once

#include <string>

#include "uilib/WindowImplBase.h"

namespace DuiLib {

struct MenuCmd {
    std::string szName;
    std::string szUserData;
    std::string szText;
};

class CMenuWnd : public WindowImplBase {
public:
    // Creates and shows a menu; it deletes itself when it closes. x and y are
    // screen pixels (see GetCursorPos).
    static CMenuWnd* CreateMenu(const HWND& owner, const std::string& xml, int x, int y,
                                IDialogBuilderCallback* callback = nullptr);
    // The pointer's screen position.
    static void GetCursorPos(int& x, int& y);

    std::string GetWindowClassName() const override { return "MenuWnd"; }
    std::string GetSkinFile() override { return m_sXml; }
    CControlUI* CreateControl(const std::string& className) override;
    void Notify(TNotifyUI& msg) override;
    void OnFinalMessage(HWND hWnd) override;

    // Chooses an item by name as a click would; false when there is none.
    bool Choose(const std::string& name);

private:
    CMenuWnd(const HWND& owner, const std::string& xml, IDialogBuilderCallback* callback);

    HWND m_owner;
    std::string m_sXml;
    IDialogBuilderCallback* m_pCallback;
};

}  // namespace DuiLib
