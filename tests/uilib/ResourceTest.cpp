#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "UiTestSupport.h"
#include "uilib/LabelUI.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/ResourceManager.h"

using namespace DuiLib;

namespace {

class ResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::EnsureApp();
        ASSERT_TRUE(dir.isValid());
        saved = CPaintManagerUI::GetResourcePath();
        CPaintManagerUI::SetResourcePath(dir.path().toStdString());
        Write("lan_cn.xml",
              "<Language><Text id=\"Key_Set\" value=\"按键设置\"/>"
              "<Text id=\"message_text_7\" value=\"确定删除？\"/></Language>");
        Write("lan_en.xml", "<Language><Text id=\"Key_Set\" value=\"Key settings\"/></Language>");
        Write("res.xml",
              "<Res><Font id=\"3\" name=\"Noto Sans\" size=\"14\"/>"
              "<Xml name=\"XML_MAIN\" file=\"XML/main.xml\"/><Icon id=\"107\" "
              "file=\"app.png\"/></Res>");
    }
    void TearDown() override {
        CResourceManager::GetInstance().Release();
        CPaintManagerUI::SetResourcePath(saved);
    }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir.filePath(QString::fromStdString(name)).toStdString()) << text;
    }

    QTemporaryDir dir;
    std::string saved;
};

TEST_F(ResourceTest, LabelsShowTranslationsAndReadThemBack) {
    auto& resources = CResourceManager::GetInstance();
    ASSERT_TRUE(resources.LoadLanguage("lan_cn.xml"));
    CLabelUI label;
    label.SetText("Key_Set");
    EXPECT_EQ(label.GetText(), "按键设置");
    EXPECT_EQ(label.GetRawText(), "Key_Set");
    // A key without a translation shows the key.
    label.SetText("no_such_key");
    EXPECT_EQ(label.GetText(), "no_such_key");

    label.SetText("message_text_7");
    ASSERT_TRUE(resources.LoadLanguage("lan_en.xml"));
    EXPECT_EQ(label.GetText(), "message_text_7");
    label.SetText("Key_Set");
    EXPECT_EQ(label.GetText(), "Key settings");
    EXPECT_EQ(resources.GetLanguage(), "lan_en.xml");
}

TEST_F(ResourceTest, BrokenLanguageFileKeepsTheCurrentTexts) {
    auto& resources = CResourceManager::GetInstance();
    ASSERT_TRUE(resources.LoadLanguage("lan_cn.xml"));
    Write("broken.xml", "<Language><Text id=\"Key_Set\" value=\"x\"></Language>");
    EXPECT_FALSE(resources.LoadLanguage("broken.xml"));
    EXPECT_FALSE(resources.LoadLanguage("missing.xml"));
    EXPECT_EQ(resources.Translate("Key_Set"), "按键设置");
}

TEST_F(ResourceTest, ResourceDescriptionNamesLayoutsIconsAndFonts) {
    auto& resources = CResourceManager::GetInstance();
    ASSERT_TRUE(resources.LoadResource("res.xml"));
    EXPECT_EQ(resources.GetXmlPath("XML_MAIN"), "XML/main.xml");
    EXPECT_EQ(resources.GetXmlPath("other.xml"), "other.xml");
    EXPECT_NE(resources.GetIconFile(107).find("app.png"), std::string::npos);
    EXPECT_TRUE(resources.GetIconFile(108).empty());
}

}  // namespace
