#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "UiTestSupport.h"
#include "platform/Trace.h"
#include "uilib/ButtonUI.h"
#include "uilib/ContainerUI.h"
#include "uilib/ControlFactory.h"
#include "uilib/DialogBuilder.h"
#include "uilib/LabelUI.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/VerticalLayoutUI.h"

using namespace DuiLib;

namespace {

class CTestKeyUI : public CButtonUI {
public:
    std::string GetClass() const override { return "TestKey"; }
};

class Callback : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(const std::string& className) override {
        asked.push_back(className);
        if (EqualsNoCase(className, "Panel")) {
            return new CVerticalLayoutUI();
        }
        return nullptr;
    }
    std::vector<std::string> asked;
};

class DialogBuilderTest : public ::testing::Test {
protected:
    void SetUp() override { uitest::EnsureApp(); }
    void TearDown() override { CControlFactory::GetInstance().Clear(); }

    CControlUI* Build(const std::string& xml, IDialogBuilderCallback* callback = nullptr) {
        CControlUI* root = builder.Create(xml, {}, callback, &pm);
        if (root != nullptr) {
            pm.AttachDialog(root);
        }
        return root;
    }

    CPaintManagerUI pm;
    CDialogBuilder builder;
};

TEST_F(DialogBuilderTest, BuildsTreeWithWindowSettingsAndFindsFirstOfAName) {
    ASSERT_NE(Build(R"(<Window size="640,400" caption="0,0,0,32">
        <VerticalLayout name="root" bkcolor="#FF15171C">
          <Label name="title" text="Hello"/>
          <HorizontalLayout>
            <Button name="key_1" text="one"/>
            <Button name="key_12" text="twelve"/>
            <Label name="title" text="second"/>
          </HorizontalLayout>
        </VerticalLayout></Window>)"),
              nullptr);
    EXPECT_TRUE(builder.Reports().empty());
    EXPECT_EQ(pm.GetInitSize().cx, 640);
    EXPECT_EQ(pm.GetCaptionRect().bottom, 32);
    ASSERT_NE(pm.FindControl<CLabelUI>("title"), nullptr);
    EXPECT_EQ(pm.FindControl("title")->GetText(), "Hello");
    EXPECT_EQ(pm.FindControl("key_12")->GetText(), "twelve");
    EXPECT_EQ(pm.FindControl("key_1")->GetText(), "one");
    // Typed lookup of the wrong class gives nothing rather than a bad cast.
    EXPECT_EQ(pm.FindControl<CButtonUI>("title"), nullptr);
    EXPECT_EQ(pm.FindControl("missing"), nullptr);
    EXPECT_EQ(pm.GetRoot()->GetBkColor(), 0xFF15171Cu);
}

TEST_F(DialogBuilderTest, FactoryClassesAndCallbackClassesAreBuiltInPlace) {
    CControlFactory::GetInstance().RegistControl("CTestKeyUI", [] { return new CTestKeyUI(); });
    Callback callback;
    ASSERT_NE(Build(R"(<VerticalLayout>
          <CTestKeyUI name="k" text="K"/>
          <Panel name="panel" inset="2,2,2,2"><Label name="inner"/></Panel>
        </VerticalLayout>)",
                    &callback),
              nullptr);
    EXPECT_TRUE(builder.Reports().empty());
    ASSERT_NE(pm.FindControl("k"), nullptr);
    EXPECT_EQ(pm.FindControl("k")->GetClass(), "TestKey");
    // Built-in and registered names never reach the callback.
    EXPECT_EQ(callback.asked, std::vector<std::string>{"Panel"});
    CControlUI* inner = pm.FindControl("inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetParent(), pm.FindControl("panel"));
}

TEST_F(DialogBuilderTest, UnknownClassIsReportedWithLineAndSkippedWithItsChildren) {
    platform::ScopedTraceCapture trace;
    Callback callback;
    ASSERT_NE(Build("<VerticalLayout>\n"
                    "  <Label name=\"before\"/>\n"
                    "  <Gizmo name=\"g\"><Label name=\"lost\"/></Gizmo>\n"
                    "  <Label name=\"after\"/>\n"
                    "</VerticalLayout>",
                    &callback),
              nullptr);
    ASSERT_EQ(builder.Reports().size(), 1u);
    EXPECT_NE(builder.Reports()[0].find("(3)"), std::string::npos) << builder.Reports()[0];
    EXPECT_NE(builder.Reports()[0].find("Gizmo"), std::string::npos);
    EXPECT_TRUE(trace.Contains("Gizmo"));
    EXPECT_EQ(pm.FindControl("lost"), nullptr);
    EXPECT_NE(pm.FindControl("before"), nullptr);
    EXPECT_NE(pm.FindControl("after"), nullptr);
}

