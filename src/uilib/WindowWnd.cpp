#include "uilib/WindowWnd.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>

#include "uilib/ResourceManager.h"
#include "uilib/UiHostWidget.h"

namespace DuiLib {

CWindowWnd::CWindowWnd() = default;

CWindowWnd::~CWindowWnd() {
    if (m_hWnd) {
        m_hWnd->Shut();
    }
    for (auto& [id, timer] : m_timers) {
        delete timer;
    }
    m_pm.DetachAndDeleteRoot();
    delete m_widget;
}

QWidget* CWindowWnd::GetWidget() const {
    return m_widget;
}

HWND CWindowWnd::Create(const HWND& parent, const std::string& name, uint32_t style,
                        uint32_t exStyle, int x, int y, int cx, int cy) {
    if (m_widget != nullptr) {
        return m_hWnd;
    }
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
    if (exStyle & WS_EX_TOOLWINDOW) {
        flags |= Qt::Tool;
    }
    if (exStyle & WS_EX_TOPMOST) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    if (exStyle & WS_EX_UIPOPUP) {
        flags = Qt::Popup | Qt::FramelessWindowHint;
    }
    (void)parent;
    m_widget = new CUiHostWidget(&m_pm, nullptr, flags);
    m_widget->setWindowTitle(QString::fromStdString(name));
    m_widget->setObjectName(QString::fromStdString(GetWindowClassName()));
    m_pm.Init(m_widget, GetWindowClassName());
    m_hWnd = std::make_shared<CWindowChannel>();
    m_pm.SetPaintWindow(m_hWnd);
    m_hWnd->Open([this](UINT msg, WPARAM wParam, LPARAM lParam) {
        return HandleMessage(msg, wParam, lParam);
    });
    m_widget->SetCloseHandler([this] {
        if (!m_destroying) {
            PostMessage(WM_CLOSE, IDCANCEL);
        }
        return false;
    });
    if (exStyle & WS_EX_UIPOPUP) {
        m_widget->SetHideHandler([this] {
            if (!m_destroying) {
                PostMessage(WM_CLOSE, IDCANCEL);
            }
        });
    }

    HandleMessage(WM_CREATE, 0, 0);
    if (m_widget == nullptr) {
        return {};
    }
    UiSize size = m_pm.GetInitSize();
    if (cx <= 0 || cy <= 0) {
        cx = size.cx;
        cy = size.cy;
    }
    SetWindowPos(x, y, cx, cy);
    if (style & WS_VISIBLE) {
        ShowWindow(true);
    }
    return m_hWnd;
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
    if (m_widget == nullptr) {
        return;
    }
    if (!show) {
        m_widget->hide();
        return;
    }
    if (m_widget->isMinimized()) {
        m_widget->showNormal();
    } else {
        m_widget->show();
    }
    if (takeFocus) {
        m_widget->raise();
        m_widget->activateWindow();
    }
}

bool CWindowWnd::IsWindowVisible() const {
    return m_widget != nullptr && m_widget->isVisible();
}

bool CWindowWnd::IsMinimized() const {
    return m_widget != nullptr && m_widget->isMinimized();
}

UINT CWindowWnd::ShowModal() {
    if (m_widget == nullptr) {
        return IDCANCEL;
    }
    UINT result = IDCANCEL;
    bool running = true;
    m_modalResult = &result;
    m_modalRunning = &running;
    m_widget->setWindowModality(Qt::ApplicationModal);
    ShowWindow(true);
    QEventLoop loop;
    while (running) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    // The window may have deleted itself; only locals are used from here.
    return result;
}

void CWindowWnd::Close(UINT ret) {
    if (m_widget == nullptr || m_destroying) {
        return;
    }
    PostMessage(WM_CLOSE, ret);
}

void CWindowWnd::CenterWindow() {
    if (m_widget == nullptr) {
        return;
    }
    QScreen* screen = m_widget->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    QRect area = screen->availableGeometry();
    m_widget->move(area.center() - QPoint(m_widget->width() / 2, m_widget->height() / 2));
}

void CWindowWnd::SetWindowPos(int x, int y, int cx, int cy) {
    if (m_widget == nullptr) {
        return;
    }
    // A window placed at its layout's own size still hears "windowsize".
    if (!m_pm.SetClientSize(cx, cy) && m_pm.GetRoot() != nullptr) {
        m_pm.SendNotify(m_pm.GetRoot(), "windowsize");
    }
    m_widget->setGeometry(m_pm.ScaleValue(x), m_pm.ScaleValue(y), m_pm.ScaleValue(cx),
                          m_pm.ScaleValue(cy));
}

UiRect CWindowWnd::GetWindowRect() const {
    if (m_widget == nullptr) {
        return {};
    }
    QRect g = m_widget->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void CWindowWnd::SetCaption(const std::string& caption) {
    if (m_widget != nullptr) {
        m_widget->setWindowTitle(QString::fromStdString(caption));
    }
}

void CWindowWnd::SetIcon(UINT resource) {
    m_iconResource = resource;
    std::string file = CResourceManager::GetInstance().GetIconFile(resource);
    if (m_widget != nullptr && !file.empty()) {
        m_widget->setWindowIcon(QIcon(QString::fromStdString(file)));
    }
}

void CWindowWnd::SetTopMost(bool topMost) {
    if (m_widget == nullptr) {
        return;
    }
    bool visible = m_widget->isVisible();
    m_widget->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    if (visible) {
        m_widget->show();
    }
}

LRESULT CWindowWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DuiLib::SendMessage(m_hWnd, msg, wParam, lParam);
}

bool CWindowWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DuiLib::PostMessage(m_hWnd, msg, wParam, lParam);
}

bool CWindowWnd::SetTimer(UINT id, UINT ms) {
    if (m_widget == nullptr) {
        return false;
    }
    QTimer*& timer = m_timers[id];
    if (timer == nullptr) {
        timer = new QTimer();
        QObject::connect(timer, &QTimer::timeout, [this, id] { HandleMessage(WM_TIMER, id, 0); });
    }
    timer->start(static_cast<int>(ms));
    return true;
}

bool CWindowWnd::KillTimer(UINT id) {
    auto it = m_timers.find(id);
    if (it == m_timers.end()) {
        return false;
    }
    it->second->stop();
    it->second->deleteLater();
    m_timers.erase(it);
    return true;
}

LRESULT CWindowWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_CLOSE) {
        m_closeCode = static_cast<UINT>(wParam);
        DestroyWindow();
    }
    return 0;
}

void CWindowWnd::OnFinalMessage(HWND) {}

void CWindowWnd::DestroyWindow() {
    if (m_destroying || m_widget == nullptr) {
        return;
    }
    m_destroying = true;
    HWND handle = m_hWnd;
    handle->Shut();
    for (auto& [id, timer] : m_timers) {
        timer->stop();
        timer->deleteLater();
    }
    m_timers.clear();
    HandleMessage(WM_DESTROY, 0, 0);
    m_widget->hide();
    m_pm.DetachAndDeleteRoot();
    m_widget->Detach();
    m_widget->deleteLater();
    m_widget = nullptr;
    m_pm.Init(nullptr, m_pm.GetName());
    if (m_modalRunning != nullptr) {
        *m_modalResult = m_closeCode;
        *m_modalRunning = false;
        m_modalRunning = nullptr;
        m_modalResult = nullptr;
    }
    OnFinalMessage(handle);
}

}  // namespace DuiLib
