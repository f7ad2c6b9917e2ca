// The main window with simulated devices: plugging and unplugging them while
// the window runs shows and hides their selector entries and pages, moves a
// device between its receiver and its cable, and drives the strip's arrows.
#include <gtest/gtest.h>

#include <sstream>

#include "MainWndTestSupport.h"
#include "app/SimulatedDevices.h"
#include "firmware/SimControl.h"
#include "pages/VexmoorUSBDevice.h"
#include "support/Watchdog.h"
#include "ui/DeviceOptionUI.h"
#include "uilib/TabLayoutUI.h"

namespace {

using namespace std::chrono_literals;
using apptest::MainWndHarness;
using apptest::WaitUntil;
using testing_support::Watchdog;

// Strip positions: the mouse and keyboard pages are made first, in this order.
constexpr int kMouse = 0;
constexpr int kKeyboard = 1;

class HotPlugWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        h.reset();
        devices.reset();
    }

    void Start(const std::string& kinds) {
        devices = std::make_unique<app::SimulatedDevices>();
        ASSERT_TRUE(devices->Install(kinds));
        h = std::make_unique<MainWndHarness>();
        ASSERT_TRUE(h->WaitShown());
    }
    void Sim(const std::string& line) {
        std::vector<std::string> words;
        std::istringstream in(line);
        for (std::string word; in >> word;) {
            words.push_back(word);
        }
        sim::SimControlCommand command;
        std::string error;
        ASSERT_TRUE(sim::ParseSimControl(words, command, error)) << error;
        ASSERT_TRUE(devices->Apply(command)) << line;
    }
    ui::CDeviceOptionUI* Option(int i) { return h->wnd->Option(i); }
    bool Shown(int i) { return Option(i) != nullptr && Option(i)->IsShown(); }
    bool Selected(int i) { return Shown(i) && Option(i)->IsSelected(); }
    pages::CVexmoorUSBDevice* Page(int i) { return Option(i)->GetPage(); }
    bool Waits(const std::function<bool()>& done) { return WaitUntil(done, 4000); }
    int PageTab() {
        return h->wnd->GetPaintManager()
            .FindControl<DuiLib::CTabLayoutUI>("device_switch")
            ->GetCurSel();
    }
    bool NoDeviceNotice() { return h->Find("No_device_Link")->IsOwnVisible(); }

    std::unique_ptr<app::SimulatedDevices> devices;
    std::unique_ptr<MainWndHarness> h;
};

TEST_F(HotPlugWindowTest, PluggedDevicesShowTheirEntriesAndLostOnesHandTheSelectionOn) {
    Watchdog watchdog(40s, "plug and unplug");
    Start("keyboard");
    ASSERT_TRUE(Waits([&] { return Selected(kKeyboard); }));
    EXPECT_FALSE(Shown(kMouse));
    EXPECT_FALSE(NoDeviceNotice());
    EXPECT_TRUE(Page(kKeyboard)->Link().IsOpen());
    EXPECT_EQ(PageTab(), Option(kKeyboard)->GetTabIndex());
    EXPECT_EQ(h->wnd->SelectedPage(), Page(kKeyboard));

    // A second device shows up without taking the selection.
    Sim("plug mouse cable");
    ASSERT_TRUE(Waits([&] { return Shown(kMouse); }));
    EXPECT_FALSE(Option(kMouse)->IsSelected());
    EXPECT_TRUE(Selected(kKeyboard));
    EXPECT_NE(Option(kMouse)->GetTabIndex(), Option(kKeyboard)->GetTabIndex());

    // Losing the chosen device chooses the one left, and its page.
    Sim("unplug keyboard");
    ASSERT_TRUE(Waits([&] { return !Shown(kKeyboard); }));
    EXPECT_FALSE(Page(kKeyboard)->Link().IsOpen());
    EXPECT_TRUE(Selected(kMouse));
    EXPECT_EQ(PageTab(), Option(kMouse)->GetTabIndex());
    EXPECT_EQ(h->wnd->SelectedPage(), Page(kMouse));
    EXPECT_FALSE(NoDeviceNotice());

    // Nothing left: the notice, and no page chosen.
    Sim("unplug mouse");
    ASSERT_TRUE(Waits([&] { return !Shown(kMouse); }));
    EXPECT_TRUE(NoDeviceNotice());
    EXPECT_EQ(h->wnd->SelectedPage(), nullptr);
    EXPECT_EQ(PageTab(), 0);

    // The same device again uses the page it had.
    pages::CVexmoorUSBDevice* keyboardPage = Page(kKeyboard);
    Sim("plug keyboard cable");
    ASSERT_TRUE(Waits([&] { return Selected(kKeyboard); }));
    EXPECT_EQ(Page(kKeyboard), keyboardPage);
    EXPECT_EQ(Option(2), nullptr) << "no second keyboard entry";
    EXPECT_FALSE(NoDeviceNotice());
}

