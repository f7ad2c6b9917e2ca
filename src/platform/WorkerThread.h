// One worker thread with its manual-reset stop event, started and stopped with
// the program's worker protocol: set the stop event, wait a bounded time, trace
// the outcome. There is no forced termination: a worker that misses its time-out
// is still joined, and the trace says so.
#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "platform/Event.h"

namespace platform {

class WorkerThread {
public:
    using Body = std::function<void(Event& stop)>;

    // How a Stop() ended.
    enum class StopOutcome { kNotRunning, kStopped, kLate };

    WorkerThread() = default;
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Stops a running worker first (with the given time-out), then starts body
    // on a new thread with a fresh, unset stop event.
    void Start(Body body, int stopTimeoutMs = 1000);

    // Sets the stop event, waits up to timeoutMs for the body to return and
    // traces the outcome; then joins the thread in every case.
    StopOutcome Stop(int timeoutMs);

    bool Running() const;

    // The stop event of the running worker (null when none runs). Valid until
    // the next Start() or Stop().
    Event* StopEvent() const;

private:
    struct Run;
    std::shared_ptr<Run> m_run;
    std::thread m_thread;
};

}  // namespace platform
