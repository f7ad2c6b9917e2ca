#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <atomic>
#include <thread>

#include "UiTestSupport.h"
#include "platform/Event.h"
#include "uilib/ButtonUI.h"
#include "uilib/MenuWnd.h"
#include "uilib/TrayIcon.h"
#include "uilib/UiTestDriver.h"
#include "uilib/WindowImplBase.h"

using namespace DuiLib;

namespace {

constexpr UINT kAsk = WM_USER + 10;
constexpr UINT kNote = WM_USER + 11;

class MessageWnd : public WindowImplBase {
public:
    std::string GetWindowClassName() const override { return "MessageWnd"; }
    std::string GetSkinFile() override {
        return R"(<Window size="400,300"><VerticalLayout name="root">
                    <Button name="ok" height="30"/><Button name="ticker" height="30"/>
                  </VerticalLayout></Window>)";
    }
    void InitWindow() override { order.push_back("InitWindow"); }
    void Notify(TNotifyUI& msg) override {
        order.push_back(msg.sType);
        if (msg.sType == "click" && msg.pSender->GetName() == "ok") {
            Close(42);
        }
    }
    LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override {
        if (msg == kAsk) {
            handled = true;
            return static_cast<LRESULT>(wParam * 2);
        }
        if (msg == kNote) {
            handled = true;
            notes.push_back(static_cast<int>(wParam));
        }
        if (msg == WM_MENUCOMMAND) {
            handled = true;
            std::unique_ptr<MenuCmd> command(reinterpret_cast<MenuCmd*>(wParam));
            menuChoice = command->szName;
        }
        if (msg == CTrayIcon::kDefaultMessage) {
            handled = true;
            trayEvents.push_back(lParam);
        }
        if (msg == WM_DESTROY) {
            destroyed = true;
        }
        return 0;
    }
    std::vector<std::string> order;
    std::vector<int> notes;
    std::vector<LPARAM> trayEvents;
    std::string menuChoice;
    bool destroyed = false;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { uitest::EnsureApp(); }
};

TEST_F(WindowTest, CreateBuildsTheSkinThenInitWindowThenSizeAndWindowInit) {
    MessageWnd wnd;
    ASSERT_TRUE(wnd.Create({}, "Messages", 0, 0));
    EXPECT_EQ(wnd.order, (std::vector<std::string>{"InitWindow", "windowsize"}));
    ASSERT_NE(wnd.GetPaintManager().FindControl("ok"), nullptr);
    CUiTestDriver::ProcessEvents(20);
    EXPECT_EQ(wnd.order, (std::vector<std::string>{"InitWindow", "windowsize", "windowinit"}));
    EXPECT_EQ(wnd.GetWidget()->width(), 400);
    wnd.SetWindowPos(0, 0, 500, 300);
    EXPECT_EQ(wnd.order.back(), "windowsize");
    EXPECT_EQ(wnd.GetPaintManager().GetClientSize().cx, 500);
}

TEST_F(WindowTest, SendFromAWorkerWaitsForTheUiThreadAndPostsKeepTheirOrder) {
    uitest::Watchdog watchdog(20);
    MessageWnd wnd;
    HWND hwnd = wnd.Create({}, "Messages", 0, 0);
    std::atomic<LRESULT> answer{-1};
    std::thread worker([&] {
        PostMessage(hwnd, kNote, 1);
        PostMessage(hwnd, kNote, 2);
        answer = SendMessage(hwnd, kAsk, 21);
        PostMessage(hwnd, kNote, 3);
    });
    while (answer == -1) {
        CUiTestDriver::ProcessEvents(5);
    }
    worker.join();
    CUiTestDriver::ProcessEvents(20);
    EXPECT_EQ(answer, 42);
    EXPECT_EQ(wnd.notes, (std::vector<int>{1, 2, 3}));
    // On the UI thread a send is a direct call.
    EXPECT_EQ(wnd.SendMessage(kAsk, 5), 10);
}

