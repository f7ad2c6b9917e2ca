// CWindowChannel: how other threads reach a window. A window's channel
// outlives the window, so a worker holding it can always send: while the
// window lives, SendMessage blocks the sender until the UI thread has handled
// the message; once the window is being destroyed, or when the sender's stop
// event is set, it returns 0 at once instead of waiting.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "uilib/UiTypes.h"

namespace platform {
class Event;
}

namespace DuiLib {

class CWindowChannel : public std::enable_shared_from_this<CWindowChannel> {
public:
    using Handler = std::function<LRESULT(UINT, WPARAM, LPARAM)>;

    // Set on the UI thread when the window is created.
    void Open(Handler handler);
    // The window is being destroyed: waiting senders return 0 and later
    // messages are dropped.
    void Shut();
    bool IsOpen() const;

    // From any thread. On the UI thread the handler runs directly.
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam, platform::Event* stop);
    bool Post(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    struct Pending;
    void Drain();

    mutable std::mutex m_mutex;
    std::condition_variable m_done;
    std::deque<std::shared_ptr<Pending>> m_pending;
    Handler m_handler;
    bool m_open = false;
};

// A window as other code holds it.
using HWND = std::shared_ptr<CWindowChannel>;

// Win32-like free functions on a handle; 0 / false for an empty or closed one.
LRESULT SendMessage(const HWND& wnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0,
                    platform::Event* stop = nullptr);
bool PostMessage(const HWND& wnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
bool IsWindow(const HWND& wnd);

}  // namespace DuiLib
