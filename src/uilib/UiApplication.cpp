#include "uilib/UiApplication.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

namespace uilib {
namespace {

int g_signalPipe[2] = {-1, -1};

void OnTerminationSignal(int) {
    char byte = 1;
    // Only async-signal-safe work here: the event loop reads the pipe.
    ssize_t ignored = ::write(g_signalPipe[1], &byte, 1);
    (void)ignored;
}

}  // namespace

CUiApplication::CUiApplication(int& argc, char** argv, const std::string& name) {
    m_app = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QString::fromStdString(name));
    QApplication::setOrganizationName(QString::fromStdString(name));
    QApplication::setQuitOnLastWindowClosed(false);
}

CUiApplication::~CUiApplication() {
    m_app.reset();
}

int CUiApplication::Run() {
    return QApplication::exec();
}

void CUiApplication::Quit(int code) {
    QApplication::exit(code);
}

void CUiApplication::RunLater(int delayMs, std::function<void()> task) {
    QTimer::singleShot(delayMs, QCoreApplication::instance(), std::move(task));
}

void CUiApplication::QuitOnTerminationSignals() {
    if (g_signalPipe[0] >= 0 || ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, m_app.get());
    QObject::connect(notifier, &QSocketNotifier::activated, m_app.get(), [] {
        char buffer[16];
        while (::read(g_signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        Quit(0);
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace uilib
