// Rubber-band selection on a device picture.
#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "ui/DeviceKeyButtonUI.h"
#include "ui/SelectPanelUI.h"

namespace {

using DuiLib::CDeviceKeyButtonUI;

// A key of another class in the same panel: the band never touches it.
class COtherKeyUI : public CDeviceKeyButtonUI {
public:
    std::string GetClass() const override { return "OtherKey"; }
};

class SelectPanelControlTest : public ::testing::Test {
protected:
    // Keys at: a (0..20, 0..20), b (30..45, 30..45), c (55..70, 50..60),
    // d (20..30, 95..100); the panel fills the 200 x 120 window.
    SelectPanelControlTest()
        : window(R"(<SelectPanel name="device_key_light">
            <DeviceKeyButton name="a" float="true" pos="0,0,20,20"/>
            <DeviceKeyButton name="b" float="true" pos="30,30,45,45"/>
            <DeviceKeyButton name="c" float="true" pos="55,50,70,60"/>
            <DeviceKeyButton name="d" float="true" pos="20,95,30,100"/>
          </SelectPanel>)",
                 200, 120) {
        auto* panel = window.pm.FindControl<DuiLib::CSelectPanelUI>("device_key_light");
        other = new COtherKeyUI();
        other->SetName("other");
        other->SetFloat(true);
        other->SetFixedXY({35, 60});
        other->SetFixedWidth(5);
        other->SetFixedHeight(5);
        other->SetKeySelected(1);
        panel->Add(other);
        window.pm.UpdateLayout();
    }

    int Selected(const char* name) {
        return window.pm.FindControl<CDeviceKeyButtonUI>(name)->IsKeySelected();
    }

    controltest::Window window;
    COtherKeyUI* other = nullptr;
};

TEST_F(SelectPanelControlTest, BandSelectsTouchedKeysAndDeselectsTheRest) {
    window.pm.FindControl<CDeviceKeyButtonUI>("a")->SetKeySelected(1);
    window.pm.OnButtonDown({50, 40}, 0);
    window.pm.OnMouseMove({30, 70}, 0);
    window.pm.OnMouseMove({10, 90}, 0);
    window.pm.OnButtonUp({10, 90}, 0);

    auto* panel = window.pm.FindControl<DuiLib::CSelectPanelUI>("device_key_light");
    EXPECT_EQ(panel->GetSelectionRect(), (DuiLib::UiRect{10, 40, 50, 90}));
    EXPECT_EQ(Selected("a"), 0) << "outside the band: deselected";
    EXPECT_EQ(Selected("b"), 1);
    EXPECT_EQ(Selected("c"), 0) << "starts right of the band";
    EXPECT_EQ(Selected("d"), 0) << "starts below the band";
    EXPECT_EQ(other->IsKeySelected(), 1) << "other classes are untouched";
    EXPECT_EQ(window.recorder.events,
              std::vector<std::string>{"click_select_end:device_key_light"});
}

TEST_F(SelectPanelControlTest, ClickWithoutMoveChangesNothing) {
    window.pm.FindControl<CDeviceKeyButtonUI>("b")->SetKeySelected(1);
    window.pm.OnButtonDown({100, 100}, 0);
    window.pm.OnButtonUp({100, 100}, 0);
    EXPECT_EQ(Selected("b"), 1);
    EXPECT_EQ(Selected("a"), 0);
    EXPECT_TRUE(window.recorder.events.empty());
    EXPECT_FALSE(window.pm.FindControl<DuiLib::CSelectPanelUI>("device_key_light")->IsSelecting());
}

TEST_F(SelectPanelControlTest, SecondDragStartsAFreshBand) {
    window.pm.OnButtonDown({50, 40}, 0);
    window.pm.OnMouseMove({10, 90}, 0);
    window.pm.OnButtonUp({10, 90}, 0);
    window.pm.OnButtonDown({150, 5}, 0);
    window.pm.OnMouseMove({60, 55}, 0);
    window.pm.OnButtonUp({60, 55}, 0);
    EXPECT_EQ(Selected("b"), 0);
    EXPECT_EQ(Selected("c"), 1);
    EXPECT_EQ(window.recorder.events.size(), 2u);
}

}  // namespace
