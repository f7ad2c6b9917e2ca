#include "platform/Event.h"

#include "support/Watchdog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using platform::Event;
using platform::WaitResult;

TEST(Event, ManualResetStaysSetUntilReset) {
    Event event(true, false);
    EXPECT_EQ(event.Wait(0), WaitResult::kTimeout);
    event.Set();
    EXPECT_EQ(event.Wait(0), WaitResult::kSignaled);
    EXPECT_EQ(event.Wait(0), WaitResult::kSignaled);
    event.Reset();
    EXPECT_EQ(event.Wait(0), WaitResult::kTimeout);
}

TEST(Event, AutoResetLetsExactlyOneWaiterThrough) {
    testing_support::Watchdog watchdog(std::chrono::seconds(10), "auto-reset waiters");
    Event event(false, false);
    std::atomic<int> passed{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 3; ++i) {
        waiters.emplace_back([&] {
            if (event.Wait(300) == WaitResult::kSignaled) {
                ++passed;
            }
        });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    event.Set();
    for (auto& waiter : waiters) {
        waiter.join();
    }
    EXPECT_EQ(passed.load(), 1);
    EXPECT_FALSE(event.IsSet());
}

TEST(Event, TimedWaitEndsWithTimeoutWhenNothingSetsIt) {
    Event event;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(event.Wait(30), WaitResult::kTimeout);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}

TEST(Event, UnlimitedWaitEndsWhenAnotherThreadSetsIt) {
    testing_support::Watchdog watchdog(std::chrono::seconds(10), "unlimited wait");
    Event event;
    std::thread setter([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        event.Set();
    });
    EXPECT_EQ(event.Wait(Event::kInfinite), WaitResult::kSignaled);
    setter.join();
}

TEST(Event, InitiallySetEventPassesAtOnce) {
    Event event(true, true);
    EXPECT_EQ(event.Wait(0), WaitResult::kSignaled);
}

}  // namespace
