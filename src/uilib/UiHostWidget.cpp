#include "uilib/UiHostWidget.h"

#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <QWindow>

#include "uilib/PaintManagerUI.h"
#include "uilib/WindowChannel.h"
#include "uilib/WindowMessages.h"

namespace DuiLib {
namespace {

uint16_t KeyState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton) {
    uint16_t state = 0;
    if (modifiers & Qt::ShiftModifier) {
        state |= kKeyShift;
    }
    if (modifiers & Qt::ControlModifier) {
        state |= kKeyControl;
    }
    if (modifiers & Qt::AltModifier) {
        state |= kKeyAlt;
    }
    if (buttons & Qt::LeftButton) {
        state |= kKeyLButton;
    }
    return state;
}

uint32_t VirtualKey(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kVkReturn;
        case Qt::Key_Backspace:
            return kVkBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return kVkTab;
        case Qt::Key_Escape:
            return kVkEscape;
        case Qt::Key_Space:
            return kVkSpace;
        case Qt::Key_End:
            return kVkEnd;
        case Qt::Key_Home:
            return kVkHome;
        case Qt::Key_Left:
            return kVkLeft;
        case Qt::Key_Up:
            return kVkUp;
        case Qt::Key_Right:
            return kVkRight;
        case Qt::Key_Down:
            return kVkDown;
        case Qt::Key_Delete:
            return kVkDelete;
        default:
            return static_cast<uint32_t>(key) & 0xFFFF;
    }
}

}  // namespace

CUiHostWidget::CUiHostWidget(CPaintManagerUI* manager, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_manager(manager) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CUiHostWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    double scale = m_manager->GetScale();
    QRect area = event->rect();
    painter.fillRect(area, QColor(0x15, 0x17, 0x1c));
    painter.scale(scale, scale);
    UiRect rcPaint{static_cast<int>(area.left() / scale), static_cast<int>(area.top() / scale),
                   static_cast<int>((area.right() + 1) / scale) + 1,
                   static_cast<int>((area.bottom() + 1) / scale) + 1};
    m_manager->Paint(&painter, rcPaint);
}

void CUiHostWidget::resizeEvent(QResizeEvent*) {
    double scale = m_manager->GetScale();
    m_manager->SetClientSize(static_cast<int>(width() / scale + 0.5),
                             static_cast<int>(height() / scale + 0.5));
}

static UiPoint Logical(const QPointF& pos, double scale) {
    return {static_cast<int>(pos.x() / scale), static_cast<int>(pos.y() / scale)};
}

void CUiHostWidget::mousePressEvent(QMouseEvent* event) {
    UiPoint pt = Logical(event->position(), m_manager->GetScale());
    uint16_t state = KeyState(event->modifiers(), event->buttons());
    if (event->button() == Qt::RightButton) {
        m_manager->OnRButtonDown(pt, state);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    UiRect caption = m_manager->GetCaptionRect();
    UiSize client = m_manager->GetClientSize();
    UiRect area{caption.left, caption.top, client.cx - caption.right, caption.bottom};
    CControlUI* hit = m_manager->FindControl(pt);
    bool interactive =
        hit != nullptr &&
        (hit->GetInterface("Button") != nullptr || hit->GetInterface("Edit") != nullptr ||
         hit->GetInterface("Combo") != nullptr || hit->GetInterface("Slider") != nullptr ||
         hit->GetInterface("ListItem") != nullptr || hit->GetInterface("ScrollBar") != nullptr);
    if (isWindow() && area.Contains(pt) && !interactive && windowHandle() != nullptr) {
        windowHandle()->startSystemMove();
        return;
    }
    m_manager->OnButtonDown(pt, state);
}

void CUiHostWidget::mouseReleaseEvent(QMouseEvent* event) {
    UiPoint pt = Logical(event->position(), m_manager->GetScale());
    uint16_t state = KeyState(event->modifiers(), event->buttons());
    if (event->button() == Qt::RightButton) {
        m_manager->OnRButtonUp(pt, state);
    } else if (event->button() == Qt::LeftButton) {
        m_manager->OnButtonUp(pt, state);
    }
}

void CUiHostWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_manager->OnDoubleClick(Logical(event->position(), m_manager->GetScale()),
                                 KeyState(event->modifiers(), event->buttons()));
    }
}

