// WindowImplBase: the base of the program's windows. A subclass names its
// window class and skin file, sets itself up in InitWindow, receives every
// notification of its layout in Notify and every window message in
// HandleCustomMessage. The skin is built when the window is created; the
// layout's root then receives "windowinit" once the event loop runs.
#pragma once

#include <string>

#include "uilib/UiEvent.h"
#include "uilib/WindowWnd.h"

namespace DuiLib {

class WindowImplBase : public CWindowWnd, public INotifyUI, public IDialogBuilderCallback {
public:
    WindowImplBase() = default;

    virtual std::string GetSkinFolder() { return {}; }
    virtual std::string GetSkinFile() = 0;
    virtual void InitWindow() {}

    void Notify(TNotifyUI& msg) override;
    virtual void OnClick(TNotifyUI& msg);
    CControlUI* CreateControl(const std::string& className) override;

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Runs first for every message except WM_CREATE; setting handled stops
    // the library's own handling.
    virtual LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnCreate(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnClose(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual LRESULT OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    // True when the skin was built when the window was created.
    bool IsSkinLoaded() const { return m_bSkinLoaded; }

private:
    bool m_bSkinLoaded = false;
};

}  // namespace DuiLib
