// The list items, the hosted-window control and the registration of the
// custom controls.
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "ui/CloudShareListItemUI.h"
#include "ui/ComboEditContainerElementUI.h"
#include "ui/WndUI.h"
#include "uilib/ControlFactory.h"

namespace {

using namespace DuiLib;

TEST(ComboEditElementControlTest, ReportsClickEnterTimerAndMenu) {
    controltest::Window window(R"(<HorizontalLayout>
        <ComboEditContainerElement name="item" width="100" height="30" menu="true"/></HorizontalLayout>)",
                               100, 30);
    for (const std::string& report : window.reports) {
        ADD_FAILURE() << report;
    }
    auto* item = window.pm.FindControl<CComboEditContainerElementUI>("item");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetInterface("ComboEditContainerElement"), item);
    EXPECT_TRUE(item->SetAttribute("hotimage", "file='anything.png'")) << "taken and ignored";

    window.pm.OnButtonDown({10, 10}, 0);
    window.pm.OnButtonUp({10, 10}, 0);
    EXPECT_TRUE(item->IsSelected());
    TEventUI key;
    key.Type = UIEVENT_KEYDOWN;
    key.chKey = kVkReturn;
    item->Event(key);
    TEventUI timer;
    timer.Type = UIEVENT_TIMER;
    timer.wParam = 7;
    item->Event(timer);
    TEventUI menu;
    menu.Type = UIEVENT_CONTEXTMENU;
    item->Event(menu);
    EXPECT_EQ(window.recorder.events,
              (std::vector<std::string>{"itemclick:item", "itemactivate:item", "return:item",
                                        "timer:item", "menu:item"}));

    window.recorder.events.clear();
    item->SetEnabled(false);
    item->Event(key);
    window.pm.OnButtonUp({10, 10}, 0);
    EXPECT_TRUE(window.recorder.events.empty());
}

TEST(CloudShareItemControlTest, ActivatesOnceAndAsksForMenuOnlyWhenEnabled) {
    controltest::EnsureApp();
    CPaintManagerUI pm;
    controltest::Recorder recorder;
    pm.AddNotifier(&recorder);
    auto* item = new CCloudShareListItemUI();
    item->SetName("share");
    pm.AttachDialog(item);
    EXPECT_TRUE(item->Activate());
    TEventUI menu;
    menu.Type = UIEVENT_CONTEXTMENU;
    item->Event(menu);
    item->SetContextMenuUsed(true);
    item->Event(menu);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"itemactivate:share", "menu:share"}));
    pm.RemoveNotifier(&recorder);
}

class FakeWindow : public IHostedWindow {
public:
    bool IsAlive() const override { return alive; }
    bool IsChildOfPaintWindow() const override { return child; }
    UiPoint PaintWindowScreenOrigin() const override { return {100, 200}; }
    void MoveTo(const UiRect& rc) override { moved = rc; }
    void Show(bool show) override { shown = show; }
    bool alive = true;
    bool child = false;
    UiRect moved;
    bool shown = false;
};

TEST(WndControlTest, HostedWindowFollowsPositionAndVisibility) {
    controltest::EnsureApp();
    CPaintManagerUI pm;
    auto* wnd = new CWndUI();
    pm.AttachDialog(wnd);
    FakeWindow hosted;
    wnd->Attach(&hosted);
    wnd->SetPos({10, 20, 60, 80});
    EXPECT_EQ(hosted.moved, (UiRect{110, 220, 160, 280})) << "a pop-up moves in screen terms";
    EXPECT_TRUE(hosted.shown);
    hosted.child = true;
    wnd->SetVisible(false);
    EXPECT_EQ(hosted.moved, (UiRect{10, 20, 60, 80}));
    EXPECT_FALSE(hosted.shown);
    hosted.alive = false;
    wnd->SetVisible(true);
    EXPECT_FALSE(hosted.shown) << "a window that is gone is left alone";
}

TEST(CustomControlRegistrationTest, FactoryNamesAndLayoutTagsGiveTheirClasses) {
    controltest::EnsureApp();
    ui::RegisterCustomControls();
    const std::pair<const char*, const char*> factory[] = {
        {"CCircleProgressUI", "CircleProgress"},
        {"CChartViewUI", "Control"},
        {"CWndUI", "Wnd"},
        {"CSelectPanelUI", "SelectPanel"},
        {"CDeviceKeyButtonUI", "DeviceKeyButton"},
        {"CCloudShareListItemUI", "CloudShareListItemUI"},
        {"CComboEditContainerElementUI", "ComboEditContainerElement"},
        {"CHandImgButtonUI", "HandImgButton"},
        {"CHandImgSelectButtonUI", "HandImgSelectButton"},
        {"CRedioMacroButtonUI", "RedioMacroButton"},
        {"CAudioRecordUI", "AudioRecord"},
        {"CVexmoorUSBDevice", "VexmoorUSBDevice"},
        {"CVexmoorMousePadDevice", "VexmoorMousePadDevice"},
        {"CVexmoorVO6533Device", "VexmoorVO6533Device"},
    };
    for (const auto& [name, className] : factory) {
        std::unique_ptr<CControlUI> control(CControlFactory::GetInstance().CreateControl(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->GetClass(), className) << name;
    }
    const std::pair<const char*, const char*> tags[] = {
        {"devicekeybutton", "DeviceKeyButton"},
        {"VexmoorKeyboardDevice", "VexmoorKeyboardDevice"},
        {"VexmoorMouseDevice", "VexmoorUSBDevice"},
        {"ComboEditContainerElement", "ComboEditContainerElement"},
    };
    for (const auto& [tag, className] : tags) {
        std::unique_ptr<CControlUI> control(ui::CreateCustomControl(tag));
        ASSERT_NE(control, nullptr) << tag;
        EXPECT_EQ(control->GetClass(), className) << tag;
    }
    EXPECT_EQ(ui::CreateCustomControl("ChartView"), nullptr) << "no layout tag";
    CControlFactory::GetInstance().Clear();
}

}  // namespace
