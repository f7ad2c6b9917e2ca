#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "UiTestSupport.h"
#include "uilib/ContainerUI.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/UiTestDriver.h"

using namespace DuiLib;

namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::EnsureApp();
        root = new CContainerUI();
        control = new CControlUI();
        control->SetName("ticker");
        other = new CControlUI();
        other->SetName("other");
        root->Add(control);
        root->Add(other);
        pm.AttachDialog(root);
        pm.AddNotifier(&recorder);
    }

    void RunUntil(const std::function<bool()>& done, int ms) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < ms) {
            CUiTestDriver::ProcessEvents(5);
        }
    }

    CPaintManagerUI pm;
    CContainerUI* root;
    CControlUI* control;
    CControlUI* other;
    uitest::Recorder recorder;
};

TEST_F(TimerTest, TimersRepeatWithTheirIdUntilKilled) {
    uitest::Watchdog watchdog(20);
    ASSERT_TRUE(pm.SetTimer(control, 7, 10));
    ASSERT_TRUE(pm.SetTimer(other, 8, 10));
    RunUntil([&] { return recorder.Of("timer").size() >= 6; }, 5000);
    ASSERT_GE(recorder.Of("timer").size(), 6u);
    EXPECT_EQ(recorder.Of("timer:ticker").size() + recorder.Of("timer:other").size(),
              recorder.Of("timer").size());

    EXPECT_TRUE(pm.KillTimer(control, 7));
    EXPECT_FALSE(pm.KillTimer(control, 7));
    recorder.events.clear();
    RunUntil([&] { return recorder.Of("timer:other").size() >= 3; }, 5000);
    EXPECT_TRUE(recorder.Of("timer:ticker").empty());
    EXPECT_EQ(recorder.last.wParam, 8u);
}

TEST_F(TimerTest, FireTimerDeliversAtOnceAndOnlyForLiveTimers) {
    CUiTestDriver driver(pm);
    EXPECT_FALSE(driver.FireTimer("ticker", 3));
    pm.SetTimer(control, 3, 100000);
    EXPECT_TRUE(driver.FireTimer("ticker", 3));
    EXPECT_EQ(recorder.events, std::vector<std::string>{"timer:ticker"});
    EXPECT_EQ(recorder.last.wParam, 3u);
}

TEST_F(TimerTest, RemovingAControlKillsItsTimers) {
    uitest::Watchdog watchdog(20);
    pm.SetTimer(control, 1, 5);
    pm.SetTimer(other, 2, 5);
    root->Remove(control);  // deletes it
    EXPECT_FALSE(pm.HasTimer(control, 1));
    RunUntil([&] { return recorder.Of("timer:other").size() >= 3; }, 5000);
    EXPECT_GE(recorder.Of("timer:other").size(), 3u);
    EXPECT_EQ(recorder.Of("timer").size(), recorder.Of("timer:other").size());
}

TEST_F(TimerTest, AHandlerMayKillItsOwnTimer) {
    uitest::Watchdog watchdog(20);
    class KillOnce : public INotifyUI {
    public:
        explicit KillOnce(CPaintManagerUI& pm) : m_pm(pm) {}
        void Notify(TNotifyUI& msg) override {
            if (msg.sType == "timer") {
                ++count;
                m_pm.KillTimer(msg.pSender, static_cast<UINT>(msg.wParam));
            }
        }
        int count = 0;
        CPaintManagerUI& m_pm;
    } once(pm);
    pm.AddNotifier(&once);
    pm.SetTimer(control, 4, 5);
    CUiTestDriver::ProcessEvents(100);
    EXPECT_EQ(once.count, 1);
}

}  // namespace
