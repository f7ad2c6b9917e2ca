// The main window's table of 20 worker slots, each with a manual-reset stop
// event; a few slots run a thread (discovery, the audio recorder watch, the
// lighting synchronisation). Shutting down sets every stop event first, then
// waits for each thread in turn with its time-out and traces the outcome.
#pragma once

#include <array>
#include <memory>

#include "platform/WorkerThread.h"

namespace app {

class WorkerSlots {
public:
    static constexpr int kSlotCount = 20;
    static constexpr int kDiscoverySlot = 0;
    static constexpr int kAudioRecorderSlot = 1;
    static constexpr int kLightSyncSlot = 8;
    static constexpr int kStopTimeoutMs = 1000;

    WorkerSlots() = default;
    ~WorkerSlots();
    WorkerSlots(const WorkerSlots&) = delete;
    WorkerSlots& operator=(const WorkerSlots&) = delete;

    // Starts body in a slot (stopping what ran there); false for a slot
    // outside the table or after shutdown.
    bool Start(int slot, platform::WorkerThread::Body body);
    bool Running(int slot) const;
    int RunningCount() const;

    // Sets all stop events, then waits for each slot's thread up to timeoutMs.
    // Later calls do nothing; returns how many threads missed their time-out.
    int Shutdown(int timeoutMs = kStopTimeoutMs);
    bool IsShutDown() const { return m_shutDown; }

private:
    std::array<platform::WorkerThread, kSlotCount> m_slots;
    bool m_shutDown = false;
};

}  // namespace app
