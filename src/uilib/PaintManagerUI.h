// CPaintManagerUI: the heart of one window. It owns the window's control tree,
// routes mouse, keyboard, focus, wheel and timer events to controls, delivers
// notifications to the window, keeps option groups, and paints only what was
// invalidated, at most once per display frame. Without a host widget it works
// headless (tests, off-screen rendering).
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "uilib/ControlUI.h"
#include "uilib/RenderEngine.h"
#include "uilib/UiEvent.h"
#include "uilib/WindowChannel.h"

class QWidget;
class QObject;
class QTimer;

namespace DuiLib {

class CPaintManagerUI {
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    // Shared settings of every window.
    static void SetInstancePath(const std::string& path);
    static const std::string& GetInstancePath();
    static void SetResourcePath(const std::string& path);
    static const std::string& GetResourcePath();
    static void MessageLoop();
    static bool IsValidDPI(int dpi);
    // Sets the DPI of every window that has a paint manager.
    static void SetAllDPI(int dpi);
    // The font a layout names by id (see CFontTable).
    static void AddFont(int id, const std::string& family, int pixelSize, bool bold, bool underline,
                        bool italic, bool isDefault);

    // host may be nullptr: then nothing is shown and paints happen on request.
    void Init(QWidget* host, const std::string& name = {});
    QWidget* GetHost() const { return m_host; }
    // The handle of the window this manager paints, for controls that send it
    // messages; empty for a manager without a window.
    const HWND& GetPaintWindow() const { return m_hWnd; }
    void SetPaintWindow(const HWND& wnd) { m_hWnd = wnd; }
    const std::string& GetName() const { return m_name; }
    bool AttachDialog(CControlUI* root);
    CControlUI* GetRoot() const { return m_root; }
    // Deletes the tree (and its timers); the window is left empty.
    void DetachAndDeleteRoot();

    // Window size in unscaled units; the host is scaled by the DPI.
    UiSize GetInitSize() const { return m_initSize; }
    void SetInitSize(int cx, int cy);
    UiSize GetClientSize() const { return m_clientSize; }
    // False when the size was already this one.
    bool SetClientSize(int cx, int cy);
    UiRect GetCaptionRect() const { return m_rcCaption; }
    void SetCaptionRect(const UiRect& rc) { m_rcCaption = rc; }
    UiSize GetRoundCorner() const { return m_roundCorner; }
    void SetRoundCorner(UiSize corner) { m_roundCorner = corner; }
    void SetDefaultTextColor(uint32_t color) { m_defaultTextColor = color; }
    uint32_t GetDefaultTextColor() const { return m_defaultTextColor; }
    void SetDefaultDisabledColor(uint32_t color) { m_defaultDisabledColor = color; }
    uint32_t GetDefaultDisabledColor() const { return m_defaultDisabledColor; }

    int GetDPI() const { return m_dpi; }
    // Accepts 48, 72, 96, 120, 144, 168 and 192; the host grows with the scale.
    bool SetDPI(int dpi);
    double GetScale() const { return m_dpi / 96.0; }
    int ScaleValue(int value) const { return value * m_dpi / 96; }

    // Lookup. FindControl(name) gives the first control of that name.
    CControlUI* FindControl(const std::string& name) const;
    template <class T>
    T* FindControl(const std::string& name) const {
        return dynamic_cast<T*>(FindControl(name));
    }
    CControlUI* FindControl(UiPoint pt) const;
    CControlUI* FindSubControlByName(CControlUI* parent, const std::string& name) const;
    std::vector<CControlUI*> FindSubControlsByClass(CControlUI* parent,
                                                    const std::string& className) const;

    // Timers on controls: UIEVENT_TIMER with wParam = id every ms until killed.
    bool SetTimer(CControlUI* control, UINT id, UINT ms);
    bool KillTimer(CControlUI* control, UINT id);
    void KillTimer(CControlUI* control);
    bool HasTimer(CControlUI* control, UINT id) const;
    // The period of a running timer in ms; -1 when it is not set.
    int GetTimerInterval(CControlUI* control, UINT id) const;
    // Delivers a timer event now, as if the timer had elapsed.
    bool FireTimer(CControlUI* control, UINT id);

