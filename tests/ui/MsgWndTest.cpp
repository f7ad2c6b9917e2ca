// The message box and the about window on the shipped skin, offscreen: the
// message box answers 1 only for confirm, shows the buttons of its mode and
// keeps the layout's title when given none; the about window shows the
// version after the translated label text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "platform/Trace.h"
#include "support/Watchdog.h"
#include "ui/AboutWnd.h"
#include "ui/MsgWnd.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/ResourceManager.h"
#include "uilib/UiTestDriver.h"

namespace {

using namespace std::chrono_literals;
using testing_support::Watchdog;

class SkinWindows : public ::testing::Test {
protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr) {
            new QApplication(argc, argv);
        }
        DuiLib::CPaintManagerUI::SetResourcePath(
            (std::filesystem::path(ZENTOR_SOURCE_DIR) / "skin").string() + "/");
        auto& resources = DuiLib::CResourceManager::GetInstance();
        ASSERT_TRUE(resources.LoadResource("res.xml"));
        ASSERT_TRUE(resources.LoadLanguage("lan_en.xml"));
    }
    void TearDown() override {
        ui::CMsgWnd::SetShowObserver({});
        DuiLib::CPaintManagerUI::SetAllDPI(96);
    }

    // Shows a message box and lets answer act on it once its modal loop runs.
    int Ask(const std::string& title, const std::string& text, int dpi, int mode,
            std::function<void(ui::CMsgWnd&)> answer) {
        ui::CMsgWnd::SetShowObserver([answer](ui::CMsgWnd& box) {
            QTimer::singleShot(10, [&box, answer] { answer(box); });
        });
        return ui::ShowMessage({}, title, text, dpi, true, mode);
    }
};

TEST_F(SkinWindows, MessageBoxReturnsOneOnlyForConfirm) {
    Watchdog watchdog(20s, "message box");
    struct Case {
        const char* button;
        int result;
    };
    for (const Case& c : {Case{"confirm_btn", 1}, Case{"cancel_btn", 0}, Case{"closebtn", 0}}) {
        SCOPED_TRACE(c.button);
        bool clicked = false;
        int result =
            Ask("Delete", "Delete the profile?", 96, ui::kMsgConfirmCancel, [&](ui::CMsgWnd& box) {
                DuiLib::CUiTestDriver driver(box.GetPaintManager());
                clicked = driver.Click(c.button);
            });
        EXPECT_TRUE(clicked);
        EXPECT_EQ(result, c.result);
    }
    // Closed by the system (the window manager's close) is not a confirm.
    int result = Ask("", "", 96, ui::kMsgConfirmCancel, [](ui::CMsgWnd& box) {
        box.SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_CLOSE);
    });
    EXPECT_EQ(result, 0);
}

TEST_F(SkinWindows, MessageBoxShowsTheButtonsOfItsModeAndItsTexts) {
    Watchdog watchdog(20s, "message box mode");
    struct Case {
        int mode;
        bool cancelShown;
    };
    for (const Case& c :
         {Case{ui::kMsgConfirmOnly, false}, Case{ui::kMsgConfirmCancel, true}, Case{7, true}}) {
        SCOPED_TRACE(c.mode);
        bool confirmShown = false;
        bool cancelShown = !c.cancelShown;
        std::string title;
        std::string text;
        int result = Ask("", "btn_ok", 96, c.mode, [&](ui::CMsgWnd& box) {
            auto& pm = box.GetPaintManager();
            confirmShown = pm.FindControl("confirm_btn")->IsVisible();
            cancelShown = pm.FindControl("cancel_btn")->IsVisible();
            title = pm.FindControl("MessageTitle")->GetText();
            text = pm.FindControl("MessageText")->GetText();
            DuiLib::CUiTestDriver(pm).Click("closebtn");
        });
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(confirmShown);
        EXPECT_EQ(cancelShown, c.cancelShown);
        EXPECT_EQ(title, "Notice") << "an empty title keeps the layout's";
        EXPECT_EQ(text, "OK") << "the text is a language key";
    }
}

TEST_F(SkinWindows, MessageBoxRefusesAnUnknownDpi) {
    Watchdog watchdog(20s, "message box dpi");
    for (auto [asked, used] : {std::pair{144, 144}, std::pair{100, 96}}) {
        SCOPED_TRACE(asked);
        platform::ScopedTraceCapture trace;
        int dpi = 0;
        Ask("Title", "Text", asked, ui::kMsgConfirmOnly, [&](ui::CMsgWnd& box) {
            dpi = box.GetPaintManager().GetDPI();
            DuiLib::CUiTestDriver(box.GetPaintManager()).Click("confirm_btn");
        });
        EXPECT_EQ(dpi, used);
        EXPECT_EQ(trace.Contains("MSG_WND DPI SET ERROR"), asked != used);
    }
}

TEST_F(SkinWindows, AboutWindowShowsTheVersionAfterTheTranslatedLabel) {
    Watchdog watchdog(20s, "about window");
    {
        ui::CAboutWnd about("V1000");
        ASSERT_TRUE(
            about.Create({}, "  ", DuiLib::WS_POPUP, DuiLib::WS_EX_TOOLWINDOW, 0, 0, 800, 572));
        EXPECT_EQ(about.VersionLabelText(), "Software version: V1000");
        // A language change repaints an open window but keeps its label.
        ASSERT_TRUE(DuiLib::CResourceManager::GetInstance().LoadLanguage("lan_cn.xml"));
        about.SendMessage(3089);
        EXPECT_EQ(about.VersionLabelText(), "Software version: V1000");
    }
    ui::CAboutWnd reopened("V1000");
    ASSERT_TRUE(
        reopened.Create({}, "  ", DuiLib::WS_POPUP, DuiLib::WS_EX_TOOLWINDOW, 0, 0, 800, 572));
    EXPECT_EQ(reopened.VersionLabelText(), "软件版本：V1000");
}

TEST_F(SkinWindows, AboutWindowButtonsFollowTheMaximisedState) {
    Watchdog watchdog(20s, "about buttons");
    ui::CAboutWnd about("V1000");
    ASSERT_TRUE(about.Create({}, "  ", DuiLib::WS_POPUP, DuiLib::WS_EX_TOOLWINDOW, 0, 0, 800, 572));
    auto& pm = about.GetPaintManager();
    about.SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_MAXIMIZE);
    EXPECT_FALSE(pm.FindControl("maxbtn")->IsOwnVisible());
    EXPECT_TRUE(pm.FindControl("restorebtn")->IsOwnVisible());
    about.SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_RESTORE);
    EXPECT_TRUE(pm.FindControl("maxbtn")->IsOwnVisible());
    EXPECT_FALSE(pm.FindControl("restorebtn")->IsOwnVisible());

    bool closed = false;
    QTimer::singleShot(10, [&] { closed = DuiLib::CUiTestDriver(pm).Click("closebtn"); });
    about.ShowModal();
    EXPECT_TRUE(closed);
}

}  // namespace
