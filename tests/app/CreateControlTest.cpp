// The main window's builder callback: class names of the program's controls
// make the registered class (nothing until it is registered), composite
// controls are built from their own layout files, and any other name yields
// no control.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "MainWndTestSupport.h"
#include "support/TempFolder.h"
#include "uilib/ControlFactory.h"
#include "uilib/LabelUI.h"

namespace {

class CreateControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        apptest::EnsureApp();
        m_savedPath = DuiLib::CPaintManagerUI::GetResourcePath();
        DuiLib::CPaintManagerUI::SetResourcePath(m_skin.Path().string() + "/");
    }
    void TearDown() override {
        DuiLib::CControlFactory::GetInstance().Clear();
        DuiLib::CPaintManagerUI::SetResourcePath(m_savedPath);
    }
    void WriteLayout(const std::string& file, const std::string& text) {
        std::filesystem::path path = m_skin.Path() / file;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }

    testing_support::TempFolder m_skin;
    std::string m_savedPath;
};

TEST_F(CreateControlTest, ProgramClassesAppearOnceRegistered) {
    app::CMainWnd wnd;
    EXPECT_EQ(wnd.CreateControl("CircleProgress"), nullptr);
    DuiLib::CControlFactory::GetInstance().RegistControl("CCircleProgressUI", [] {
        auto* control = new DuiLib::CLabelUI();
        control->SetName("made_by_factory");
        return control;
    });
    std::unique_ptr<DuiLib::CControlUI> made(wnd.CreateControl("circleprogress"));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetName(), "made_by_factory");
    // The factory's name is not a layout class name.
    EXPECT_EQ(wnd.CreateControl("CCircleProgressUI"), nullptr);
    EXPECT_EQ(wnd.CreateControl("NoSuchControl"), nullptr);
    EXPECT_EQ(wnd.CreateControl(""), nullptr);
}

TEST_F(CreateControlTest, CompositeControlsAreBuiltFromTheirLayoutFiles) {
    app::CMainWnd wnd;
    EXPECT_EQ(wnd.CreateControl("LightSetControlUI"), nullptr) << "no layout file yet";
    struct Row {
        const char* className;
        const char* file;
    };
    const Row rows[] = {
        {"DeviceProfileUI", "XML/CustomControlXML/DeviceProfile.xml"},
        {"LightSetControlUI", "XML/CustomControlXML/LightControl.xml"},
        {"Voice6533SetControlUI", "XML/CustomControlXML/Voice6533Control.xml"},
        {"MagicSetControlUI", "XML/CustomControlXML/MagicControl.xml"},
        {"KeySetControlUI", "XML/CustomControlXML/KeySetControl.xml"},
        {"MacroSetControlUI", "XML/CustomControlXML/MacroControl.xml"},
        {"ShootKeySetControlUI", "XML/CustomControlXML/ShootControl.xml"},
        {"VirtualSetControlUI", "XML/CustomControlXML/VirtualSet.xml"},
    };
    for (const Row& row : rows) {
        WriteLayout(row.file, std::string("<VerticalLayout name=\"") + row.className +
                                  "_root\"><Label name=\"inside\"/></VerticalLayout>");
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.className);
        std::unique_ptr<DuiLib::CControlUI> built(wnd.CreateControl(row.className));
        ASSERT_NE(built, nullptr);
        EXPECT_EQ(built->GetName(), std::string(row.className) + "_root");
    }
}

}  // namespace
