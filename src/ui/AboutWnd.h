// CAboutWnd: the about window, opened from the tray menu; shows the program's
// version after the translated "software_rev_text".
#pragma once

#include <string>

#include "uilib/WindowImplBase.h"

namespace ui {

class CAboutWnd : public DuiLib::WindowImplBase {
public:
    explicit CAboutWnd(std::string versionText) : m_version(std::move(versionText)) {}

    std::string GetWindowClassName() const override { return "AboutWnd"; }
    std::string GetSkinFile() override { return "AboutWnd.xml"; }
    void InitWindow() override;
    void Notify(DuiLib::TNotifyUI& msg) override;
    DuiLib::LRESULT HandleCustomMessage(DuiLib::UINT msg, DuiLib::WPARAM wParam,
                                        DuiLib::LPARAM lParam, bool& handled) override;

    // The text the version label shows.
    std::string VersionLabelText() const;

private:
    void ShowMaximizeState();

    std::string m_version;
    DuiLib::CControlUI* m_closeButton = nullptr;
    DuiLib::CControlUI* m_maxButton = nullptr;
    DuiLib::CControlUI* m_restoreButton = nullptr;
    DuiLib::CControlUI* m_minButton = nullptr;
    DuiLib::CControlUI* m_menuButton = nullptr;
    bool m_maximized = false;
};

}  // namespace ui
