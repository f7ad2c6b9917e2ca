#include "ui/WindowDpi.h"

#include "platform/Trace.h"
#include "uilib/PaintManagerUI.h"

namespace ui {

int CheckedDpi(int dpi, const char* errorTrace) {
    if (DuiLib::CPaintManagerUI::IsValidDPI(dpi)) {
        return dpi;
    }
    platform::Trace(errorTrace);
    return 96;
}

}  // namespace ui