TEST_F(DialogBuilderTest, ReportsUnknownAttributesMissingImagesAndBrokenFiles) {
    struct Case {
        const char* name;
        const char* xml;
        const char* expected;
        bool built;
    };
    const Case cases[] = {
        {"unknown attribute", "<VerticalLayout>\n<Button colour=\"red\"/></VerticalLayout>",
         "(2): unknown attribute 'colour'", true},
        {"missing image",
         "<VerticalLayout>\n\n<Button normalimage=\"file='nope.png'\"/></VerticalLayout>",
         "(3): image not found: nope.png", true},
        {"does not parse", "<VerticalLayout>\n<Button>\n</VerticalLayout>",
         "(3): layout does not parse", false},
        {"missing file", "no/such/layout.xml", "layout file cannot be read", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDialogBuilder b;
        CControlUI* root = b.Create(c.xml, {}, nullptr, &pm);
        EXPECT_EQ(root != nullptr, c.built);
        delete root;
        ASSERT_EQ(b.Reports().size(), 1u);
        EXPECT_NE(b.Reports()[0].find(c.expected), std::string::npos) << b.Reports()[0];
    }
}

TEST_F(DialogBuilderTest, DefaultAttributesApplyBeforeTheElementsOwn) {
    ASSERT_NE(
        Build(
            R"(<Window><Default name="Button" value="textcolor=&quot;#FF112233&quot; height=&quot;30&quot;"/>
        <VerticalLayout><Button name="a"/><Button name="b" height="40"/></VerticalLayout></Window>)"),
        nullptr);
    EXPECT_TRUE(builder.Reports().empty());
    EXPECT_EQ(pm.FindControl<CButtonUI>("a")->GetTextColor(), 0xFF112233u);
    EXPECT_EQ(pm.FindControl("a")->GetFixedHeight(), 30);
    EXPECT_EQ(pm.FindControl("b")->GetFixedHeight(), 40);
}

TEST_F(DialogBuilderTest, IncludeBuildsAnotherFileInPlaceAndStopsEndlessNesting) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::string saved = CPaintManagerUI::GetResourcePath();
    CPaintManagerUI::SetResourcePath(dir.path().toStdString());
    auto write = [&](const char* name, const char* text) {
        std::ofstream(dir.filePath(name).toStdString()) << text;
    };
    write("row.xml",
          "<HorizontalLayout height=\"20\"><Button text=\"in row\"/></HorizontalLayout>");
    write("loop.xml", "<VerticalLayout><Include source=\"loop.xml\"/></VerticalLayout>");

    CControlUI* root = Build(R"(<VerticalLayout><Label name="top"/>
        <Include source="row.xml" count="3"/><Label name="bottom"/></VerticalLayout>)");
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(builder.Reports().empty());
    auto* container = dynamic_cast<CContainerUI*>(root);
    ASSERT_EQ(container->GetCount(), 5);
    EXPECT_EQ(container->GetItemAt(3)->GetClass(), "HorizontalLayout");
    EXPECT_EQ(container->GetItemAt(4)->GetName(), "bottom");

    CDialogBuilder looping;
    CControlUI* loop = looping.Create("loop.xml", {}, nullptr, &pm);
    delete loop;
    ASSERT_FALSE(looping.Reports().empty());
    EXPECT_NE(looping.Reports().back().find("nested too deep"), std::string::npos);
    CPaintManagerUI::SetResourcePath(saved);
}

TEST_F(DialogBuilderTest, ASecondRootIsReportedAndLeftOut) {
    CControlUI* root = Build("<Window><Label name=\"one\"/>\n<Label name=\"two\"/></Window>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetName(), "one");
    ASSERT_EQ(builder.Reports().size(), 1u);
    EXPECT_NE(builder.Reports()[0].find("(2): a layout holds one root"), std::string::npos);
}

}  // namespace
