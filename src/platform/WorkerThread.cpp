#include "platform/WorkerThread.h"

#include <chrono>

#include "platform/Trace.h"

namespace platform {

// What the thread and its owner share; it outlives whichever of them ends last.
struct WorkerThread::Run {
    Event stop{true, false};
    Event finished{true, false};
};

WorkerThread::~WorkerThread() {
    Stop(1000);
}

void WorkerThread::Start(Body body, int stopTimeoutMs) {
    Stop(stopTimeoutMs);
    auto run = std::make_shared<Run>();
    m_run = run;
    m_thread = std::thread([run, body = std::move(body)] {
        body(run->stop);
        run->finished.Set();
    });
}

WorkerThread::StopOutcome WorkerThread::Stop(int timeoutMs) {
    if (!m_thread.joinable()) {
        m_run.reset();
        return StopOutcome::kNotRunning;
    }
    m_run->stop.Set();
    StopOutcome outcome;
    if (m_run->finished.Wait(timeoutMs) == WaitResult::kSignaled) {
        Trace("线程退出：：对象处于激发状态\n");
        outcome = StopOutcome::kStopped;
    } else {
        Trace("线程退出：：对象处于非激发状态，超时\n");
        auto late = std::chrono::steady_clock::now();
        m_run->finished.Wait(Event::kInfinite);
        auto extraMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - late)
                           .count();
        TraceF("线程退出：：超时后 %lld ms 才结束", static_cast<long long>(extraMs));
        outcome = StopOutcome::kLate;
    }
    m_thread.join();
    m_run.reset();
    return outcome;
}

bool WorkerThread::Running() const {
    return m_thread.joinable() && !m_run->finished.IsSet();
}

Event* WorkerThread::StopEvent() const {
    return m_run ? &m_run->stop : nullptr;
}

}  // namespace platform
