// The DPI values the program's windows accept.
#pragma once

namespace ui {

// dpi itself when it is 48, 72, 96, 120, 144, 168 or 192; otherwise 96, with
// errorTrace written to the trace (for example "MSG_WND DPI SET ERROR").
int CheckedDpi(int dpi, const char* errorTrace);

}  // namespace ui
