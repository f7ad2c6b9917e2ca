#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "uilib/ComboUI.h"
#include "uilib/DialogBuilder.h"
#include "uilib/ListLabelElementUI.h"
#include "uilib/ListUI.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/UiTestDriver.h"
#include "uilib/WindowImplBase.h"

using namespace DuiLib;
using Events = std::vector<std::string>;

namespace {

constexpr char kLayout[] = R"(<Window size="300,300"><VerticalLayout>
    <Combo name="combo" height="30">
      <ListLabelElement name="c0" text="Red"/>
      <ListLabelElement name="c1" text="Green"/>
      <ListLabelElement name="c2" text="Blue" enabled="false"/>
    </Combo>
    <List name="list" height="90">
      <ListLabelElement name="l0" text="one"/>
      <ListLabelElement name="l1" text="two"/>
      <ListLabelElement name="l2" text="three"/>
      <ListLabelElement name="l3" text="four"/>
    </List>
  </VerticalLayout></Window>)";

class TestWnd : public WindowImplBase {
public:
    std::string GetWindowClassName() const override { return "TestWnd"; }
    std::string GetSkinFile() override { return kLayout; }
    void Notify(TNotifyUI& msg) override { recorder.Notify(msg); }
    uitest::Recorder recorder;
};

class ListAndComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::EnsureApp();
        wnd.Create({}, "test", 0, 0);
        wnd.GetPaintManager().UpdateLayout();
        wnd.recorder.events.clear();
    }
    CPaintManagerUI& pm() { return wnd.GetPaintManager(); }
    TestWnd wnd;
    CUiTestDriver driver{wnd.GetPaintManager()};
};

TEST_F(ListAndComboTest, ListSelectionReportsNewAndOldIndexThenClickAndActivate) {
    auto* list = pm().FindControl<CListUI>("list");
    ASSERT_TRUE(driver.Click("l1"));
    EXPECT_EQ(wnd.recorder.events, (Events{"itemselect:list", "itemclick:l1"}));
    EXPECT_EQ(list->GetCurSel(), 1);

    wnd.recorder.events.clear();
    ASSERT_TRUE(driver.SelectItem("list", 3));
    EXPECT_EQ(wnd.recorder.events, Events{"itemselect:list"});
    EXPECT_EQ(wnd.recorder.last.wParam, 3u);
    EXPECT_EQ(wnd.recorder.last.lParam, 1);
    EXPECT_FALSE(pm().FindControl<CListLabelElementUI>("l1")->IsSelected());
    EXPECT_TRUE(pm().FindControl<CListLabelElementUI>("l3")->IsSelected());
    // The selected item was scrolled into view (at the next layout).
    pm().UpdateLayout();
    EXPECT_LE(pm().FindControl("l3")->GetPos().bottom, list->GetPos().bottom);

    wnd.recorder.events.clear();
    ASSERT_TRUE(driver.DoubleClick("l3"));
    EXPECT_EQ(wnd.recorder.Of("itemactivate"), Events{"itemactivate:l3"});
}

TEST_F(ListAndComboTest, RemovingItemsKeepsTheSelectionOnTheSameItem) {
    auto* list = pm().FindControl<CListUI>("list");
    ASSERT_TRUE(list->SelectItem(2));
    list->RemoveAt(0);
    EXPECT_EQ(list->GetCurSel(), 1);
    EXPECT_EQ(list->GetItemAt(1)->GetName(), "l2");
    list->RemoveAt(1);
    EXPECT_EQ(list->GetCurSel(), -1);
}

TEST_F(ListAndComboTest, ComboSelectsByCodeAndRefusesDisabledItems) {
    auto* combo = pm().FindControl<CComboUI>("combo");
    EXPECT_EQ(combo->GetCurSel(), -1);
    ASSERT_TRUE(driver.SelectItem("combo", 1));
    EXPECT_EQ(combo->GetSelectedText(), "Green");
    EXPECT_EQ(wnd.recorder.Of("itemselect"), Events{"itemselect:combo"});
    EXPECT_FALSE(driver.SelectItem("combo", 2));
    EXPECT_FALSE(combo->SelectItem(7));
    EXPECT_EQ(combo->GetCurSel(), 1);
}

TEST_F(ListAndComboTest, ComboDropDownPicksAnItemAndGivesItsItemsBack) {
    uitest::Watchdog watchdog(20);
    auto* combo = pm().FindControl<CComboUI>("combo");
    wnd.ShowWindow(true);
    ASSERT_TRUE(driver.Click("combo"));
    ASSERT_TRUE(combo->IsDropped());
    CControlUI* red = pm().FindControl("c0");
    // While open the items live in the drop-down's window.
    EXPECT_NE(red->GetManager(), &pm());
    CPaintManagerUI* drop = red->GetManager();
    drop->UpdateLayout();
    const UiRect rc = red->GetPos();
    drop->OnButtonDown({rc.left + 3, rc.top + 3}, 0);
    drop->OnButtonUp({rc.left + 3, rc.top + 3}, 0);
    EXPECT_EQ(wnd.recorder.Of("itemselect"), Events{"itemselect:combo"});
    CUiTestDriver::ProcessEvents(50);
    EXPECT_FALSE(combo->IsDropped());
    EXPECT_EQ(red->GetManager(), &pm());
    EXPECT_EQ(red->GetParent(), combo);
    EXPECT_EQ(combo->GetSelectedText(), "Red");
}

}  // namespace

namespace {

TEST(ListBuildTest, AnItemBuiltAsSelectedBecomesTheSelection) {
    uitest::EnsureApp();
    for (const char* owner : {"Combo", "List"}) {
        SCOPED_TRACE(owner);
        std::string xml = std::string("<") + owner +
                          " name=\"o\"><ListLabelElement text=\"a\"/>"
                          "<ListLabelElement text=\"b\" selected=\"true\"/>"
                          "<ListLabelElement text=\"c\"/></" +
                          owner + ">";
        CPaintManagerUI pm;
        CDialogBuilder builder;
        CControlUI* root = builder.Create(xml, {}, nullptr, &pm);
        ASSERT_NE(root, nullptr);
        pm.AttachDialog(root);
        auto* list = dynamic_cast<IListOwnerUI*>(root);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->GetCurSel(), 1);
        ASSERT_TRUE(list->SelectItem(2));
        EXPECT_FALSE(dynamic_cast<IListItemUI*>(pm.FindControl<CContainerUI>("o")->GetItemAt(1))
                         ->IsSelected());
    }
}

}  // namespace
