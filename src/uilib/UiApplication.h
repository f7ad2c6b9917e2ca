// The process's UI application: owns the Qt application object, runs the UI
// thread's event loop and ends it.
#pragma once

#include <functional>
#include <memory>
#include <string>

class QApplication;

namespace uilib {

class CUiApplication {
public:
    CUiApplication(int& argc, char** argv, const std::string& name);
    ~CUiApplication();
    CUiApplication(const CUiApplication&) = delete;
    CUiApplication& operator=(const CUiApplication&) = delete;

    // Runs the event loop until Quit(); returns the code given to Quit().
    int Run();
    static void Quit(int code = 0);

    // SIGINT and SIGTERM end the event loop normally, so the program cleans up
    // (releases its instance lock and bus socket) instead of dying mid-way.
    void QuitOnTerminationSignals();

    // Runs task once on the UI thread after delayMs, from the event loop.
    static void RunLater(int delayMs, std::function<void()> task);

private:
    std::unique_ptr<QApplication> m_app;
};

}  // namespace uilib