    void AddNotifier(INotifyUI* notifier);
    void RemoveNotifier(INotifyUI* notifier);
    void SendNotify(CControlUI* control, const std::string& type, WPARAM wParam = 0,
                    LPARAM lParam = 0, bool async = false);
    void SendNotify(TNotifyUI& msg, bool async = false);

    CControlUI* GetFocus() const { return m_focus; }
    void SetFocus(CControlUI* control);
    // Moves the focus to the next (or previous) control that takes keys.
    void SetNextTabControl(bool forward = true);
    CControlUI* GetHot() const { return m_hot; }
    void SetCapture(CControlUI* control) { m_captured = control; }
    void ReleaseCapture() { m_captured = nullptr; }
    CControlUI* GetCapture() const { return m_captured; }

    void AddOptionGroup(const std::string& group, CControlUI* control);
    const std::vector<CControlUI*>* GetOptionGroup(const std::string& group) const;
    void RemoveOptionGroup(const std::string& group, CControlUI* control);

    void AddDefaultAttributeList(const std::string& className, const std::string& list);
    const std::string* GetDefaultAttributeList(const std::string& className) const;

    const TImageInfo* GetImage(const std::string& file) const;

    // Marks an area for repainting; repaints are coalesced to the display rate.
    void Invalidate(const UiRect& rc);
    void NeedUpdate();
    // Lays the tree out now when something asked for it.
    void UpdateLayout();
    // Paints the tree into rcPaint (unscaled); the painter is already scaled.
    void Paint(HDC hDC, const UiRect& rcPaint);
    int GetPaintCount() const { return m_paintCount; }
    // Paints the whole window into a PNG file at the current DPI.
    bool RenderToPng(const std::string& path);

    // Input from the host, in unscaled coordinates.
    void OnMouseMove(UiPoint pt, uint16_t keyState);
    void OnButtonDown(UiPoint pt, uint16_t keyState);
    void OnButtonUp(UiPoint pt, uint16_t keyState);
    void OnDoubleClick(UiPoint pt, uint16_t keyState);
    void OnRButtonDown(UiPoint pt, uint16_t keyState);
    void OnRButtonUp(UiPoint pt, uint16_t keyState);
    void OnMouseLeaveWindow();
    void OnWheel(UiPoint pt, int delta, uint16_t keyState);
    // Returns true when a control took the key.
    bool OnKeyDown(uint32_t key, uint16_t keyState);
    void OnChar(const std::string& text, uint16_t keyState);
    void OnWindowFocusLost();

    // Forgets a control that is being destroyed or removed.
    void ReapObjects(CControlUI* control);

private:
    struct Timer;
    void FlushInvalidation();
    void SendEvent(CControlUI* control, int type, UiPoint pt, uint16_t keyState, WPARAM wParam = 0);
    void UpdateHot(UiPoint pt, uint16_t keyState);

    QWidget* m_host = nullptr;
    HWND m_hWnd;
    std::unique_ptr<QObject> m_context;
    QTimer* m_flushTimer = nullptr;
    std::string m_name;
    CControlUI* m_root = nullptr;
    CControlUI* m_focus = nullptr;
    CControlUI* m_hot = nullptr;
    CControlUI* m_captured = nullptr;
    UiPoint m_lastMousePos{};
    std::vector<INotifyUI*> m_notifiers;
    std::map<std::pair<CControlUI*, UINT>, std::unique_ptr<Timer>> m_timers;
    std::map<std::string, std::vector<CControlUI*>> m_optionGroups;
    std::map<std::string, std::string> m_defaultAttributes;
    std::vector<UiRect> m_dirty;
    std::chrono::steady_clock::time_point m_lastFlush;
    bool m_layoutNeeded = true;
    int m_paintCount = 0;
    int m_dpi = 96;
    UiSize m_initSize{800, 600};
    UiSize m_clientSize{800, 600};
    UiRect m_rcCaption;
    UiSize m_roundCorner;
    uint32_t m_defaultTextColor = 0xFFE8E8E8;
    uint32_t m_defaultDisabledColor = 0xFF6A7078;
};

}  // namespace DuiLib