void CUiHostWidget::mouseMoveEvent(QMouseEvent* event) {
    m_manager->OnMouseMove(Logical(event->position(), m_manager->GetScale()),
                           KeyState(event->modifiers(), event->buttons()));
}

void CUiHostWidget::Detach() {
    m_manager = nullptr;
    m_onClose = nullptr;
    m_onHide = nullptr;
    m_onShow = nullptr;
}

bool CUiHostWidget::event(QEvent* event) {
    if (m_manager == nullptr && event->type() != QEvent::DeferredDelete) {
        return false;
    }
    return QWidget::event(event);
}

void CUiHostWidget::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    SendToWindow(WM_MOUSEHOVER, 0);
}

void CUiHostWidget::leaveEvent(QEvent*) {
    m_manager->OnMouseLeaveWindow();
    SendToWindow(WM_MOUSELEAVE, 0);
}

void CUiHostWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        SendToWindow(WM_ACTIVATE, isActiveWindow() ? 1 : 0);
    }
}

void CUiHostWidget::SendToWindow(unsigned int msg, uintptr_t wParam) {
    SendMessage(m_manager->GetPaintWindow(), msg, static_cast<WPARAM>(wParam), 0);
}

// A window that moves to another screen hears the new DPI; a screen whose
// resolution changes tells its windows.
void CUiHostWidget::FollowScreenChanges() {
    QWindow* window = windowHandle();
    if (m_followingScreens || window == nullptr) {
        return;
    }
    m_followingScreens = true;
    auto watchScreen = [this](QScreen* screen) {
        if (screen == nullptr) {
            return;
        }
        connect(screen, &QScreen::geometryChanged, this,
                [this] { SendToWindow(WM_DISPLAYCHANGE, 0); });
    };
    watchScreen(window->screen());
    connect(window, &QWindow::screenChanged, this, [this, watchScreen](QScreen* screen) {
        watchScreen(screen);
        if (screen != nullptr) {
            auto dpi = static_cast<uintptr_t>(screen->logicalDotsPerInch() + 0.5);
            SendToWindow(WM_DPICHANGED, dpi | (dpi << 16));
        }
    });
}

void CUiHostWidget::wheelEvent(QWheelEvent* event) {
    int delta = event->angleDelta().y();
    if (delta != 0) {
        m_manager->OnWheel(Logical(event->position(), m_manager->GetScale()), delta,
                           KeyState(event->modifiers()));
    }
}

void CUiHostWidget::keyPressEvent(QKeyEvent* event) {
    uint16_t state = KeyState(event->modifiers());
    bool taken = m_manager->OnKeyDown(VirtualKey(event->key()), state);
    QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        m_manager->OnChar(text.toStdString(), state);
        taken = true;
    }
    if (!taken) {
        QWidget::keyPressEvent(event);
    }
}

void CUiHostWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        m_manager->OnChar(event->commitString().toStdString(), 0);
    }
    event->accept();
}

void CUiHostWidget::focusOutEvent(QFocusEvent* event) {
    m_manager->OnWindowFocusLost();
    QWidget::focusOutEvent(event);
}

void CUiHostWidget::closeEvent(QCloseEvent* event) {
    if (m_onClose && !m_onClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CUiHostWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_onHide) {
        m_onHide();
    }
}

void CUiHostWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FollowScreenChanges();
    if (m_onShow) {
        m_onShow();
    }
}

bool CUiHostWidget::focusNextPrevChild(bool) {
    return false;
}

}  // namespace DuiLib