TEST_F(WindowTest, BlockedSendReturnsZeroWhenTheStopEventIsSetOrTheWindowGoes) {
    uitest::Watchdog watchdog(20);
    {
        // The UI thread waits for the worker (as at shutdown) and never runs
        // the loop: the send must give up when the stop event is set.
        MessageWnd wnd;
        HWND hwnd = wnd.Create({}, "Messages", 0, 0);
        platform::Event stop;
        std::atomic<LRESULT> answer{-1};
        std::thread worker([&] { answer = SendMessage(hwnd, kAsk, 1, 0, &stop); });
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        stop.Set();
        worker.join();
        EXPECT_EQ(answer, 0);
        // A later send with the event still set returns at once as well.
        EXPECT_EQ(SendMessage(hwnd, kAsk, 1, 0, &stop), 0);
    }
    {
        auto* wnd = new MessageWnd();
        HWND hwnd = wnd->Create({}, "Messages", 0, 0);
        std::atomic<LRESULT> answer{-1};
        std::thread worker([&] { answer = SendMessage(hwnd, kAsk, 1); });
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        delete wnd;  // destroyed without ever handling the send
        worker.join();
        EXPECT_EQ(answer, 0);
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(SendMessage(hwnd, kAsk, 1), 0);
        EXPECT_FALSE(PostMessage(hwnd, kNote, 1));
    }
}

TEST_F(WindowTest, ShowModalReturnsTheCodeGivenToClose) {
    uitest::Watchdog watchdog(20);
    MessageWnd wnd;
    wnd.Create({}, "Modal", 0, 0);
    CUiTestDriver driver(wnd.GetPaintManager());
    // Clicking "ok" closes with 42 once the modal loop runs.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&driver] { driver.Click("ok"); }, Qt::QueuedConnection);
    EXPECT_EQ(wnd.ShowModal(), 42u);
    EXPECT_TRUE(wnd.destroyed);
    EXPECT_EQ(wnd.GetWidget(), nullptr);
}

TEST_F(WindowTest, DpiScalesTheWindowAndRejectsOtherValues) {
    MessageWnd wnd;
    wnd.Create({}, "Dpi", 0, 0, 0, 0, 1000, 640);
    CPaintManagerUI& pm = wnd.GetPaintManager();
    for (int bad : {0, 95, 100, 240}) {
        EXPECT_FALSE(pm.SetDPI(bad)) << bad;
    }
    EXPECT_EQ(pm.GetDPI(), 96);
    ASSERT_TRUE(pm.SetDPI(144));
    EXPECT_EQ(wnd.GetWidget()->width(), 1500);
    EXPECT_EQ(wnd.GetWidget()->height(), 960);
    // The layout keeps its unscaled size; only the drawing grows.
    EXPECT_EQ(pm.GetClientSize().cx, 1000);
    EXPECT_EQ(pm.ScaleValue(30), 45);
    QTemporaryDir dir;
    std::string png = dir.filePath("dpi.png").toStdString();
    ASSERT_TRUE(pm.RenderToPng(png));
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(1500, 960));
    CPaintManagerUI::SetAllDPI(48);
    EXPECT_EQ(wnd.GetWidget()->width(), 500);
}

