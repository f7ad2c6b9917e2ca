// Runs the real program offscreen: it shows its main window with the
// no-device notice, and closing the window ends it cleanly (workers stopped,
// exit code 0).
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <string>

#include "platform/Paths.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace {

using namespace std::chrono_literals;

TEST(ProgramRunTest, ShowsTheNoDeviceNoticeAndEndsCleanlyWhenClosed) {
    testing_support::Watchdog watchdog(60s, "program run");
    testing_support::TempFolder temp;
    QString root = QString::fromStdString(temp.Path().string());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", root);
    env.insert("XDG_DATA_HOME", root + "/data");
    env.insert("XDG_CONFIG_HOME", root + "/config");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ZENTOR_TRACE", "1");
    QString png = root + "/main.png";

    QProcess program;
    program.setProcessEnvironment(env);
    program.setProgram(
        QString::fromStdString((platform::ProgramFolder() / "zentor-keyboard").string()));
    // The screenshot option paints the window once it is up, then closes it.
    program.setArguments({"--screenshot", png});
    program.start();
    ASSERT_TRUE(program.waitForStarted(5000));
    ASSERT_TRUE(program.waitForFinished(20000));
    std::string trace = program.readAllStandardError().toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    QImage image(png);
    ASSERT_FALSE(image.isNull()) << trace;
    // The offscreen screen is small, so the window is laid out at 96 DPI.
    EXPECT_EQ(image.width(), 1000);
    EXPECT_EQ(image.height(), 640);
    EXPECT_EQ(image.pixelColor(500, 404).rgb() & 0xFFFFFF, 0x18C8FFu)
        << "the no-device notice's button is not where it belongs";
    EXPECT_NE(trace.find("退出测试"), std::string::npos) << trace;
    EXPECT_NE(trace.find("所有对象处于激发状态"), std::string::npos) << trace;
    EXPECT_EQ(trace.find("超时"), std::string::npos) << trace;
}

}  // namespace
