#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QWidget>
#include <filesystem>

#include "UiTestSupport.h"
#include "platform/Trace.h"
#include "uilib/ContainerUI.h"
#include "uilib/DialogBuilder.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/ResourceManager.h"
#include "uilib/WindowImplBase.h"

using namespace DuiLib;
namespace fs = std::filesystem;

namespace {

const fs::path kSkin = fs::path(ZENTOR_SOURCE_DIR) / "skin";

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::EnsureApp();
        saved = CPaintManagerUI::GetResourcePath();
        CPaintManagerUI::SetResourcePath(kSkin.string() + "/");
    }
    void TearDown() override {
        CResourceManager::GetInstance().Release();
        CPaintManagerUI::SetResourcePath(saved);
    }
    std::string saved;
};

// The program's own control classes, which the layouts name and the program
// creates. Here each stands in as a container that takes any attribute of its
// own, so the rest of a layout (library classes, attributes, images, texts) is
// still checked.
const char* const kProgramClasses[] = {"CircleProgress",
                                       "SelectPanel",
                                       "DeviceKeyButton",
                                       "HandImgButton",
                                       "AudioRecord",
                                       "HandImgSelectButton",
                                       "RedioMacroButton",
                                       "ComboEditContainerElement",
                                       "VexmoorMousePadDevice",
                                       "VexmoorVO6533Device",
                                       "VexmoorMouseDevice",
                                       "VexmoorKeyboardDevice",
                                       "DeviceProfile",
                                       "LightControl",
                                       "MagicControl",
                                       "Voice6533Control",
                                       "KeySetControl",
                                       "ShootControl",
                                       "DeviceOption",
                                       "MpDevicePower",
                                       "CCircleProgressUI",
                                       "CChartViewUI",
                                       "CWndUI",
                                       "CSelectPanelUI",
                                       "CDeviceKeyButtonUI",
                                       "CCloudShareListItemUI",
                                       "CUpdateInfoListItemUI",
                                       "CDeviceOptionUI",
                                       "CMpDevicePowerUI",
                                       "CComboEditContainerElementUI",
                                       "CHandImgButtonUI",
                                       "CHandImgSelectButtonUI",
                                       "CRedioMacroButtonUI",
                                       "CAudioRecordUI",
                                       "CLightControlUI",
                                       "CMacroControlUI",
                                       "CKeySetControlUI",
                                       "CDeviceProfileUI",
                                       "CShootControlUI",
                                       "CMagicControlUI",
                                       "CVoice6533ControlUI",
                                       "CVexmoorUSBDevice",
                                       "CVexmoorMousePadDevice",
                                       "CVexmoorVO6533Device"};

class CStandInUI : public CContainerUI {
public:
    bool SetAttribute(const std::string& name, const std::string& value) override {
        CContainerUI::SetAttribute(name, value);
        return true;
    }
};

class StandInCallback : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(const std::string& className) override {
        for (const char* known : kProgramClasses) {
            if (EqualsNoCase(className, known)) {
                return new CStandInUI();
            }
        }
        return nullptr;
    }
};

// Texts that look like language keys (a word with "_" and no blank).
bool LooksLikeKey(const std::string& text) {
    return text.find('_') != std::string::npos && text.find(' ') == std::string::npos;
}

TEST_F(SkinTest, ResourceDescriptionAndLanguagesLoadWithoutReports) {
    platform::ScopedTraceCapture trace;
    auto& resources = CResourceManager::GetInstance();
    ASSERT_TRUE(resources.LoadResource("res.xml"));
    ASSERT_TRUE(resources.LoadLanguage("lan_en.xml"));
    ASSERT_TRUE(resources.LoadLanguage("lan_cn.xml"));
    EXPECT_TRUE(trace.Lines().empty()) << trace.Lines()[0];
    EXPECT_TRUE(fs::exists(resources.GetIconFile(107)));
    EXPECT_EQ(resources.GetXmlPath("XML_MAIN"), "XML/main.xml");
}

TEST_F(SkinTest, EveryLayoutBuildsWithoutASingleReportAndItsKeysAreTranslated) {
    auto& resources = CResourceManager::GetInstance();
    ASSERT_TRUE(resources.LoadResource("res.xml"));
    int layouts = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kSkin / "XML")) {
        if (entry.path().extension() != ".xml") {
            continue;
        }
        ++layouts;
        std::string file = fs::relative(entry.path(), kSkin).string();
        SCOPED_TRACE(file);
        platform::ScopedTraceCapture trace;
        CPaintManagerUI pm;
        CDialogBuilder builder;
        StandInCallback callback;
        CControlUI* root = builder.Create(file, {}, &callback, &pm);
        ASSERT_NE(root, nullptr);
        pm.AttachDialog(root);
        for (const std::string& report : builder.Reports()) {
            ADD_FAILURE() << report;
        }
        EXPECT_TRUE(trace.Lines().empty()) << trace.Lines()[0];

        for (const char* language : {"lan_cn.xml", "lan_en.xml"}) {
            ASSERT_TRUE(resources.LoadLanguage(language));
            root->FindControl(
                [&](CControlUI* c) {
                    const std::string& text = c->GetRawText();
                    if (LooksLikeKey(text) && resources.FindText(text) == nullptr) {
                        ADD_FAILURE() << language << " has no text for " << text;
                    }
                    return false;
                },
                UIFIND_ALL);
        }
    }
    EXPECT_GT(layouts, 0);
}

class SampleWnd : public WindowImplBase {
public:
    std::string GetWindowClassName() const override { return "SampleWnd"; }
    std::string GetSkinFile() override { return "XML_SAMPLE"; }
};

TEST_F(SkinTest, SampleWindowRendersWithTheSkinImages) {
    auto& resources = CResourceManager::GetInstance();
    ASSERT_TRUE(resources.LoadResource("res.xml"));
    ASSERT_TRUE(resources.LoadLanguage("lan_en.xml"));
    SampleWnd wnd;
    ASSERT_TRUE(wnd.Create({}, "Sample", 0, 0));
    CPaintManagerUI& pm = wnd.GetPaintManager();
    EXPECT_EQ(pm.GetPaintWindow(), wnd.GetHWND());
    wnd.SetIcon(107);
    EXPECT_FALSE(wnd.GetWidget()->windowIcon().isNull());
    std::string png = (fs::temp_directory_path() / "zentor_sample_window.png").string();
    ASSERT_TRUE(pm.RenderToPng(png));
    QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.width(), 1000);
    ASSERT_EQ(image.height(), 640);
    std::printf("sample window: %s\n", png.c_str());

    auto colourAt = [&](const char* name, int dx, int dy) {
        const UiRect& rc = pm.FindControl(name)->GetPos();
        return image.pixelColor(rc.left + dx, rc.top + dy).rgb() & 0xFFFFFF;
    };
    // The accent button's image, the root's background, the panel colour.
    EXPECT_EQ(colourAt("sample_ok", 4, 16), 0x18C8FFu);
    EXPECT_EQ(colourAt("root", 4, 630), 0x15171Cu);
    EXPECT_EQ(colourAt("sample_cancel", 4, 16), 0x2A2E37u);
}

}  // namespace
