// The main window on the shipped skin, offscreen: showing after the first
// scan, closing to the tray (or minimising without one), a second start
// bringing it back, the monitor's DPI, the power state, bad messages, the
// lighting-control switch, the production tool query and the shutdown.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <thread>

#include "MainWndTestSupport.h"
#include "app/MainWndMessages.h"
#include "app/WorkerSlots.h"
#include "platform/RegisteredMessage.h"
#include "platform/Trace.h"
#include "support/Watchdog.h"
#include "uilib/MenuWnd.h"

namespace {

using namespace std::chrono_literals;
using app::CMainWnd;
using apptest::MainWndHarness;
using apptest::WaitUntil;
using testing_support::Watchdog;

TEST(MainWndTest, ShowsItselfAfterTheFirstScanWithTheNoDeviceNotice) {
    Watchdog watchdog(20s, "first show");
    MainWndHarness h;
    ASSERT_TRUE(h.hwnd);
    ASSERT_TRUE(h.wnd->IsSkinLoaded());
    ASSERT_TRUE(h.WaitShown());
    EXPECT_TRUE(h.Find("No_device_Link")->IsVisible());
    EXPECT_FALSE(h.Find("device_switch")->IsVisible());
    EXPECT_EQ(h.Count("ShowAndRaise"), 1);
    // The window announced that it drives the lighting.
    ASSERT_FALSE(h.broadcasts.empty());
    EXPECT_EQ(h.broadcasts[0].name, app::kLightControlAnnounceGuid);
    EXPECT_EQ(h.broadcasts[0].wParam, 1);
    EXPECT_EQ(h.broadcasts[0].lParam, 1);
}

TEST(MainWndTest, CloseButtonHidesToTheTrayAndASecondStartBringsItBack) {
    Watchdog watchdog(20s, "close to tray");
    MainWndHarness h(CMainWnd::TrayMode::kAvailable);
    ASSERT_TRUE(h.WaitShown());
    EXPECT_FALSE(h.Find("menubtn")->IsVisible());
    std::atomic<bool> workerAlive{false};
    h.wnd->Workers().Start(5, [&workerAlive](platform::Event& stop) {
        workerAlive = true;
        stop.Wait(platform::Event::kInfinite);
        workerAlive = false;
    });
    ASSERT_TRUE(WaitUntil([&] { return workerAlive.load(); }));

    ASSERT_TRUE(h.Driver().Click("closebtn"));
    EXPECT_EQ(h.Count("OnCloseButton"), 1);
    EXPECT_FALSE(h.wnd->IsWindowVisible());
    EXPECT_TRUE(h.wnd->Tray().IsCreated());
    EXPECT_TRUE(h.wnd->Workers().Running(5));
    EXPECT_TRUE(workerAlive);

    // A second start arrives as the broadcast message.
    DuiLib::SendMessage(h.hwnd, app::Messages().broadcast, 0, 1);
    EXPECT_TRUE(h.wnd->IsWindowVisible());
    EXPECT_FALSE(h.wnd->IsMinimized());

    // The tray icon's left click toggles the window.
    h.wnd->Tray().Trigger(DuiLib::WM_LBUTTONUP);
    EXPECT_TRUE(WaitUntil([&] { return !h.wnd->IsWindowVisible(); }));
    h.wnd->Tray().Trigger(DuiLib::WM_LBUTTONUP);
    EXPECT_TRUE(h.WaitShown());
}

TEST(MainWndTest, WithoutATrayCloseMinimisesAndTheMenuButtonOffersExit) {
    Watchdog watchdog(20s, "no tray");
    MainWndHarness h(CMainWnd::TrayMode::kUnavailable);
    ASSERT_TRUE(h.WaitShown());
    EXPECT_FALSE(h.wnd->HasTray());
    ASSERT_TRUE(h.Find("menubtn")->IsVisible());

    ASSERT_TRUE(h.Driver().Click("closebtn"));
    EXPECT_TRUE(WaitUntil([&] { return h.wnd->IsMinimized(); }));
    DuiLib::SendMessage(h.hwnd, app::Messages().broadcast, 0, 1);
    EXPECT_TRUE(h.WaitShown());

    // The menu button opens the tray menu.
    ASSERT_TRUE(h.Driver().Click("menubtn"));
    EXPECT_EQ(h.Count("OnMenuButton"), 1);
    QWidget* menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == "MenuWnd" && widget->isVisible()) {
                menu = widget;
            }
        }
        return menu != nullptr;
    }));
    // Once the menu is laid out, its "exit" ends the program: the last item,
    // below an inset of 4, two items of 34 and a line.
    DuiLib::CUiTestDriver::ProcessEvents(100);
    QPointF exitItem(90, 4 + 34 + 34 + 1 + 17);
    for (QEvent::Type type :
         {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, exitItem, menu->mapToGlobal(exitItem),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(menu, &event);
    }
    EXPECT_TRUE(WaitUntil([&] { return !DuiLib::IsWindow(h.hwnd); }, 10000));
    EXPECT_EQ(h.Count("menu:exit"), 1);
    EXPECT_TRUE(h.wnd->Workers().IsShutDown());
}

