// The monitor a window is on, as the windows that fit themselves to their
// screen need it.
#pragma once

#include "uilib/UiTypes.h"

namespace DuiLib {

class CWindowWnd;

// The full rectangle (in pixels) of the monitor nearest to the window: the
// window's screen, or the primary screen for a window not shown yet. Empty
// when the system has no screen.
UiRect GetMonitorRect(const CWindowWnd& wnd);

}  // namespace DuiLib
