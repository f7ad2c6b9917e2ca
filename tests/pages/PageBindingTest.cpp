// Binding the device picture: which buttons become key buttons and light
// buttons, and the LED frame's bounds.
#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "ui/DeviceKeyButtonUI.h"
#include "uilib/ControlFactory.h"

namespace {

using DuiLib::CDeviceKeyButtonUI;
using pages::CVexmoorUSBDevice;
using pages::LedColor;

// The page is registered with the factory under its class name; the layout
// tags of the custom controls come through the builder callback.
class PageBindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        pagetest::EnsureApp();
        ui::RegisterCustomControls();
    }
    void TearDown() override { DuiLib::CControlFactory::GetInstance().Clear(); }

    CVexmoorUSBDevice* Build(const std::string& buttons, int keys, int leds,
                             const std::string& xmlName = "test.xml") {
        page = pagetest::BuildPage(pm,
                                   "<CVexmoorUSBDevice><Label name=\"before\"/>"
                                   "<SelectPanel name=\"panel\" width=\"400\">" +
                                       buttons + "</SelectPanel></CVexmoorUSBDevice>");
        if (page != nullptr) {
            page->SetPageXml(xmlName);
            page->SetKeyButtonCount(keys);
            page->SetLedCount(leds);
            page->InitPage();
        }
        return page;
    }

    DuiLib::CPaintManagerUI pm;
    CVexmoorUSBDevice* page = nullptr;
};

TEST_F(PageBindingTest, NamesAndUserDataBindKeyAndLightButtons) {
    struct Case {
        const char* what;
        const char* name;
        const char* userData;
        int keys;
        int leds;
        int key;    // key button expected bound, -1 none
        int light;  // light button expected bound, -1 none
    };
    const Case cases[] = {
        {"key name", "key_3", "", 10, 10, 3, -1},
        {"key name in capitals", "KEY_3", "", 10, 10, 3, -1},
        {"no underscore", "key", "", 10, 10, -1, -1},
        {"no number after underscore", "key_", "", 10, 10, -1, -1},
        {"letters after underscore", "key_x1", "", 10, 10, -1, -1},
        {"key beyond the key count", "key_10", "", 10, 10, -1, -1},
        {"light user data", "zone", "light_4", 10, 10, -1, 4},
        {"light user data at the LED count", "zone", "light_5", 10, 5, -1, -1},
        {"light 170 of 171 LEDs", "zone", "light_170", 0, 171, -1, 170},
        {"key and light at once", "key_7", "light_2", 10, 10, 7, 2},
        {"light name without user data", "light_2", "", 10, 10, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string button = std::string("<DeviceKeyButton name=\"") + c.name +
                                   "\" userdata=\"" + c.userData + "\"/>";
        ASSERT_NE(Build(button, c.keys, c.leds), nullptr);
        auto* built = pm.FindControl<CDeviceKeyButtonUI>(c.name);
        ASSERT_NE(built, nullptr);
        for (int i = 0; i < c.keys; ++i) {
            EXPECT_EQ(page->GetKeyButton(i), i == c.key ? built : nullptr) << "key " << i;
        }
        for (int i = 0; i < c.leds; ++i) {
            EXPECT_EQ(page->GetLightButton(i), i == c.light ? built : nullptr) << "light " << i;
        }
        // A bound light button starts lit white at full intensity.
        EXPECT_EQ(built->IsKeyLit(), c.light >= 0);
        if (c.light >= 0) {
            EXPECT_EQ(built->GetKeyLightColor(), 0xFFFFFFu);
            EXPECT_EQ(built->GetKeyLightAlpha(), 255);
        }
        pm.DetachAndDeleteRoot();
    }
}

TEST_F(PageBindingTest, OnlyKeyButtonsOfTheFirstSelectPanelAreBound) {
    ASSERT_NE(pagetest::BuildPage(pm, R"(<CVexmoorUSBDevice>
        <SelectPanel name="first"><Button name="key_1"/><DeviceKeyButton name="key_2"/></SelectPanel>
        <SelectPanel name="second"><DeviceKeyButton name="key_3"/></SelectPanel>
      </CVexmoorUSBDevice>)"),
              nullptr);
    auto* built = dynamic_cast<CVexmoorUSBDevice*>(pm.GetRoot());
    built->SetPageXml("x.xml");
    built->SetKeyButtonCount(5);
    built->InitPage();
    EXPECT_EQ(built->GetKeyContainer(), pm.FindControl("first"));
    EXPECT_EQ(built->GetKeyButton(1), nullptr) << "a plain button is not a key button";
    EXPECT_EQ(built->GetKeyButton(2), pm.FindControl("key_2"));
    EXPECT_EQ(built->GetKeyButton(3), nullptr);
}

TEST_F(PageBindingTest, PageWithoutLayoutNameHasNoKeysAndNoLeds) {
    ASSERT_NE(Build("<DeviceKeyButton name=\"key_1\" userdata=\"light_1\"/>", 10, 10, ""), nullptr);
    EXPECT_EQ(page->GetKeyButtonCount(), 0);
    EXPECT_EQ(page->GetLedCount(), 0);
    EXPECT_EQ(page->GetKeyButton(1), nullptr);
    EXPECT_EQ(page->GetLightButton(1), nullptr);
    page->SetLedColor(0, {1, 2, 3, 4});
    EXPECT_EQ(page->GetLedColor(0), LedColor{});
}

TEST_F(PageBindingTest, LedColorOutsideTheFrameReadsZeroAndIsNotStored) {
    ASSERT_NE(Build("", 0, 4), nullptr);
    for (int i = 0; i < 4; ++i) {
        page->SetLedColor(i, {static_cast<uint8_t>(10 + i), 20, 30, 40});
    }
    for (int outside : {-1, 4, 1000}) {
        page->SetLedColor(outside, {9, 9, 9, 9});
        EXPECT_EQ(page->GetLedColor(outside), LedColor{}) << outside;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(page->GetLedColor(i), (LedColor{static_cast<uint8_t>(10 + i), 20, 30, 40}));
    }
    // A new LED count starts every entry dark.
    page->SetLedCount(2);
    EXPECT_EQ(page->GetLedColor(0), LedColor{});
    EXPECT_EQ(page->GetLedColor(2), LedColor{});
}

TEST_F(PageBindingTest, DeviceRecordGivesTheKind) {
    ASSERT_NE(Build("", 0, 0), nullptr);
    device::DeviceIdentity record;
    record.kind = device::kKindKeyboardReceiver;
    page->SetDeviceRecord(record);
    EXPECT_EQ(page->GetDeviceKind(), device::kKindKeyboardReceiver);
}

}  // namespace