TEST(MainWndTest, MonitorSizeChoosesTheDpi) {
    struct Case {
        int width;
        int height;
        int dpi;
    };
    const Case cases[] = {{1920, 1080, 144}, {1366, 768, 96}, {1501, 961, 144},
                          {1500, 1080, 96},  {1920, 960, 96}, {0, 0, 96}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        EXPECT_EQ(CMainWnd::ChooseDpiForMonitor(c.width, c.height), c.dpi);
    }
    platform::ScopedTraceCapture trace;
    EXPECT_EQ(CMainWnd::CheckedDpi(100, "MAIN_WND DPI SET ERROR"), 96);
    EXPECT_TRUE(trace.Contains("MAIN_WND DPI SET ERROR"));
}

TEST(MainWndTest, WindowIsLaidOutForItsMonitor) {
    Watchdog watchdog(20s, "monitor fit");
    MainWndHarness h;
    ASSERT_TRUE(h.WaitShown());
    for (auto [width, height, dpi] : {std::tuple{1920, 1080, 144}, std::tuple{1366, 768, 96}}) {
        SCOPED_TRACE(width);
        h.wnd->SetMonitorProvider([w = width, hh = height] { return DuiLib::UiRect{0, 0, w, hh}; });
        DuiLib::SendMessage(h.hwnd, app::WM_DISPLAYCHANGE, 32, 0);
        EXPECT_EQ(h.wnd->ChosenDpi(), dpi);
        EXPECT_EQ(h.wnd->GetPaintManager().GetDPI(), dpi);
        DuiLib::UiRect rect = h.wnd->GetWindowRect();
        EXPECT_EQ(rect.Width(), 1000 * dpi / 96);
        EXPECT_EQ(rect.Height(), 640 * dpi / 96);
        EXPECT_TRUE(h.wnd->IsWindowVisible());
    }
    DuiLib::CPaintManagerUI::SetAllDPI(96);
}

