// zentor-sim against the running program: the program started with
// --simulate applies each command to its simulated devices (its traces are
// the evidence), and zentor-sim says when there is nothing to drive.
#include <gtest/gtest.h>

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

class ZentorSim : public testing::Test {
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
                process->terminate();
                if (!process->waitForFinished(3000)) {
                    process->kill();
                    process->waitForFinished(2000);
                }
            }
        }
    }

    QProcess* Start(const char* program, const QStringList& args) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_env);
        process->setProgram(QString::fromStdString((platform::ProgramFolder() / program).string()));
        process->setArguments(args);
        process->start();
        EXPECT_TRUE(process->waitForStarted(5000)) << program;
        m_processes.push_back(std::move(process));
        return m_processes.back().get();
    }

    QProcess* StartProgram(const QStringList& args) {
        QProcess* program = Start("zentor-keyboard", args);
        const auto socket = m_temp.Path() / "Zentor Keyboard";
        const auto deadline = std::chrono::steady_clock::now() + 15s;
        while (!std::filesystem::exists(socket) && std::chrono::steady_clock::now() < deadline &&
               program->state() == QProcess::Running) {
            program->waitForFinished(20);
        }
        EXPECT_TRUE(std::filesystem::exists(socket)) << "the program never opened its bus";
        return program;
    }

    int Sim(const QStringList& args, std::string* err = nullptr) {
        QProcess* sim = Start("zentor-sim", args);
        EXPECT_TRUE(sim->waitForFinished(5000));
        if (err != nullptr) {
            *err = sim->readAllStandardError().toStdString();
        }
        return sim->exitCode();
    }

    // Reads the program's traces until text shows up.
    bool WaitForTrace(QProcess* process, const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (std::chrono::steady_clock::now() < deadline) {
            process->waitForReadyRead(50);
            m_trace += process->readAllStandardError().toStdString();
            if (m_trace.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    TempFolder m_temp;
    QProcessEnvironment m_env;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    std::string m_trace;
};

TEST_F(ZentorSim, CommandsReachTheSimulatedDevicesOfTheRunningProgram) {
    Watchdog watchdog(90s, "zentor-sim end to end");
    QProcess* program = StartProgram({"--simulate", "keyboard,mouse"});
    ASSERT_TRUE(WaitForTrace(program, "模拟设备：keyboard,mouse")) << m_trace;

    struct Step {
        QStringList args;
        const char* trace;
    };
    const Step steps[] = {
        {{"plug", "keyboard", "receiver"},
         "模拟设备：plug keyboard receiver (cable port 1, receiver port 3)"},
        {{"unplug", "keyboard", "cable"},
         "模拟设备：unplug keyboard cable (cable port 0, receiver port 3)"},
        {{"use", "mouse", "receiver"},
         "模拟设备：use mouse receiver (cable port 0, receiver port 4)"},
        {{"reachable", "mouse", "off"}, "模拟设备：reachable mouse off"},
        {{"power", "mouse", "85", "1"}, "模拟设备：power mouse 85 1"},
        {{"notify", "keyboard", "0x0401"}, "模拟设备：notify keyboard 1025"},
        {{"unplug", "keyboard"}, "模拟设备：unplug keyboard all (cable port 0, receiver port 0)"},
        {{"unplug", "keyboard"}, "模拟设备：unplug keyboard all - nothing to do"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.args.join(' ').toStdString());
        EXPECT_EQ(Sim(step.args), 0);
        EXPECT_TRUE(WaitForTrace(program, step.trace)) << m_trace;
    }
    std::string err;
    EXPECT_EQ(Sim({"plug", "toaster"}, &err), 2);
    EXPECT_NE(err.find("unknown device kind"), std::string::npos) << err;
    EXPECT_EQ(program->state(), QProcess::Running);
}

TEST_F(ZentorSim, SaysWhenThereIsNothingToDrive) {
    Watchdog watchdog(60s, "zentor-sim without simulation");
    std::string err;
    EXPECT_EQ(Sim({"plug", "mouse"}, &err), 1);
    EXPECT_NE(err.find("not running"), std::string::npos) << err;

    QProcess* program = StartProgram({});
    EXPECT_EQ(Sim({"plug", "mouse"}, &err), 1);
    EXPECT_NE(err.find("--simulate"), std::string::npos) << err;
    EXPECT_EQ(program->state(), QProcess::Running);
}

TEST_F(ZentorSim, AnUnknownSimulatedKindEndsTheStartWithAMessage) {
    Watchdog watchdog(60s, "bad --simulate");
    QProcess* program = Start("zentor-keyboard", {"--simulate", "keyboard,toaster"});
    ASSERT_TRUE(program->waitForFinished(10000));
    EXPECT_EQ(program->exitCode(), 0);
    EXPECT_NE(program->readAllStandardError().toStdString().find("--simulate"), std::string::npos);
}

}  // namespace
