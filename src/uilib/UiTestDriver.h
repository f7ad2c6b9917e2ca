// CUiTestDriver: drives a window's controls by name as a user would, for
// tests: clicks and key presses go through the paint manager's event routing,
// so hit testing, focus and the order of notifications are the real ones.
#pragma once

#include <string>

#include "uilib/PaintManagerUI.h"

namespace DuiLib {

class CUiTestDriver {
public:
    explicit CUiTestDriver(CPaintManagerUI& pm) : m_pm(pm) {}

    CControlUI* Find(const std::string& name) const { return m_pm.FindControl(name); }
    template <class T>
    T* Find(const std::string& name) const {
        return m_pm.FindControl<T>(name);
    }

    // Presses and releases the left button on the centre of the control.
    // False when the control is missing, hidden or covered by another.
    bool Click(const std::string& name);
    bool DoubleClick(const std::string& name);
    // Picks an item of a combo or list as the user would.
    bool SelectItem(const std::string& name, int index);
    // Gives the control the focus and types the text into it.
    bool TypeText(const std::string& name, const std::string& text);
    bool PressKey(uint32_t key, uint16_t keyState = 0);
    bool Focus(const std::string& name);
    // Moves the focus as the Tab key does.
    void MoveFocus(bool forward = true);
    // Delivers the control's timer now; false when it has no such timer.
    bool FireTimer(const std::string& name, UINT id);
    bool RenderPng(const std::string& path) { return m_pm.RenderToPng(path); }
    // Runs the event loop for a while (posted notifications, timers).
    static void ProcessEvents(int ms = 0);

private:
    bool Center(CControlUI* control, UiPoint& pt);

    CPaintManagerUI& m_pm;
};

}  // namespace DuiLib