TEST(MainWndTest, HookGameAndInternalMessagesWaitForTheResume) {
    Watchdog watchdog(20s, "suspend");
    MainWndHarness h;
    ASSERT_TRUE(h.WaitShown());
    const app::RegisteredMessages& m = app::Messages();
    auto sendAll = [&] {
        DuiLib::SendMessage(h.hwnd, m.hookKeySingleKey, 0x100, 0);
        DuiLib::SendMessage(h.hwnd, m.hookKeyKbMacro, 0x100, 0);
        DuiLib::SendMessage(h.hwnd, m.gameStart, 0, 6);
        DuiLib::SendMessage(h.hwnd, app::kMsgDeviceFound, 0, 0);
        DuiLib::SendMessage(h.hwnd, app::kMsgTray, 107, DuiLib::WM_LBUTTONUP);
    };

    DuiLib::SendMessage(h.hwnd, app::WM_POWERBROADCAST, app::PBT_APMSUSPEND, 0);
    EXPECT_FALSE(h.wnd->PowerOn());
    h.reached.clear();
    sendAll();
    EXPECT_TRUE(h.reached.empty()) << h.reached.front();
    EXPECT_TRUE(h.wnd->IsWindowVisible()) << "the tray click during the suspend was obeyed";

    DuiLib::SendMessage(h.hwnd, app::WM_POWERBROADCAST, app::PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_TRUE(h.wnd->PowerOn());
    sendAll();
    EXPECT_EQ(h.reached,
              (std::vector<std::string>{"OnHookKeyCapture", "OnHookMacroRecord", "OnGameEvent",
                                        "OnDeviceFound", "OnTrayLeftClick"}));
}

TEST(MainWndTest, OutOfRangeAndUnknownMessagesAreIgnored) {
    Watchdog watchdog(20s, "bad input");
    MainWndHarness h;
    ASSERT_TRUE(h.WaitShown());
    const app::RegisteredMessages& m = app::Messages();
    h.reached.clear();
    h.broadcasts.clear();
    for (DuiLib::WPARAM index : {DuiLib::WPARAM{11}, DuiLib::WPARAM{1000}, ~DuiLib::WPARAM{0}}) {
        DuiLib::SendMessage(h.hwnd, app::kMsgDeviceFound, index, 0);
        DuiLib::SendMessage(h.hwnd, app::kMsgDeviceLost, index, 0);
    }
    DuiLib::SendMessage(h.hwnd, app::kMsgDeviceLost, 10, 0);
    EXPECT_EQ(h.reached, (std::vector<std::string>{"OnDeviceLost"}));

    // The companion's lighting request counts only with wParam 1 and lParam 0 or 1.
    DuiLib::SendMessage(h.hwnd, m.lightControlRequest, 2, 0);
    DuiLib::SendMessage(h.hwnd, m.lightControlRequest, 1, 7);
    EXPECT_EQ(h.wnd->LightControl(), 1);
    DuiLib::SendMessage(h.hwnd, m.lightControlRequest, 1, 0);
    EXPECT_EQ(h.wnd->LightControl(), 0);
    EXPECT_EQ(h.Find("control_light_status")->GetText(), "不控制灯光");
    EXPECT_TRUE(h.broadcasts.empty()) << "a companion's request is not announced back";

    // A registered name the window has no use for, a hook-control value other
    // than 0 or 1 and a menu message without its record change nothing.
    uint32_t other = platform::RegisterMessage("Some_Other_Program_Message");
    EXPECT_EQ(DuiLib::SendMessage(h.hwnd, other, 5, 5), 0);
    DuiLib::SendMessage(h.hwnd, app::kMsgHookControl, 7, 0);
    DuiLib::SendMessage(h.hwnd, app::kMsgMenuCommand, 0, 0);
    EXPECT_TRUE(h.wnd->IsWindowVisible());
}

TEST(MainWndTest, LightingControlSwitchAnnouncesEachChange) {
    Watchdog watchdog(20s, "lighting control");
    MainWndHarness h;
    ASSERT_TRUE(h.WaitShown());
    h.broadcasts.clear();
    ASSERT_TRUE(h.Driver().Click("control_light_status"));
    EXPECT_EQ(h.wnd->LightControl(), 0);
    EXPECT_EQ(h.Find("control_light_status")->GetText(), "不控制灯光");
    ASSERT_TRUE(h.Driver().Click("control_light_status"));
    EXPECT_EQ(h.wnd->LightControl(), 1);
    EXPECT_EQ(h.Find("control_light_status")->GetText(), "控制灯光");
    ASSERT_EQ(h.broadcasts.size(), 2u);
    EXPECT_EQ(h.broadcasts[0].name, app::kLightControlAnnounceGuid);
    EXPECT_EQ(h.broadcasts[0].lParam, 0);
    EXPECT_EQ(h.broadcasts[1].lParam, 1);
}

TEST(MainWndTest, ProductionToolQueryListsTheDeviceKinds) {
    Watchdog watchdog(20s, "work tool");
    MainWndHarness h;
    ASSERT_TRUE(h.WaitShown());
    h.broadcasts.clear();
    DuiLib::SendMessage(h.hwnd, app::Messages().workToolQuery, 0, 0);
    ASSERT_EQ(h.broadcasts.size(), 1u);
    const apptest::Broadcast& answer = h.broadcasts[0];
    EXPECT_EQ(answer.name, "WorkTool");
    EXPECT_EQ(answer.lParam, 5);
    ASSERT_EQ(answer.data.size(), 1024u);
    auto at = [&](std::size_t i) {
        return static_cast<uint32_t>(answer.data[i * 4]) | answer.data[i * 4 + 1] << 8 |
               answer.data[i * 4 + 2] << 16 | static_cast<uint32_t>(answer.data[i * 4 + 3]) << 24;
    };
    // 2, 3, 0, 2; four kinds; then vendor, product and kind of mouse,
    // keyboard, mouse pad and headset.
    const uint32_t expected[] = {2,      3, 0,      2, 4, 0x320F, 0, 2, 0x320F,
                                 0x5055, 1, 0x320F, 0, 3, 0x0C76, 0, 7};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(at(i), expected[i]) << "integer " << i;
    }
    for (std::size_t i = std::size(expected); i < 256; ++i) {
        ASSERT_EQ(at(i), 0u) << "integer " << i;
    }
}

