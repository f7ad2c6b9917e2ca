// CWndUI: a control that keeps a hosted window on top of its rectangle: the
// window follows the control's position and visibility.
#pragma once

#include "uilib/ControlUI.h"

namespace DuiLib {

// A window a CWndUI can host.
class IHostedWindow {
public:
    virtual ~IHostedWindow() = default;
    virtual bool IsAlive() const = 0;
    // True when the window lives inside the paint window (positions are then
    // relative to it, not to the screen).
    virtual bool IsChildOfPaintWindow() const = 0;
    virtual UiPoint PaintWindowScreenOrigin() const = 0;
    virtual void MoveTo(const UiRect& rc) = 0;
    virtual void Show(bool show) = 0;
};

class CWndUI : public CControlUI {
public:
    std::string GetClass() const override { return "Wnd"; }
    void* GetInterface(const std::string& name) override;

    // The program attaches no window; the handle stays empty unless set here.
    void Attach(IHostedWindow* window) { m_pHosted = window; }
    IHostedWindow* GetHosted() const { return m_pHosted; }

    void SetPos(const UiRect& rc, bool needInvalidate = true) override;
    void SetVisible(bool visible = true) override;
    void SetInternVisible(bool visible = true) override;

private:
    void FollowControl();

    IHostedWindow* m_pHosted = nullptr;
};

}  // namespace DuiLib
