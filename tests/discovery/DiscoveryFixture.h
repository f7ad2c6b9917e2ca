// What the discovery tests share: a sink that records the worker's news with
// their time, and a simulator backend behind a wrapper that counts and breaks
// enumeration and opening.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "app/DeviceDiscovery.h"
#include "firmware/SimBackend.h"

namespace discovery_test {

using Clock = std::chrono::steady_clock;

struct News {
    enum Kind { kFound, kLost, kFirstScan, kAccess } kind;
    std::size_t index = 0;
    Clock::time_point at;
};

class RecordingSink : public app::IDiscoverySink {
public:
    // Runs inside each found/lost call, on the worker thread (the main
    // window's handler).
    std::function<void(const News&)> onNews;

    void OnDeviceFound(std::size_t index) override { Add({News::kFound, index, Clock::now()}); }
    void OnDeviceLost(std::size_t index) override { Add({News::kLost, index, Clock::now()}); }
    void OnFirstScanDone() override { Add({News::kFirstScan, 0, Clock::now()}); }
    void OnAccessNotice() override { Add({News::kAccess, 0, Clock::now()}); }

    std::vector<News> All() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_news;
    }
    // Entry indexes of one kind of news, in order.
    std::vector<std::size_t> Indexes(News::Kind kind) const {
        std::vector<std::size_t> out;
        for (const News& news : All()) {
            if (news.kind == kind) {
                out.push_back(news.index);
            }
        }
        return out;
    }
    // Waits until pred holds for the news so far; false after timeout.
    bool WaitFor(const std::function<bool(const std::vector<News>&)>& pred,
                 std::chrono::milliseconds timeout = std::chrono::milliseconds(3000)) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] { return pred(m_news); });
    }
    bool WaitForCount(News::Kind kind, std::size_t count,
                      std::chrono::milliseconds timeout = std::chrono::milliseconds(3000)) {
        return WaitFor(
            [&](const std::vector<News>& all) {
                std::size_t n = 0;
                for (const News& news : all) {
                    n += news.kind == kind;
                }
                return n >= count;
            },
            timeout);
    }
    void Clear() {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_news.clear();
    }

private:
    void Add(const News& news) {
        if (onNews) {
            onNews(news);
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        m_news.push_back(news);
        m_changed.notify_all();
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<News> m_news;
};

// The simulator as the HID backend, counting what discovery asks of it.
class CountingBackend : public platform::HidBackend {
public:
    explicit CountingBackend(std::shared_ptr<sim::SimBackend> inner) : m_inner(std::move(inner)) {}

    bool Enumerate(std::vector<platform::HidDeviceEntry>& entries) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_enumerations;
        return !m_failEnumerate && m_inner->Enumerate(entries);
    }
    std::shared_ptr<platform::HidHandle> Open(const std::string& path, bool read,
                                              bool write) override {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_opened.push_back(path);
            if (m_refused.count(path) != 0) {
                return nullptr;
            }
        }
        return m_inner->Open(path, read, write);
    }
    bool IsPresent(const std::string& path) override { return m_inner->IsPresent(path); }

    void FailEnumerate(bool fail) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_failEnumerate = fail;
    }
    void Refuse(const std::string& path, bool refuse) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (refuse) {
            m_refused.insert(path);
        } else {
            m_refused.erase(path);
        }
    }
    std::vector<std::string> Opened() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_opened;
    }
    int Enumerations() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_enumerations;
    }

private:
    std::shared_ptr<sim::SimBackend> m_inner;
    mutable std::mutex m_mutex;
    bool m_failEnumerate = false;
    std::set<std::string> m_refused;
    std::vector<std::string> m_opened;
    int m_enumerations = 0;
};

// Installs a fresh simulator (behind the counting wrapper) for each test.
class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_sim = std::make_shared<sim::SimBackend>();
        m_backend = std::make_shared<CountingBackend>(m_sim);
        platform::InstallHidBackend(m_backend);
    }
    void TearDown() override { platform::InstallHidBackend(nullptr); }

    int Plug(sim::SimKind kind, sim::SimPath path) {
        return m_sim->Plug(m_sim->AddDevice(kind), path);
    }

    std::shared_ptr<sim::SimBackend> m_sim;
    std::shared_ptr<CountingBackend> m_backend;
};

}  // namespace discovery_test
