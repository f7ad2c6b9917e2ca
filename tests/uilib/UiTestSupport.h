// Shared pieces of the UI library tests: one Qt application for the process,
// a notification recorder, and a watchdog that fails a test instead of letting
// it hang.
#pragma once

#include <QApplication>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "uilib/ControlUI.h"
#include "uilib/UiEvent.h"

namespace uitest {

inline void EnsureApp() {
    static int argc = 1;
    static char name[] = "uilib_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

// Records every notification as "type:sender".
class Recorder : public DuiLib::INotifyUI {
public:
    void Notify(DuiLib::TNotifyUI& msg) override {
        std::string sender = msg.pSender != nullptr ? msg.pSender->GetName() : "";
        events.push_back(msg.sType + ":" + sender);
        last = msg;
    }
    // The events of a type ("timer"), or of a type and sender ("timer:ticker").
    std::vector<std::string> Of(const std::string& type) const {
        bool withSender = type.find(':') != std::string::npos;
        std::vector<std::string> found;
        for (const auto& e : events) {
            if (withSender ? e == type : e.rfind(type + ":", 0) == 0) {
                found.push_back(e);
            }
        }
        return found;
    }
    std::vector<std::string> events;
    DuiLib::TNotifyUI last;
};

// Ends the process with a message when a test runs longer than allowed.
class Watchdog {
public:
    explicit Watchdog(int seconds)
        : m_thread([this, seconds] {
              auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
              while (!m_done) {
                  if (std::chrono::steady_clock::now() > deadline) {
                      std::fprintf(stderr, "watchdog: test hung\n");
                      std::_Exit(3);
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          }) {}
    ~Watchdog() {
        m_done = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

}  // namespace uitest