TEST_F(HotPlugWindowTest, AKeyboardMovesFromItsReceiverToItsCableAndBack) {
    Watchdog watchdog(40s, "receiver and cable");
    Start("keyboard:receiver");
    // Behind the receiver the entry shows itself once the device answers.
    ASSERT_TRUE(Waits([&] { return Selected(kKeyboard); }));
    device::DeviceLink& link = Page(kKeyboard)->Link();
    EXPECT_TRUE(link.IsOpen());
    EXPECT_TRUE(link.IsWireless());

    Sim("plug keyboard cable");
    ASSERT_TRUE(Waits([&] { return !link.IsWireless(); }));
    EXPECT_TRUE(link.IsOpen());
    EXPECT_TRUE(Selected(kKeyboard));

    // The cable goes, the receiver is still there: back to the receiver.
    Sim("use keyboard receiver");
    ASSERT_TRUE(Waits([&] { return link.IsWireless(); }));
    EXPECT_TRUE(link.IsOpen());
    EXPECT_TRUE(Shown(kKeyboard));
    EXPECT_FALSE(NoDeviceNotice());

    // While the cable serves the device, the receiver leaving and coming
    // back changes nothing.
    Sim("plug keyboard cable");
    ASSERT_TRUE(Waits([&] { return !link.IsWireless(); }));
    const int found = h->Count("OnDeviceFound");
    const int lost = h->Count("OnDeviceLost");
    Sim("use keyboard cable");
    ASSERT_TRUE(Waits([&] { return h->Count("OnDeviceLost") >= lost + 2; }));
    Sim("plug keyboard receiver");
    ASSERT_TRUE(Waits([&] { return h->Count("OnDeviceFound") >= found + 2; }));
    EXPECT_TRUE(link.IsOpen());
    EXPECT_FALSE(link.IsWireless());
    EXPECT_TRUE(Selected(kKeyboard));
}

TEST_F(HotPlugWindowTest, TheArrowsStepThroughShownEntriesWithoutWrapping) {
    Watchdog watchdog(40s, "arrows");
    Start("keyboard,mouse");
    ASSERT_TRUE(Waits([&] { return Shown(kKeyboard) && Shown(kMouse); }));
    const int first = Selected(kMouse) ? kMouse : kKeyboard;
    const int second = first == kMouse ? kKeyboard : kMouse;
    ASSERT_TRUE(Selected(first));
    // Next from the first shown entry goes to the other one; next on the
    // last one and previous on the first one change nothing.
    if (first == kMouse) {
        ASSERT_TRUE(h->Driver().Click("device_select_next"));
    } else {
        ASSERT_TRUE(h->Driver().Click("device_select_prev"));
    }
    EXPECT_TRUE(Selected(second));
    EXPECT_EQ(PageTab(), Option(second)->GetTabIndex());
    ASSERT_TRUE(h->Driver().Click(first == kMouse ? "device_select_next" : "device_select_prev"));
    EXPECT_TRUE(Selected(second));
    ASSERT_TRUE(h->Driver().Click(first == kMouse ? "device_select_prev" : "device_select_next"));
    EXPECT_TRUE(Selected(first));
    ASSERT_TRUE(h->Driver().Click(first == kMouse ? "device_select_prev" : "device_select_next"));
    EXPECT_TRUE(Selected(first));
    EXPECT_FALSE(Option(second)->IsSelected());
}

TEST_F(HotPlugWindowTest, PagesHearWhetherTheWindowIsActiveOrUnderTheMouse) {
    Watchdog watchdog(std::chrono::seconds(30), "window flags");
    Start("keyboard,mouse");
    ASSERT_TRUE(Waits([&] { return Shown(kKeyboard) && Shown(kMouse); }));
    struct Step {
        DuiLib::UINT msg;
        DuiLib::WPARAM wParam;
        int expected;
    } steps[] = {
        {DuiLib::WM_ACTIVATE, 0, 0},    // deactivated: neither active nor under the mouse
        {DuiLib::WM_MOUSEHOVER, 0, 1},  // the mouse comes over the inactive window
        {DuiLib::WM_MOUSELEAVE, 0, 0},  // and leaves it again
        {DuiLib::WM_ACTIVATE, 1, 1},    // activated
        {DuiLib::WM_MOUSELEAVE, 0, 1},  // still active without the mouse
    };
    for (const Step& step : steps) {
        DuiLib::SendMessage(h->wnd->GetHWND(), step.msg, step.wParam, 0);
        for (int i : {kMouse, kKeyboard}) {
            EXPECT_EQ(Page(i)->GetWindowActive(), step.expected)
                << "message 0x" << std::hex << step.msg << " wParam " << step.wParam << " page "
                << i;
        }
    }
}

}  // namespace
