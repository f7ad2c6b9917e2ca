// Fails a test that hangs: if the watchdog is still alive after its time, it
// prints what was being waited for and aborts the test process, so CI reports
// a failure instead of stalling.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace testing_support {

class Watchdog {
public:
    explicit Watchdog(std::chrono::milliseconds limit, std::string what = "test")
        : m_what(std::move(what)) {
        m_thread = std::thread([this, limit] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                std::fprintf(stderr, "watchdog: %s hung for %lld ms\n", m_what.c_str(),
                             static_cast<long long>(limit.count()));
                std::abort();
            }
        });
    }
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::string m_what;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

}  // namespace testing_support
