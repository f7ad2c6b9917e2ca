// CTrayIcon: the program's icon in the notification area. Its mouse events
// reach the receiving window as a posted message (1025 by default) with the
// icon's number in wParam and 514 (left button up) or 517 (right button up)
// in lParam.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "uilib/WindowChannel.h"

class QMenu;
class QSystemTrayIcon;

namespace DuiLib {

class CTrayIcon {
public:
    static constexpr UINT kDefaultMessage = 1025;

    CTrayIcon();
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // iconResource is looked up in the skin's resource description. False when
    // the system has no notification area (the icon is then not shown).
    bool CreateTrayIcon(const HWND& receiver, UINT iconResource, const std::string& tip,
                        UINT message = kDefaultMessage);
    void DeleteTrayIcon();
    bool IsCreated() const { return m_created; }
    void SetTooltipText(const std::string& tip);
    const std::string& GetTooltipText() const { return m_tip; }
    // Delivers a mouse event as the system would (514 or 517); for tests.
    void Trigger(LPARAM mouseEvent);

    // The icon's own menu, for notification areas that only show menus they
    // build themselves: each item reaches the receiver as WM_MENUCOMMAND with
    // a MenuCmd naming it, as a CMenuWnd item would.
    struct MenuItem {
        std::string name;
        std::string text;
    };
    void SetMenuItems(const std::vector<MenuItem>& items);
    const std::vector<MenuItem>& GetMenuItems() const { return m_menuItems; }
    // True while the shown icon carries its own menu.
    bool HasOwnMenu() const;
    // Chooses an item of the icon's menu as the user would; for tests.
    bool ChooseMenuItem(const std::string& name);

private:
    void BuildMenu();

    std::unique_ptr<QSystemTrayIcon> m_icon;
    std::unique_ptr<QMenu> m_menu;
    std::vector<MenuItem> m_menuItems;
    HWND m_receiver;
    UINT m_message = kDefaultMessage;
    UINT m_iconResource = 0;
    std::string m_tip;
    bool m_created = false;
};

}  // namespace DuiLib