TEST(MainWndTest, ExitStopsEveryWorkerWithinItsTimeOutAndRemovesTheTray) {
    Watchdog watchdog(30s, "shutdown");
    MainWndHarness h;
    ASSERT_TRUE(h.WaitShown());
    DuiLib::HWND hwnd = h.hwnd;
    std::atomic<int> sends{0};
    // Workers that keep sending to the window must not hold up its end.
    for (int slot : {2, 3, 19}) {
        h.wnd->Workers().Start(slot, [hwnd, &sends](platform::Event& stop) {
            while (stop.Wait(1) == platform::WaitResult::kTimeout) {
                DuiLib::SendMessage(hwnd, app::kMsgIgnored3330, 0, 0, &stop);
                ++sends;
            }
        });
    }
    // One worker overstays its time-out; the shutdown says so and still
    // waits for it.
    std::atomic<bool> lateDone{false};
    h.wnd->Workers().Start(4, [&lateDone](platform::Event& stop) {
        stop.Wait(platform::Event::kInfinite);
        std::this_thread::sleep_for(1200ms);
        lateDone = true;
    });
    ASSERT_TRUE(WaitUntil([&] { return sends > 10; }));

    platform::ScopedTraceCapture trace;
    auto* exit = new DuiLib::MenuCmd{"exit", "", ""};
    ASSERT_TRUE(
        DuiLib::PostMessage(hwnd, app::kMsgMenuCommand, reinterpret_cast<DuiLib::WPARAM>(exit)));
    ASSERT_TRUE(WaitUntil([&] { return !DuiLib::IsWindow(hwnd); }, 10000));
    EXPECT_TRUE(h.wnd->Workers().IsShutDown());
    EXPECT_EQ(h.wnd->Workers().RunningCount(), 0);
    EXPECT_TRUE(lateDone);
    EXPECT_FALSE(h.wnd->Tray().IsCreated());
    EXPECT_TRUE(trace.Contains("退出测试"));
    EXPECT_TRUE(trace.Contains("所有对象处于激发状态"));
    EXPECT_TRUE(trace.Contains("所有对象处于非激发状态，超时"));
}

}  // namespace

namespace {

int VisibleAboutWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->objectName() == "AboutWnd" && widget->isVisible() ? 1 : 0;
    }
    return count;
}

TEST(MainWndTest, TrayMenuOpensOneAboutWindowAtATime) {
    Watchdog watchdog(20s, "about from the tray menu");
    MainWndHarness h;
    ASSERT_TRUE(h.WaitShown());
    DuiLib::HWND hwnd = h.hwnd;
    auto choose = [hwnd](const char* item) {
        DuiLib::PostMessage(hwnd, app::kMsgMenuCommand,
                            reinterpret_cast<DuiLib::WPARAM>(new DuiLib::MenuCmd{item, "", ""}));
    };
    int openWhileShown = -1;
    int openAfterSecondChoice = -1;
    QTimer::singleShot(50, [&] {
        openWhileShown = VisibleAboutWindows();
        choose("about_menu");
        QTimer::singleShot(50, [&] {
            openAfterSecondChoice = VisibleAboutWindows();
            choose("exit");
        });
    });
    choose("about_menu");
    ASSERT_TRUE(WaitUntil([&] { return !DuiLib::IsWindow(hwnd); }, 10000));
    EXPECT_EQ(openWhileShown, 1);
    EXPECT_EQ(openAfterSecondChoice, 1);
    EXPECT_EQ(h.Count("menu:about_menu"), 2);
    EXPECT_FALSE(h.wnd->IsAboutOpen());
    EXPECT_EQ(VisibleAboutWindows(), 0);
}

}  // namespace

namespace {

TEST(MainWndTest, TrayIconCarriesTheMenuItemsAndItsExitEndsTheProgram) {
    Watchdog watchdog(20s, "tray menu");
    MainWndHarness h;
    ASSERT_TRUE(h.WaitShown());
    std::vector<std::pair<std::string, std::string>> items;
    for (const auto& item : h.wnd->Tray().GetMenuItems()) {
        items.emplace_back(item.name, item.text);
    }
    // The window starts in Chinese.
    EXPECT_EQ(items, (std::vector<std::pair<std::string, std::string>>{
                         {"setwnd_menu", "设置"}, {"about_menu", "关于"}, {"exit", "退出"}}));
    // A language change renames the items.
    ASSERT_TRUE(DuiLib::CResourceManager::GetInstance().LoadLanguage("lan_en.xml"));
    DuiLib::SendMessage(h.hwnd, app::kMsgLanguageChanged);
    ASSERT_EQ(h.wnd->Tray().GetMenuItems().size(), 3u);
    EXPECT_EQ(h.wnd->Tray().GetMenuItems()[2].text, "Exit");

    EXPECT_FALSE(h.wnd->Tray().ChooseMenuItem("nothing"));
    ASSERT_TRUE(h.wnd->Tray().ChooseMenuItem("exit"));
    EXPECT_TRUE(WaitUntil([&] { return !DuiLib::IsWindow(h.hwnd); }, 10000));
    EXPECT_EQ(h.Count("menu:exit"), 1);
    EXPECT_TRUE(h.wnd->Workers().IsShutDown());
}

}  // namespace
