// The selector entry and the power status control on their own: pictures by
// device kind, the status block, and the entry's timers driving a page.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "MainWndTestSupport.h"
#include "firmware/SimBackend.h"
#include "pages/VexmoorUSBDevice.h"
#include "platform/Trace.h"
#include "ui/CircleProgressUI.h"
#include "ui/DeviceOptionUI.h"
#include "ui/MpDevicePowerUI.h"
#include "uilib/DialogBuilder.h"
#include "uilib/OptionUI.h"
#include "uilib/WindowImplBase.h"

namespace {

class Callback : public DuiLib::IDialogBuilderCallback {
public:
    DuiLib::CControlUI* CreateControl(const std::string& name) override {
        if (name == "DeviceOption") {
            return new ui::CDeviceOptionUI();
        }
        if (name == "MpDevicePower") {
            return new ui::CMpDevicePowerUI();
        }
        if (name == "CircleProgress") {
            return new DuiLib::CCircleProgressUI();
        }
        return nullptr;
    }
};

// Builds one of the skin's layouts as the root of a paint manager.
template <class T>
T* Build(DuiLib::CPaintManagerUI& pm, const std::string& file) {
    apptest::LoadSkin();
    Callback callback;
    DuiLib::CDialogBuilder builder;
    auto* control = dynamic_cast<T*>(builder.Create(file, {}, &callback, &pm));
    if (control != nullptr) {
        pm.AttachDialog(control);
    }
    return control;
}

std::string Image(DuiLib::CControlUI* control) {
    return control->GetBkImage();
}

TEST(MpDevicePowerTest, TheStatusBlockShowsLevelChargingAndWirelessMark) {
    struct Case {
        const char* what;
        int kind;
        std::array<uint8_t, 6> block;
        const char* text;
        int ring;
        bool ringShown;
        bool wirelessMark;
        const char* picture;
    };
    const Case cases[] = {
        {"wireless mouse charging",
         2,
         {85, 1, 0, 1, 0, 0},
         "85%",
         15,
         false,
         true,
         "file='power/wuxian_powering.png'"},
        {"mouse on its cable charging",
         2,
         {85, 1, 0, 0, 0, 0},
         "85%",
         15,
         true,
         false,
         "file='power/powering.png'"},
        {"charged", 2, {100, 0, 0, 0, 0, 0}, "100%", 0, true, false, "file='power/powered.png'"},
        {"low", 2, {7, 2, 0, 1, 0, 0}, "7%", 93, true, true, "file='power/power.png'"},
    };
    for (const Case& c : cases) {
        DuiLib::CPaintManagerUI pm;
        auto* power = Build<ui::CMpDevicePowerUI>(pm, "XML/CustomControlXML/MpDevicePower.xml");
        ASSERT_NE(power, nullptr);
        power->SetKindAndRole(c.kind, 0);
        power->ShowStatus(c.block.data(), c.block.size());
        auto* ring = pm.FindControl<DuiLib::CCircleProgressUI>("device_Power_progress");
        EXPECT_EQ(pm.FindControl("device_power_value")->GetText(), c.text) << c.what;
        EXPECT_EQ(ring->GetValue(), c.ring) << c.what;
        EXPECT_EQ(ring->IsOwnVisible(), c.ringShown) << c.what;
        EXPECT_EQ(pm.FindControl("device_wuxian_logo")->IsOwnVisible(), c.wirelessMark) << c.what;
        EXPECT_EQ(Image(pm.FindControl("device_power_status")), c.picture) << c.what;
    }
}

TEST(MpDevicePowerTest, UnknownStatesAndPhonesAndMissingChildrenChangeNothingWrong) {
    DuiLib::CPaintManagerUI pm;
    auto* power = Build<ui::CMpDevicePowerUI>(pm, "XML/CustomControlXML/MpDevicePower.xml");
    ASSERT_NE(power, nullptr);
    power->SetKindAndRole(3, 0);
    const uint8_t iphone[] = {50, 1, 0, 0, 0, 1};
    power->ShowStatus(iphone, sizeof iphone);
    DuiLib::CControlUI* phone = pm.FindControl("device_phone_type");
    EXPECT_EQ(Image(phone), "file='power/Phone_type_iphone.png'");
    // Power state 9 keeps the state picture and ring; phone 7 is no phone.
    const uint8_t odd[] = {40, 9, 0, 0, 0, 7};
    power->ShowStatus(odd, sizeof odd);
    EXPECT_EQ(Image(pm.FindControl("device_power_status")), "file='power/powering.png'");
    EXPECT_EQ(Image(phone), "file='power/Phone_type_no_device.png'");
    EXPECT_EQ(phone->GetToolTip(),
              DuiLib::CResourceManager::GetInstance().Translate("Phone_type_no_device"));
    EXPECT_EQ(pm.FindControl("device_power_value")->GetText(), "40%");
    // A short block reads as zeros beyond its end, a long one is cut at 64.
    std::vector<uint8_t> longBlock(200, 0);
    longBlock[0] = 3;
    power->ShowStatus(longBlock.data(), longBlock.size());
    EXPECT_EQ(pm.FindControl("device_power_value")->GetText(), "3%");
    const uint8_t one[] = {60};
    power->ShowStatus(one, 1);
    EXPECT_EQ(Image(pm.FindControl("device_power_status")), "file='power/powered.png'");

    // Without every child the block is ignored.
    DuiLib::CControlUI* value = pm.FindControl("device_power_value");
    value->SetName("renamed");
    power->ShowStatus(iphone, sizeof iphone);
    EXPECT_EQ(value->GetText(), "60%");
}

TEST(DeviceOptionTest, TheKindChoosesPicturesAndTooltip) {
    struct Case {
        int kind;
        int role;
        const char* prefix;  // nullptr: the unknown-device pictures stay
        const char* tooltip;
    };
    const Case cases[] = {
        {1, 0, "kb", "kb_device_name_text"},
        {9, 0, "unknow", "unknow_device_name_text"},
        {2, 0xFF, "ms", "ms_device_name_text"},
        {3, 0, "hard_mp", "hard_mp_device_name_text"},
        {3, 1, "soft_mp", "soft_mp_device_name_text"},
        {3, 2, nullptr, ""},
        {7, 0, "hd", "hd_device_name_text"},
        {4, 0, "hd", "hd_device_name_text"},
        {5, 0, "hub", "hub_device_name_text"},
    };
    for (const Case& c : cases) {
        DuiLib::CPaintManagerUI pm;
        auto* option = Build<ui::CDeviceOptionUI>(pm, "XML/CustomControlXML/DeviceOption.xml");
        ASSERT_NE(option, nullptr);
        option->SetKind(c.kind, c.role);
        const std::string prefix =
            std::string("common/device_ico/") + (c.prefix != nullptr ? c.prefix : "unknow");
        EXPECT_EQ(option->Picture(0), prefix + "_device_normal.png") << c.kind << "/" << c.role;
        EXPECT_EQ(option->Picture(3), prefix + "_device_synchro_selected.png") << c.kind;
        EXPECT_EQ(option->SelectButton()->GetToolTip(),
                  DuiLib::CResourceManager::GetInstance().Translate(c.tooltip))
            << c.kind << "/" << c.role;
        // Each picture file exists in the skin.
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ZENTOR_SOURCE_DIR) / "skin" /
                                                option->Picture(i)))
                << option->Picture(i);
        }
    }
}

