#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "uilib/CheckBoxUI.h"
#include "uilib/DialogBuilder.h"
#include "uilib/EditUI.h"
#include "uilib/OptionUI.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/SliderUI.h"
#include "uilib/TabLayoutUI.h"
#include "uilib/UiTestDriver.h"

using namespace DuiLib;
using Events = std::vector<std::string>;

namespace {

class NotificationTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::EnsureApp();
        CDialogBuilder builder;
        CControlUI* root = builder.Create(R"(<VerticalLayout>
            <HorizontalLayout height="30">
              <Button name="ok" text="OK" width="60"/>
              <Button name="off" text="Off" width="60" enabled="false"/>
              <CheckBox name="check" width="60"/>
              <Edit name="edit" width="100"/>
              <Edit name="edit2" width="100" maxchar="4" numberonly="true"/>
            </HorizontalLayout>
            <HorizontalLayout height="30">
              <Option name="tab_a" group="tabs" bindtablayoutname="pages" bindtabindex="0" selected="true" width="60"/>
              <Option name="tab_b" group="tabs" bindtablayoutname="pages" bindtabindex="1" width="60"/>
              <Option name="tab_c" group="tabs" bindtablayoutname="pages" bindtabindex="2" width="60"/>
              <Slider name="slider" width="110" min="0" max="100" value="10"/>
            </HorizontalLayout>
            <TabLayout name="pages"><Control name="page_a"/><Control name="page_b"/><Control name="page_c"/></TabLayout>
          </VerticalLayout>)",
                                          {}, nullptr, &pm);
        ASSERT_NE(root, nullptr);
        ASSERT_TRUE(builder.Reports().empty()) << builder.Reports()[0];
        pm.AttachDialog(root);
        pm.SetClientSize(600, 200);
        pm.AddNotifier(&recorder);
        pm.UpdateLayout();
        recorder.events.clear();
    }

    CPaintManagerUI pm;
    uitest::Recorder recorder;
    CUiTestDriver driver{pm};
};

TEST_F(NotificationTest, ButtonClicksOnlyWhenPressedAndReleasedInsideWhileEnabled) {
    EXPECT_TRUE(driver.Click("ok"));
    EXPECT_EQ(recorder.Of("click"), Events{"click:ok"});

    recorder.events.clear();
    EXPECT_TRUE(driver.Click("off"));
    EXPECT_TRUE(recorder.Of("click").empty());

    // Pressed on the button, released elsewhere: no click.
    const UiRect& rc = pm.FindControl("ok")->GetPos();
    pm.OnButtonDown({rc.left + 5, rc.top + 5}, 0);
    pm.OnMouseMove({300, 150}, 0);
    pm.OnButtonUp({300, 150}, 0);
    EXPECT_TRUE(recorder.Of("click").empty());
}

TEST_F(NotificationTest, OptionGroupSelectsOneAndSwitchesItsBoundTab) {
    auto* pages = pm.FindControl<CTabLayoutUI>("pages");
    ASSERT_TRUE(driver.Click("tab_b"));
    EXPECT_EQ(recorder.events, (Events{"click:tab_b", "selectchanged:tab_a", "tabselect:pages",
                                       "selectchanged:tab_b"}));
    EXPECT_FALSE(pm.FindControl<COptionUI>("tab_a")->IsSelected());
    EXPECT_TRUE(pm.FindControl<COptionUI>("tab_b")->IsSelected());
    EXPECT_EQ(pages->GetCurSel(), 1);
    EXPECT_TRUE(pm.FindControl("page_b")->IsVisible());

    // Clicking the selected option of a group keeps it selected, quietly.
    recorder.events.clear();
    ASSERT_TRUE(driver.Click("tab_b"));
    EXPECT_EQ(recorder.events, Events{"click:tab_b"});
    EXPECT_TRUE(pm.FindControl<COptionUI>("tab_b")->IsSelected());

    // Selecting from code without events still moves the tab.
    pm.FindControl<COptionUI>("tab_c")->Selected(true, false);
    EXPECT_EQ(pages->GetCurSel(), 2);
    EXPECT_FALSE(pm.FindControl<COptionUI>("tab_b")->IsSelected());
}

TEST_F(NotificationTest, CheckBoxTogglesOnEveryClick) {
    auto* check = pm.FindControl<CCheckBoxUI>("check");
    ASSERT_TRUE(driver.Click("check"));
    EXPECT_TRUE(check->GetCheck());
    ASSERT_TRUE(driver.Click("check"));
    EXPECT_FALSE(check->GetCheck());
    EXPECT_EQ(recorder.Of("selectchanged"), (Events{"selectchanged:check", "selectchanged:check"}));
}

TEST_F(NotificationTest, EditTakesFocusTypesTextAndReportsKillFocusBeforeTheNextClick) {
    auto* edit = pm.FindControl<CEditUI>("edit");
    ASSERT_TRUE(driver.Click("edit"));
    EXPECT_EQ(recorder.events, Events{"setfocus:edit"});
    EXPECT_TRUE(edit->IsFocused());

    recorder.events.clear();
    ASSERT_TRUE(driver.TypeText("edit", "ab\u00e9"));
    EXPECT_EQ(edit->GetText(), "ab\u00e9");
    EXPECT_EQ(recorder.Of("textchanged").size(), 3u);
    driver.PressKey(kVkLeft);
    driver.PressKey(kVkBack);
    EXPECT_EQ(edit->GetText(), "a\u00e9");
    driver.PressKey(kVkReturn);
    EXPECT_EQ(recorder.Of("return"), Events{"return:edit"});

    recorder.events.clear();
    ASSERT_TRUE(driver.Click("ok"));
    EXPECT_EQ(recorder.events, (Events{"killfocus:edit", "click:ok"}));
    EXPECT_FALSE(edit->IsFocused());
}

TEST_F(NotificationTest, EditLimitsAndTabMovesFocus) {
    auto* edit2 = pm.FindControl<CEditUI>("edit2");
    ASSERT_TRUE(driver.TypeText("edit2", "1a2b345"));
    EXPECT_EQ(edit2->GetText(), "1234");
    driver.Focus("edit");
    driver.PressKey(kVkTab);
    EXPECT_EQ(pm.GetFocus(), edit2);
    driver.PressKey(kVkTab);
    EXPECT_EQ(pm.GetFocus(), pm.FindControl("edit"));
}

TEST_F(NotificationTest, SliderReportsMovesWhileDraggingAndTheValueOnRelease) {
    auto* slider = pm.FindControl<CSliderUI>("slider");
    const UiRect rc = slider->GetPos();
    int y = (rc.top + rc.bottom) / 2;
    pm.OnButtonDown({slider->GetThumbRect().left + 7, y}, 0);
    pm.OnMouseMove({rc.left + 7 + 48, y}, 0);
    pm.OnMouseMove({rc.right + 50, y}, 0);
    pm.OnButtonUp({rc.right + 50, y}, 0);
    EXPECT_EQ(recorder.Of("movevaluechanged").size(), 2u);
    EXPECT_EQ(recorder.Of("valuechanged"), Events{"valuechanged:slider"});
    EXPECT_EQ(recorder.events.back(), "valuechanged:slider");
    EXPECT_EQ(slider->GetValue(), 100);
}

}  // namespace