TEST_F(WindowTest, InvalidationsFasterThanTheDisplayCostOneRepaintPerFrame) {
    uitest::Watchdog watchdog(20);
    MessageWnd wnd;
    wnd.Create({}, "Frames", 0, 0);
    wnd.ShowWindow(true);
    CUiTestDriver::ProcessEvents(100);
    CPaintManagerUI& pm = wnd.GetPaintManager();
    CControlUI* ticker = pm.FindControl("ticker");

    class Invalidator : public INotifyUI {
    public:
        void Notify(TNotifyUI& msg) override {
            if (msg.sType == "timer") {
                ++ticks;
                msg.pSender->Invalidate();
            }
        }
        int ticks = 0;
    } invalidator;
    pm.AddNotifier(&invalidator);
    int before = pm.GetPaintCount();
    pm.SetTimer(ticker, 1, 2);
    QElapsedTimer clock;
    clock.start();
    CUiTestDriver::ProcessEvents(400);
    qint64 elapsed = clock.elapsed();
    pm.KillTimer(ticker, 1);
    int paints = pm.GetPaintCount() - before;
    ASSERT_GT(invalidator.ticks, paints) << "the timer ran too slowly to tell";
    EXPECT_GT(paints, 0);
    EXPECT_LE(paints, elapsed / 16 + 2) << invalidator.ticks << " invalidations";
}

TEST_F(WindowTest, MenuCommandReachesTheOwnerAndTrayEventsArePosted) {
    uitest::Watchdog watchdog(20);
    MessageWnd owner;
    HWND hwnd = owner.Create({}, "Owner", 0, 0);
    CMenuWnd* menu =
        CMenuWnd::CreateMenu(hwnd,
                             R"(<Window><VerticalLayout width="160" height="60" bkcolor="#FF1E2128">
             <MenuElement name="setwnd_menu" text="Settings"/><MenuElement name="exit" text="Exit"/>
           </VerticalLayout></Window>)",
                             10, 10);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->Choose("nothing"));
    EXPECT_TRUE(menu->Choose("exit"));
    CUiTestDriver::ProcessEvents(50);
    EXPECT_EQ(owner.menuChoice, "exit");

    CTrayIcon tray;
    tray.CreateTrayIcon(hwnd, 107, "Zentor Keyboard");
    tray.Trigger(WM_LBUTTONUP);
    tray.Trigger(WM_RBUTTONUP);
    CUiTestDriver::ProcessEvents(20);
    EXPECT_EQ(owner.trayEvents, (std::vector<LPARAM>{514, 517}));
    tray.DeleteTrayIcon();
    tray.Trigger(WM_LBUTTONUP);
    CUiTestDriver::ProcessEvents(20);
    EXPECT_EQ(owner.trayEvents.size(), 2u);
}

// The window system's own news reaches the window as the messages a window
// expects: activation, the mouse entering and leaving.
class SystemNewsWnd : public WindowImplBase {
public:
    std::string GetWindowClassName() const override { return "SystemNewsWnd"; }
    std::string GetSkinFile() override {
        return R"(<Window size="200,100"><VerticalLayout name="root"/></Window>)";
    }
    void Notify(TNotifyUI&) override {}
    LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM, bool&) override {
        if (msg == WM_ACTIVATE || msg == WM_MOUSEHOVER || msg == WM_MOUSELEAVE ||
            msg == WM_DISPLAYCHANGE || msg == WM_DPICHANGED) {
            news.emplace_back(msg, wParam);
        }
        return 0;
    }
    std::vector<std::pair<UINT, WPARAM>> news;
};

TEST_F(WindowTest, WindowSystemEventsArriveAsWindowMessages) {
    SystemNewsWnd wnd;
    ASSERT_TRUE(wnd.Create({}, "News", 0, 0));
    QWidget* widget = wnd.GetWidget();
    ASSERT_NE(widget, nullptr);
    wnd.news.clear();

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(widget, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
    QEvent activation(QEvent::ActivationChange);
    QCoreApplication::sendEvent(widget, &activation);

    ASSERT_EQ(wnd.news.size(), 3u);
    EXPECT_EQ(wnd.news[0].first, WM_MOUSEHOVER);
    EXPECT_EQ(wnd.news[1].first, WM_MOUSELEAVE);
    EXPECT_EQ(wnd.news[2].first, WM_ACTIVATE);
    EXPECT_EQ(wnd.news[2].second, widget->isActiveWindow() ? 1u : 0u);
}

}  // namespace
