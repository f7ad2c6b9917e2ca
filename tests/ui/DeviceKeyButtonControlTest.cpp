// Painting and events of a key button of the device picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ControlTestSupport.h"
#include "support/TempFolder.h"
#include "ui/DeviceKeyButtonUI.h"
#include "uilib/RenderEngine.h"

namespace {

using DuiLib::CDeviceKeyButtonUI;

// A skin folder with a solid light image and a solid mark in the top-right
// quarter.
class DeviceKeyButtonControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        controltest::EnsureApp();
        QImage light(10, 10, QImage::Format_ARGB32);
        light.fill(Qt::white);
        light.save(QString::fromStdString((skin.Path() / "light.png").string()));
        QImage mark(10, 10, QImage::Format_ARGB32);
        mark.fill(Qt::transparent);
        QPainter(&mark).fillRect(5, 0, 5, 5, QColor(0, 0, 255));
        mark.save(QString::fromStdString((skin.Path() / "mark.png").string()));
        DuiLib::CPaintManagerUI::SetResourcePath(skin.Path().string());
        DuiLib::CRenderEngine::FlushImages();
    }

    testing_support::TempFolder skin;
};

TEST_F(DeviceKeyButtonControlTest, LightImageOnlyWhenLitAndMarkOnlyWhenShown) {
    controltest::Window window(R"(<HorizontalLayout>
        <DeviceKeyButton name="key_1" width="40" height="40"
            lightimage="file='light.png'" keysetimage="file='mark.png'"/></HorizontalLayout>)",
                               40, 40);
    ASSERT_TRUE(window.reports.empty());
    auto* key = window.pm.FindControl<CDeviceKeyButtonUI>("key_1");
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->IsKeyLit());

    // Colour set, but not lit: nothing of the light image shows.
    key->SetKeyLight(0x0000FF, 255, false);
    QImage image = window.Paint();
    EXPECT_EQ(image.pixelColor(10, 30), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(30, 10), QColor(Qt::black)) << "mark hidden at first";

    key->SetKeyLight(0x0000FF, 255, true);  // red, in R | G << 8 | B << 16
    image = window.Paint();
    EXPECT_EQ(image.pixelColor(10, 30), QColor(255, 0, 0));

    key->SetKeyLight(0xFF0000, 128, true);  // blue at half intensity
    image = window.Paint();
    EXPECT_NEAR(image.pixelColor(10, 30).blue(), 128, 2);
    EXPECT_EQ(image.pixelColor(10, 30).red(), 0);

    key->SetKeySetMarkHidden(0);
    image = window.Paint();
    EXPECT_EQ(image.pixelColor(35, 5), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(10, 30).red(), 0) << "the mark covers only its own pixels";
}

TEST_F(DeviceKeyButtonControlTest, DoubleClickRaisesDbclickOnlyWhenEnabled) {
    controltest::Window window(
        R"(<HorizontalLayout><DeviceKeyButton name="key_2" width="40" height="40"/></HorizontalLayout>)",
        40, 40);
    window.pm.OnDoubleClick({10, 10}, 0);
    window.pm.OnButtonUp({10, 10}, 0);
    EXPECT_EQ(window.recorder.events, (std::vector<std::string>{"dbclick:key_2", "click:key_2"}));

    window.recorder.events.clear();
    window.pm.FindControl("key_2")->SetEnabled(false);
    window.pm.OnDoubleClick({10, 10}, 0);
    window.pm.OnButtonUp({10, 10}, 0);
    EXPECT_TRUE(window.recorder.events.empty());
}

TEST_F(DeviceKeyButtonControlTest, KeyLightIsStoredWithoutRepaint) {
    controltest::Window window(
        R"(<HorizontalLayout><DeviceKeyButton name="key_3" width="40" height="40"/></HorizontalLayout>)",
        40, 40);
    auto* key = window.pm.FindControl<CDeviceKeyButtonUI>("key_3");
    EXPECT_EQ(key->GetKeyLightColor(), 255u);
    EXPECT_EQ(key->GetKeyLightAlpha(), 200);
    EXPECT_EQ(key->IsKeySetMarkHidden(), 1);
    key->SetKeyLight(0x123456, 17, true);
    EXPECT_EQ(key->GetKeyLightColor(), 0x123456u);
    EXPECT_EQ(key->GetKeyLightAlpha(), 17);
    EXPECT_TRUE(key->IsKeyLit());
}

}  // namespace
