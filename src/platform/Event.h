// A waitable event, manual- or auto-reset, as the program's workers use to stop
// and to signal completion.
#pragma once

#include <condition_variable>
#include <mutex>

namespace platform {

// Wait outcomes, named after what a waiter must tell apart.
enum class WaitResult { kSignaled, kTimeout };

class Event {
public:
    static constexpr int kInfinite = -1;

    // A manual-reset event stays set until Reset(); an auto-reset event lets
    // exactly one waiter through and clears itself.
    explicit Event(bool manualReset = true, bool initiallySet = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;

    // Waits until the event is set or timeoutMs has passed (-1 = no limit,
    // 0 = poll).
    WaitResult Wait(int timeoutMs);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    const bool m_manualReset;
    bool m_set;
};

}  // namespace platform
