// CWindowWnd: a top-level window with its paint manager, its message handler
// and its message channel. Messages reach HandleMessage on the UI thread, sent
// (blocking) or posted from any thread; window timers arrive as WM_TIMER.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "uilib/PaintManagerUI.h"
#include "uilib/WindowChannel.h"
#include "uilib/WindowMessages.h"

class QTimer;
class QWidget;

namespace DuiLib {

class CUiHostWidget;

class CWindowWnd {
public:
    CWindowWnd();
    virtual ~CWindowWnd();
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    HWND GetHWND() const { return m_hWnd; }
    QWidget* GetWidget() const;
    CPaintManagerUI& GetPaintManager() { return m_pm; }

    virtual std::string GetWindowClassName() const = 0;
    virtual unsigned GetClassStyle() const { return 0; }

    // Creates the window (hidden unless style has WS_VISIBLE); cx or cy of 0
    // take the size of the window's layout. Returns the handle, empty on failure.
    HWND Create(const HWND& parent, const std::string& name, uint32_t style, uint32_t exStyle,
                int x = 0, int y = 0, int cx = 0, int cy = 0);
    void ShowWindow(bool show = true, bool takeFocus = true);
    bool IsWindowVisible() const;
    bool IsMinimized() const;
    // Shows the window and runs a nested loop until Close; returns Close's code.
    UINT ShowModal();
    // Closes the window (through WM_CLOSE) with the code ShowModal returns.
    void Close(UINT ret = IDOK);
    void CenterWindow();
    // Position and size in unscaled units.
    void SetWindowPos(int x, int y, int cx, int cy);
    UiRect GetWindowRect() const;
    void SetCaption(const std::string& caption);
    void SetTopMost(bool topMost);
    // The window's icon by resource number (res.xml's <Icon>).
    void SetIcon(UINT resource);
    UINT GetIcon() const { return m_iconResource; }

    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    bool SetTimer(UINT id, UINT ms);
    bool KillTimer(UINT id);

    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone; a window created with new may delete
    // itself here.
    virtual void OnFinalMessage(HWND hWnd);

protected:
    // Destroys the window now: shuts the channel (waiting senders return 0),
    // handles WM_DESTROY, ends a modal loop and calls OnFinalMessage.
    void DestroyWindow();

    CPaintManagerUI m_pm;

private:
    HWND m_hWnd;
    CUiHostWidget* m_widget = nullptr;
    std::map<UINT, QTimer*> m_timers;
    UINT* m_modalResult = nullptr;
    bool* m_modalRunning = nullptr;
    UINT m_closeCode = IDOK;
    UINT m_iconResource = 0;
    bool m_destroying = false;
};

}  // namespace DuiLib
