#include "platform/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/Trace.h"
#include "support/Watchdog.h"

namespace {

using platform::Event;
using platform::WaitResult;
using platform::WorkerThread;
using Outcome = WorkerThread::StopOutcome;

// A worker as the program writes them: loop while a 1 ms wait on the stop event
// times out.
void PollingBody(Event& stop, std::atomic<int>* loops) {
    while (stop.Wait(1) == WaitResult::kTimeout) {
        ++*loops;
    }
}

TEST(WorkerThread, StopsInTimeAndTracesTheSignalledOutcome) {
    testing_support::Watchdog watchdog(std::chrono::seconds(10), "worker stop");
    platform::ScopedTraceCapture capture;
    std::atomic<int> loops{0};
    WorkerThread worker;
    worker.Start([&](Event& stop) { PollingBody(stop, &loops); });
    while (loops.load() < 3) {
        std::this_thread::yield();
    }
    EXPECT_TRUE(worker.Running());
    EXPECT_EQ(worker.Stop(1000), Outcome::kStopped);
    EXPECT_FALSE(worker.Running());
    EXPECT_TRUE(capture.Contains("线程退出：：对象处于激发状态"));
    EXPECT_FALSE(capture.Contains("超时"));
}

TEST(WorkerThread, LateWorkerIsStillJoinedAndTheTraceSaysSo) {
    testing_support::Watchdog watchdog(std::chrono::seconds(10), "worker stop");
    platform::ScopedTraceCapture capture;
    std::atomic<bool> finished{false};
    WorkerThread worker;
    worker.Start([&](Event& stop) {
        stop.Wait(Event::kInfinite);
        std::this_thread::sleep_for(std::chrono::milliseconds(120));
        finished = true;
    });
    EXPECT_EQ(worker.Stop(20), Outcome::kLate);
    // Stop() returns only after the body has returned: nothing is left running.
    EXPECT_TRUE(finished.load());
    EXPECT_TRUE(capture.Contains("线程退出：：对象处于非激发状态，超时"));
    EXPECT_TRUE(capture.Contains("超时后"));
}

TEST(WorkerThread, StartStopsTheRunningWorkerFirst) {
    testing_support::Watchdog watchdog(std::chrono::seconds(10), "worker stop");
    std::atomic<int> firstLoops{0};
    std::atomic<bool> firstEnded{false};
    WorkerThread worker;
    worker.Start([&](Event& stop) {
        PollingBody(stop, &firstLoops);
        firstEnded = true;
    });
    Event* firstStop = worker.StopEvent();
    ASSERT_NE(firstStop, nullptr);
    std::atomic<bool> secondSawSetStop{true};
    Event secondRan;
    worker.Start([&](Event& stop) {
        secondSawSetStop = stop.IsSet();
        secondRan.Set();
    });
    EXPECT_TRUE(firstEnded.load());
    ASSERT_EQ(secondRan.Wait(5000), WaitResult::kSignaled);
    EXPECT_EQ(worker.Stop(1000), Outcome::kStopped);
    EXPECT_FALSE(secondSawSetStop.load());
}

TEST(WorkerThread, StopWithoutWorkerDoesNothing) {
    platform::ScopedTraceCapture capture;
    WorkerThread worker;
    EXPECT_EQ(worker.Stop(10), Outcome::kNotRunning);
    EXPECT_TRUE(capture.Lines().empty());
}

TEST(WorkerThread, DestructorStopsAndJoins) {
    testing_support::Watchdog watchdog(std::chrono::seconds(10), "worker stop");
    std::atomic<bool> ended{false};
    {
        WorkerThread worker;
        worker.Start([&](Event& stop) {
            stop.Wait(Event::kInfinite);
            ended = true;
        });
    }
    EXPECT_TRUE(ended.load());
}

}  // namespace