TEST(DeviceOptionTest, SynchroPicturesFollowTheMarkAndBindingsKeepTheirValues) {
    DuiLib::CPaintManagerUI pm;
    auto* option = Build<ui::CDeviceOptionUI>(pm, "XML/CustomControlXML/DeviceOption.xml");
    ASSERT_NE(option, nullptr);
    option->SetKind(1, 0);
    EXPECT_FALSE(option->IsSynchro());
    option->SetSynchro(true);
    EXPECT_TRUE(option->IsSynchro());
    option->SetSynchro(false);
    EXPECT_FALSE(option->IsSynchro());

    option->SetPowerBinding("device_power_switch", 2);
    option->SetPowerBinding(nullptr, 5);
    option->SetPowerBinding("device_power_switch", -1);
    EXPECT_EQ(option->GetPowerContainer(), "device_power_switch");
    EXPECT_EQ(option->GetPowerIndex(), 2);
    option->BindTab("device_switch", 3);
    EXPECT_EQ(option->GetTabName(), "device_switch");
    EXPECT_EQ(option->GetTabIndex(), 3);

    // Without its button the entry answers "nothing".
    option->SelectButton()->SetName("gone");
    EXPECT_EQ(option->GetTabIndex(), -1);
    EXPECT_FALSE(option->IsSelected());
    option->SetSelected(true);
    EXPECT_FALSE(option->IsSelected());
}

