#include "app/WorkerSlots.h"

#include "platform/Trace.h"

namespace app {

WorkerSlots::~WorkerSlots() {
    Shutdown();
}

bool WorkerSlots::Start(int slot, platform::WorkerThread::Body body) {
    if (slot < 0 || slot >= kSlotCount || m_shutDown) {
        return false;
    }
    m_slots[static_cast<std::size_t>(slot)].Start(std::move(body), kStopTimeoutMs);
    return true;
}

bool WorkerSlots::Running(int slot) const {
    return slot >= 0 && slot < kSlotCount && m_slots[static_cast<std::size_t>(slot)].Running();
}

int WorkerSlots::RunningCount() const {
    int count = 0;
    for (const auto& worker : m_slots) {
        count += worker.Running() ? 1 : 0;
    }
    return count;
}

int WorkerSlots::Shutdown(int timeoutMs) {
    if (m_shutDown) {
        return 0;
    }
    m_shutDown = true;
    // Every worker learns of the stop before the first wait, so none of them
    // sits in a blocking send to the window while another one is waited for.
    for (auto& worker : m_slots) {
        if (platform::Event* stop = worker.StopEvent()) {
            stop->Set();
        }
    }
    int late = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        switch (m_slots[static_cast<std::size_t>(slot)].Stop(timeoutMs)) {
            case platform::WorkerThread::StopOutcome::kNotRunning:
                break;
            case platform::WorkerThread::StopOutcome::kStopped:
                platform::Trace("所有对象处于激发状态");
                break;
            case platform::WorkerThread::StopOutcome::kLate:
                platform::Trace("所有对象处于非激发状态，超时");
                ++late;
                break;
        }
    }
    return late;
}

}  // namespace app
