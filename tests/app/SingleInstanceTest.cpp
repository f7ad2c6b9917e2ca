// Runs the real program and zentor-send as separate processes: a second start
// hands over to the running instance, messages reach it by name, and neither a
// crashed instance nor a simultaneous start leaves two running.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <filesystem>
#include <memory>

#include "platform/Paths.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace {

using namespace std::chrono_literals;
using testing_support::TempFolder;
using testing_support::Watchdog;

class SingleInstance : public testing::Test {
protected:
    void SetUp() override {
        m_env = QProcessEnvironment::systemEnvironment();
        QString root = QString::fromStdString(m_temp.Path().string());
        m_env.insert("XDG_RUNTIME_DIR", root);
        m_env.insert("XDG_DATA_HOME", root + "/data");
        m_env.insert("XDG_CONFIG_HOME", root + "/config");
        m_env.insert("QT_QPA_PLATFORM", "offscreen");
        m_env.insert("ZENTOR_TRACE", "1");
    }
    void TearDown() override {
        for (auto& process : m_processes) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(2000);
            }
        }
    }

    QProcess* Start(const char* program, const QStringList& args = {}) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_env);
        process->setProgram(QString::fromStdString((platform::ProgramFolder() / program).string()));
        process->setArguments(args);
        process->start();
        EXPECT_TRUE(process->waitForStarted(5000)) << program;
        m_processes.push_back(std::move(process));
        return m_processes.back().get();
    }

    // Starts the program and waits until it has taken the instance and listens.
    QProcess* StartFirst() {
        QProcess* first = Start("zentor-keyboard");
        auto socket = m_temp.Path() / "Zentor Keyboard";
        auto deadline = std::chrono::steady_clock::now() + 10s;
        while (!std::filesystem::exists(socket) && std::chrono::steady_clock::now() < deadline) {
            first->waitForFinished(20);
        }
        EXPECT_TRUE(std::filesystem::exists(socket)) << "the program never opened its bus";
        return first;
    }

    // Collects what a running process traced, waiting until text appears.
    bool WaitForTrace(QProcess* process, const std::string& text, std::string* all) {
        auto deadline = std::chrono::steady_clock::now() + 5s;
        while (std::chrono::steady_clock::now() < deadline) {
            process->waitForReadyRead(50);
            *all += process->readAllStandardError().toStdString();
            if (all->find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    int Send(const QStringList& args, std::string* err = nullptr) {
        QProcess* send = Start("zentor-send", args);
        EXPECT_TRUE(send->waitForFinished(5000));
        if (err) {
            *err = send->readAllStandardError().toStdString();
        }
        return send->exitCode();
    }

    TempFolder m_temp;
    QProcessEnvironment m_env;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

TEST_F(SingleInstance, SecondStartExitsWithinASecondAndTheFirstGetsTheBroadcast) {
    Watchdog watchdog(60s, "second instance");
    QProcess* first = StartFirst();
    std::string trace;
    auto start = std::chrono::steady_clock::now();
    QProcess* second = Start("zentor-keyboard");
    ASSERT_TRUE(second->waitForFinished(5000));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(WaitForTrace(first, "消息总线：Zentor Keyboard", &trace)) << trace;
    EXPECT_NE(trace.find("wParam=0 lParam=1"), std::string::npos) << trace;
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(SingleInstance, SenderDeliversGameMessagesAndReportsErrors) {
    Watchdog watchdog(60s, "zentor-send");
    std::string err;
    EXPECT_EQ(Send({"Game_Start", "0", "7"}, &err), 1);
    EXPECT_NE(err.find("not running"), std::string::npos) << err;

    QProcess* first = StartFirst();
    EXPECT_EQ(Send({"Game_Start", "0", "7"}), 0);
    std::string trace;
    EXPECT_TRUE(WaitForTrace(first, "Game_Start", &trace)) << trace;
    EXPECT_NE(trace.find("wParam=0 lParam=7"), std::string::npos) << trace;

    EXPECT_EQ(Send({"No_Such_Message"}, &err), 1);
    EXPECT_NE(err.find("does not know"), std::string::npos) << err;
    EXPECT_EQ(Send({"Game_End", "zero"}, &err), 2);
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(SingleInstance, CrashedInstanceDoesNotBlockTheNextStart) {
    Watchdog watchdog(60s, "stale instance");
    QProcess* crashed = StartFirst();
    crashed->kill();  // SIGKILL: the lock and the socket file stay behind
    ASSERT_TRUE(crashed->waitForFinished(5000));
    ASSERT_TRUE(std::filesystem::exists(m_temp.Path() / "Zentor Keyboard"));

    QProcess* next = StartFirst();
    EXPECT_FALSE(next->waitForFinished(1000)) << "the new instance ended";
    EXPECT_EQ(Send({"Game_Kill", "1", "2"}), 0);
}

TEST_F(SingleInstance, OfTwoSimultaneousStartsExactlyOneKeepsRunning) {
    Watchdog watchdog(60s, "simultaneous starts");
    QProcess* a = Start("zentor-keyboard");
    QProcess* b = Start("zentor-keyboard");
    // Let the loser finish (QProcess learns of an exit only while waiting).
    auto deadline = std::chrono::steady_clock::now() + 1500ms;
    while (std::chrono::steady_clock::now() < deadline) {
        a->waitForFinished(25);
        b->waitForFinished(25);
    }
    int running = (a->state() == QProcess::Running) + (b->state() == QProcess::Running);
    EXPECT_EQ(running, 1);
    QProcess* ended = a->state() == QProcess::Running ? b : a;
    EXPECT_EQ(ended->exitCode(), 0);
}

TEST_F(SingleInstance, TerminationSignalEndsTheProgramCleanly) {
    Watchdog watchdog(60s, "SIGTERM");
    QProcess* first = StartFirst();
    first->terminate();
    ASSERT_TRUE(first->waitForFinished(5000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);
    EXPECT_FALSE(std::filesystem::exists(m_temp.Path() / "Zentor Keyboard"))
        << "the bus socket was left behind";
}

}  // namespace