// A page that answers the presence question as told and records the calls.
class ScriptedPage : public pages::CVexmoorUSBDevice {
public:
    int online = 1;
    std::vector<std::string> calls;
    int IsWirelessOnline() override {
        calls.push_back("IsWirelessOnline");
        return online;
    }
    void ReadDevice() override { calls.push_back("ReadDevice"); }
    void PollStatus() override { calls.push_back("PollStatus"); }
};

// A window that records message 3331.
class EntryWindow : public DuiLib::WindowImplBase {
public:
    std::string GetWindowClassName() const override { return "EntryWindow"; }
    std::string GetSkinFile() override { return "XML/MsgWnd.xml"; }
    DuiLib::LRESULT HandleCustomMessage(DuiLib::UINT msg, DuiLib::WPARAM w, DuiLib::LPARAM l,
                                        bool& handled) override {
        if (msg == ui::CDeviceOptionUI::kMsgSelectorEntry) {
            entries.push_back({static_cast<int>(w), static_cast<int>(l)});
            handled = true;
        }
        return 0;
    }
    std::vector<std::pair<int, int>> entries;
};

TEST(DeviceOptionTest, APageBehindItsReceiverIsHiddenWhileItDoesNotAnswer) {
    apptest::LoadSkin();
    EntryWindow wnd;
    ASSERT_TRUE(wnd.Create({}, "entry", 0, 0, 0, 0, 200, 40));
    DuiLib::CPaintManagerUI pm;
    auto* option = Build<ui::CDeviceOptionUI>(pm, "XML/CustomControlXML/DeviceOption.xml");
    ASSERT_NE(option, nullptr);
    pm.SetPaintWindow(wnd.GetHWND());
    ScriptedPage page;
    page.SetDeviceTableIndex(1);
    page.Link().SetOpen(true);
    page.Link().SetMode(device::LINK_MODE_24G);
    option->SetPage(&page);
    EXPECT_EQ(page.GetSelectorEntry(), option);
    option->SetHasPowerStatus(true);
    option->SetVisible(true);
    auto fire = [&](DuiLib::UINT id) {
        DuiLib::TEventUI event;
        event.Type = DuiLib::UIEVENT_TIMER;
        event.wParam = id;
        option->DoEvent(event);
    };

    // First contact while the device does not answer: hidden, told, no read.
    page.online = 0;
    fire(ui::CDeviceOptionUI::kTimerFirstContact);
    EXPECT_FALSE(option->IsShown());
    ASSERT_EQ(wnd.entries.size(), 1u);
    EXPECT_EQ(wnd.entries[0], std::make_pair(1, 0));
    EXPECT_EQ(std::count(page.calls.begin(), page.calls.end(), "ReadDevice"), 0);
    // A second silent attempt does not tell the window again.
    fire(ui::CDeviceOptionUI::kTimerFirstContact);
    EXPECT_EQ(wnd.entries.size(), 1u);

    // It answers: the window is told to show the entry, the page reads.
    page.online = 1;
    fire(ui::CDeviceOptionUI::kTimerFirstContact);
    ASSERT_EQ(wnd.entries.size(), 2u);
    EXPECT_EQ(wnd.entries[1], std::make_pair(1, 1));
    EXPECT_EQ(page.calls.back(), "ReadDevice");

    // Presence: shown and silent → hide; hidden and answering → show and poll.
    page.online = 0;
    option->SetVisible(true);
    fire(ui::CDeviceOptionUI::kTimerPresence);
    ASSERT_EQ(wnd.entries.size(), 3u);
    EXPECT_EQ(wnd.entries[2], std::make_pair(1, 0));
    option->SetVisible(false);
    page.online = 1;
    page.calls.clear();
    fire(ui::CDeviceOptionUI::kTimerPresence);
    ASSERT_EQ(wnd.entries.size(), 4u);
    EXPECT_EQ(wnd.entries[3], std::make_pair(1, 1));
    EXPECT_EQ(page.calls.back(), "PollStatus");

    // On its cable the page is read at once and never asked about presence.
    page.Link().SetMode(device::LINK_MODE_WIRED);
    page.calls.clear();
    fire(ui::CDeviceOptionUI::kTimerFirstContact);
    EXPECT_EQ(page.calls, std::vector<std::string>{"ReadDevice"});
    EXPECT_EQ(wnd.entries.size(), 4u);
    pm.KillTimer(option);
    option->SetPage(nullptr);
    page.SetSelectorEntry(nullptr);
}

