#include "uilib/MonitorInfo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "uilib/WindowWnd.h"

namespace DuiLib {

UiRect GetMonitorRect(const CWindowWnd& wnd) {
    QScreen* screen = nullptr;
    if (QWidget* widget = wnd.GetWidget()) {
        screen = widget->screen();
    }
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return {};
    }
    QRect g = screen->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

}  // namespace DuiLib
