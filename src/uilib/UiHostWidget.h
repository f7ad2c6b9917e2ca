// CUiHostWidget: the one Qt widget of a window. It paints the window's control
// tree through its paint manager, scaled to the manager's DPI, and turns Qt's
// mouse, wheel, key, text input and focus events into the manager's events.
// Pressing on the window's caption area (outside buttons and edits) moves it.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

namespace DuiLib {

class CPaintManagerUI;

class CUiHostWidget : public QWidget {
public:
    CUiHostWidget(CPaintManagerUI* manager, QWidget* parent, Qt::WindowFlags flags);

    // Asked when the window system wants to close the window; return true to
    // let it close.
    void SetCloseHandler(std::function<bool()> handler) { m_onClose = std::move(handler); }
    // Told when the window is hidden (a popup closed by a click outside).
    void SetHideHandler(std::function<void()> handler) { m_onHide = std::move(handler); }
    void SetShowHandler(std::function<void()> handler) { m_onShow = std::move(handler); }

    // Cuts the widget off its window when the window is destroyed: the widget
    // itself is deleted later from the event loop, and until then no event may
    // reach the window's paint manager or handlers.
    void Detach();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Tells the window a system event, as the window system would.
    void SendToWindow(unsigned int msg, uintptr_t wParam);
    void FollowScreenChanges();

    CPaintManagerUI* m_manager;
    bool m_followingScreens = false;
    std::function<bool()> m_onClose;
    std::function<void()> m_onHide;
    std::function<void()> m_onShow;
};

}  // namespace DuiLib
