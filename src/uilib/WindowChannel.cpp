#include "uilib/WindowChannel.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>

#include "platform/Event.h"

namespace DuiLib {
namespace {

// How often a blocked sender looks at its stop event.
constexpr auto kStopPoll = std::chrono::milliseconds(10);

bool OnUiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

}  // namespace

struct CWindowChannel::Pending {
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
    bool done = false;
    bool abandoned = false;
};

void CWindowChannel::Open(Handler handler) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handler = std::move(handler);
    m_open = true;
}

void CWindowChannel::Shut() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open = false;
    m_handler = nullptr;
    for (auto& pending : m_pending) {
        pending->abandoned = true;
    }
    m_pending.clear();
    m_done.notify_all();
}

bool CWindowChannel::IsOpen() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open;
}

LRESULT CWindowChannel::Send(UINT msg, WPARAM wParam, LPARAM lParam, platform::Event* stop) {
    if (stop != nullptr && stop->IsSet()) {
        return 0;
    }
    if (OnUiThread()) {
        Handler handler;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_open) {
                return 0;
            }
            handler = m_handler;
        }
        return handler(msg, wParam, lParam);
    }
    auto pending = std::make_shared<Pending>();
    pending->msg = msg;
    pending->wParam = wParam;
    pending->lParam = lParam;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_open || (stop != nullptr && stop->IsSet())) {
            return 0;
        }
        m_pending.push_back(pending);
    }
    std::weak_ptr<CWindowChannel> weak = weak_from_this();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [weak] {
            if (auto channel = weak.lock()) {
                channel->Drain();
            }
        },
        Qt::QueuedConnection);

    std::unique_lock<std::mutex> lock(m_mutex);
    while (!pending->done) {
        if (!m_open || pending->abandoned) {
            return 0;
        }
        if (stop != nullptr && stop->IsSet()) {
            pending->abandoned = true;
            return 0;
        }
        m_done.wait_for(lock, kStopPoll);
    }
    return pending->result;
}

bool CWindowChannel::Post(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!IsOpen() || QCoreApplication::instance() == nullptr) {
        return false;
    }
    std::weak_ptr<CWindowChannel> weak = weak_from_this();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [weak, msg, wParam, lParam] {
            auto channel = weak.lock();
            if (!channel) {
                return;
            }
            Handler handler;
            {
                std::lock_guard<std::mutex> lock(channel->m_mutex);
                if (!channel->m_open) {
                    return;
                }
                handler = channel->m_handler;
            }
            handler(msg, wParam, lParam);
        },
        Qt::QueuedConnection);
    return true;
}

void CWindowChannel::Drain() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_pending.empty()) {
        std::shared_ptr<Pending> pending = m_pending.front();
        m_pending.pop_front();
        if (pending->abandoned || !m_open) {
            continue;
        }
        Handler handler = m_handler;
        lock.unlock();
        LRESULT result = handler(pending->msg, pending->wParam, pending->lParam);
        lock.lock();
        pending->result = result;
        pending->done = true;
        m_done.notify_all();
    }
}

LRESULT SendMessage(const HWND& wnd, UINT msg, WPARAM wParam, LPARAM lParam,
                    platform::Event* stop) {
    return wnd ? wnd->Send(msg, wParam, lParam, stop) : 0;
}

bool PostMessage(const HWND& wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return wnd && wnd->Post(msg, wParam, lParam);
}

bool IsWindow(const HWND& wnd) {
    return wnd && wnd->IsOpen();
}

}  // namespace DuiLib