// The frame timer: fast while the frame changes or the picture is looked at,
// calm once a frame stands still on a picture nobody sees, slow on a receiver.
TEST(DeviceOptionTest, TheFrameTimerSlowsDownForAStillFrameNobodySees) {
    apptest::LoadSkin();
    DuiLib::CPaintManagerUI pm;
    auto* option = Build<ui::CDeviceOptionUI>(pm, "XML/CustomControlXML/DeviceOption.xml");
    ASSERT_NE(option, nullptr);
    // Frames go to a simulated keyboard by cable.
    auto backend = std::make_shared<sim::SimBackend>();
    platform::InstallHidBackend(backend);
    const int port =
        backend->Plug(backend->AddDevice(sim::SimKind::kKeyboard), sim::SimPath::kCable);
    ScriptedPage page;
    page.SetLedCount(3);
    ASSERT_TRUE(page.Link().WiredInterface().Open(backend->PathOf(port, 0xFF1C, 0x92), true, true,
                                                  true, false));
    page.Link().SetOpen(true);
    option->SetPage(&page);
    DuiLib::CControlUI picture;
    option->SetPicture(&picture);
    auto period = [&] {
        DuiLib::TEventUI event;
        event.Type = DuiLib::UIEVENT_TIMER;
        event.wParam = ui::CDeviceOptionUI::kTimerFrame;
        option->DoEvent(event);
        return pm.GetTimerInterval(option, ui::CDeviceOptionUI::kTimerFrame);
    };
    struct Case {
        const char* what;
        bool selected;
        int windowActive;
        bool changeFrame;
        int mode;
        int expected;
    };
    const Case cases[] = {
        {"a new frame", false, 0, true, device::LINK_MODE_WIRED, 5},
        {"still, window hidden", false, 0, false, device::LINK_MODE_WIRED, 100},
        {"changed, window hidden", false, 0, true, device::LINK_MODE_WIRED, 5},
        {"still again", false, 0, false, device::LINK_MODE_WIRED, 100},
        {"still, selected but window inactive", true, 0, false, device::LINK_MODE_WIRED, 100},
        {"still, picture shown", true, 1, false, device::LINK_MODE_WIRED, 5},
        {"still, another entry selected", false, 1, false, device::LINK_MODE_WIRED, 100},
        {"changed, on the receiver", false, 0, true, device::LINK_MODE_24G, 500},
        {"still, on the receiver, picture shown", true, 1, false, device::LINK_MODE_24G, 500},
    };
    uint8_t shade = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        option->SetSelected(c.selected);
        page.SetWindowActive(c.windowActive);
        page.Link().SetMode(c.mode);
        if (c.changeFrame) {
            page.SetLedColor(1, {++shade, 0, 0, 255});
        }
        EXPECT_EQ(period(), c.expected);
    }
    // A closed link stops the timer.
    page.Link().SetOpen(false);
    EXPECT_EQ(period(), -1);
    pm.KillTimer(option);
    option->SetPage(nullptr);
    page.SetSelectorEntry(nullptr);
    page.Link().WiredInterface().Close();
    platform::InstallHidBackend(nullptr);
}

}  // namespace
