#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "uilib/ContainerUI.h"
#include "uilib/DialogBuilder.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/ScrollBarUI.h"
#include "uilib/TabLayoutUI.h"

using namespace DuiLib;

namespace {

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override { uitest::EnsureApp(); }
    void Build(const std::string& xml, int cx, int cy) {
        CDialogBuilder builder;
        CControlUI* root = builder.Create(xml, {}, nullptr, &pm);
        ASSERT_NE(root, nullptr);
        ASSERT_TRUE(builder.Reports().empty()) << builder.Reports()[0];
        pm.AttachDialog(root);
        pm.SetClientSize(cx, cy);
        pm.UpdateLayout();
    }
    UiRect Pos(const char* name) {
        CControlUI* c = pm.FindControl(name);
        return c != nullptr ? c->GetPos() : UiRect{-1, -1, -1, -1};
    }
    CPaintManagerUI pm;
};

TEST_F(LayoutTest, VerticalLayoutGivesFixedHeightsAndSharesTheRest) {
    Build(R"(<VerticalLayout inset="10,10,10,10" childpadding="5">
        <Control name="top" height="40"/>
        <Control name="a"/>
        <Control name="hidden" height="100" visible="false"/>
        <Control name="b" padding="4,0,4,0"/>
        <Control name="narrow" height="20" width="50"/>
      </VerticalLayout>)",
          200, 300);
    // 280 high inside the inset; 40 + 20 fixed and 3 gaps of 5 leave 205.
    EXPECT_EQ(Pos("top"), (UiRect{10, 10, 190, 50}));
    EXPECT_EQ(Pos("a"), (UiRect{10, 55, 190, 157}));
    EXPECT_EQ(Pos("b"), (UiRect{14, 162, 186, 265}));
    EXPECT_EQ(Pos("narrow"), (UiRect{10, 270, 60, 290}));
    EXPECT_FALSE(pm.FindControl("hidden")->IsVisible());
}

TEST_F(LayoutTest, HorizontalLayoutAndFloatingChildren) {
    Build(R"(<HorizontalLayout childpadding="10">
        <Control name="left" width="60"/>
        <Control name="fill"/>
        <Control name="right" width="30" height="20"/>
        <Control name="float" float="true" pos="5,6,25,16"/>
      </HorizontalLayout>)",
          300, 100);
    EXPECT_EQ(Pos("left"), (UiRect{0, 0, 60, 100}));
    EXPECT_EQ(Pos("fill"), (UiRect{70, 0, 260, 100}));
    EXPECT_EQ(Pos("right"), (UiRect{270, 0, 300, 20}));
    EXPECT_EQ(Pos("float"), (UiRect{5, 6, 25, 16}));
}

TEST_F(LayoutTest, ContentTallerThanTheLayoutScrolls) {
    Build(R"(<VerticalLayout name="list" vscrollbar="true">
        <Control name="c0" height="100"/><Control height="100"/><Control name="c2" height="100"/>
      </VerticalLayout>)",
          100, 150);
    auto* list = pm.FindControl<CContainerUI>("list");
    ASSERT_NE(list->GetVerticalScrollBar(), nullptr);
    EXPECT_TRUE(list->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(list->GetScrollRange(), 150);
    list->SetScrollPos(1000);
    pm.UpdateLayout();
    EXPECT_EQ(list->GetScrollPos(), 150);
    EXPECT_EQ(Pos("c2").top, 50);
    EXPECT_EQ(Pos("c0").top, -150);
    // When everything fits the bar goes away and the content returns.
    pm.SetClientSize(100, 400);
    pm.UpdateLayout();
    EXPECT_FALSE(list->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(Pos("c0").top, 0);
}

TEST_F(LayoutTest, TabLayoutShowsOnlyTheSelectedPage) {
    Build(R"(<TabLayout name="tabs" selectedid="1">
        <Control name="p0"/><Control name="p1"/><Control name="p2"/></TabLayout>)",
          100, 100);
    auto* tabs = pm.FindControl<CTabLayoutUI>("tabs");
    EXPECT_EQ(tabs->GetCurSel(), 1);
    EXPECT_FALSE(pm.FindControl("p0")->IsVisible());
    EXPECT_TRUE(pm.FindControl("p1")->IsVisible());
    EXPECT_TRUE(tabs->SelectItem(2));
    EXPECT_FALSE(pm.FindControl("p1")->IsVisible());
    EXPECT_TRUE(pm.FindControl("p2")->IsVisible());
    EXPECT_FALSE(tabs->SelectItem(3));
    EXPECT_EQ(tabs->GetCurSel(), 2);
}

TEST_F(LayoutTest, HidingAContainerHidesItsChildrenFromHitTests) {
    Build(R"(<VerticalLayout><VerticalLayout name="box"><Control name="inner"/></VerticalLayout>
      </VerticalLayout>)",
          100, 100);
    EXPECT_EQ(pm.FindControl(UiPoint{50, 50}), pm.FindControl("inner"));
    pm.FindControl("box")->SetVisible(false);
    EXPECT_FALSE(pm.FindControl("inner")->IsVisible());
    EXPECT_NE(pm.FindControl(UiPoint{50, 50}), pm.FindControl("inner"));
}

}  // namespace
