// The picture buttons: panning a large picture and the pointer notifications.
#include <gtest/gtest.h>

#include <QImage>

#include "ControlTestSupport.h"
#include "support/TempFolder.h"
#include "ui/HandImgButtonUI.h"
#include "ui/HandImgSelectButtonUI.h"
#include "uilib/RenderEngine.h"

namespace {

using DuiLib::CHandImgSelectButtonUI;
using DuiLib::UiRect;

class HandImgControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        controltest::EnsureApp();
        QImage picture(300, 200, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        picture.save(QString::fromStdString((skin.Path() / "photo.png").string()));
        DuiLib::CPaintManagerUI::SetResourcePath(skin.Path().string());
        DuiLib::CRenderEngine::FlushImages();
    }

    testing_support::TempFolder skin;
};

TEST_F(HandImgControlTest, DraggingPansTheWindowOverThePicture) {
    controltest::Window window(R"(<HorizontalLayout>
        <HandImgSelectButton name="photo" width="100" height="100" handimage="photo.png"/>
        <Control/></HorizontalLayout>)",
                               300, 200);
    ASSERT_TRUE(window.reports.empty());
    auto* button = window.pm.FindControl<CHandImgSelectButtonUI>("photo");
    EXPECT_EQ(button->GetSourceWindow(), (UiRect{0, 0, 100, 100}));
    EXPECT_EQ(button->GetDrawString(), "file='photo.png' source='0,0,100,100'");

    struct Step {
        const char* what;
        int dx;
        int dy;
        UiRect window;
    };
    const Step steps[] = {
        {"30 to the left reveals the right", -30, 0, {30, 0, 130, 100}},
        {"back by 50 stops at the left edge", 50, 0, {0, 0, 100, 100}},
        {"up by 60 reveals the bottom", 0, -60, {0, 60, 100, 160}},
        {"up by 60 more while the bottom is passed", 0, -60, {0, 120, 100, 220}},
        {"one more step up is refused past the edge", 0, -10, {0, 120, 100, 220}},
        {"down by 20", 0, 20, {0, 100, 100, 200}},
    };
    DuiLib::UiPoint pt{50, 50};
    window.pm.OnButtonDown(pt, 0);
    for (const Step& s : steps) {
        pt = {pt.x + s.dx, pt.y + s.dy};
        window.pm.OnMouseMove(pt, 0);
        EXPECT_EQ(button->GetSourceWindow(), s.window) << s.what;
    }
    window.pm.OnButtonUp(pt, 0);
    // Released: moving no longer pans, and the button never clicks.
    window.pm.OnMouseMove({pt.x - 40, pt.y}, 0);
    EXPECT_EQ(button->GetSourceWindow(), (UiRect{0, 100, 100, 200}));
    for (const std::string& e : window.recorder.events) {
        EXPECT_NE(e, "click:photo");
    }
}

TEST_F(HandImgControlTest, PictureThatFitsIsDrawnWhole) {
    controltest::Window window(R"(<HorizontalLayout>
        <HandImgSelectButton name="photo" width="400" height="300" handimage="photo.png"/>
        </HorizontalLayout>)",
                               400, 300);
    EXPECT_EQ(window.pm.FindControl<CHandImgSelectButtonUI>("photo")->GetDrawString(), "photo.png");
}

TEST_F(HandImgControlTest, MissingPictureKeepsTheDrawString) {
    controltest::Window window(R"(<HorizontalLayout>
        <HandImgSelectButton name="photo" width="100" height="100" handimage="photo.png"/>
        </HorizontalLayout>)",
                               100, 100);
    auto* button = window.pm.FindControl<CHandImgSelectButtonUI>("photo");
    button->SetAttribute("handimage", "missing.png");
    EXPECT_EQ(button->GetDrawString(), "file='photo.png' source='0,0,100,100'");
}

TEST_F(HandImgControlTest, CursorNamesPickSystemCursors) {
    controltest::Window window(
        R"(<HorizontalLayout><HandImgSelectButton name="photo" width="100" height="100"/></HorizontalLayout>)",
        100, 100);
    auto* button = window.pm.FindControl<CHandImgSelectButtonUI>("photo");
    const std::pair<const char*, int> cases[] = {
        {"HAND", 32649}, {"sizeall", 32646}, {"bogus", 32646}, {"ibeam", 32513}};
    for (const auto& [name, id] : cases) {
        EXPECT_TRUE(button->SetAttribute("cursor", name));
        EXPECT_EQ(button->GetCursor(), id) << name;
    }
}

TEST_F(HandImgControlTest, HandImageButtonReportsPointerAndClicks) {
    controltest::Window window(R"(<HorizontalLayout>
        <HandImgButton name="pic" width="50" height="50" handimage="file='photo.png'"/>
        <Control name="rest"/></HorizontalLayout>)",
                               100, 50);
    ASSERT_TRUE(window.reports.empty());
    window.pm.OnMouseMove({10, 10}, 0);
    window.pm.OnButtonDown({10, 10}, 0);
    window.pm.OnButtonUp({10, 10}, 0);
    window.pm.OnMouseMove({80, 10}, 0);
    // Pressed inside, released outside: no click.
    window.pm.OnButtonDown({10, 10}, 0);
    window.pm.OnMouseMove({80, 10}, 0);
    window.pm.OnButtonUp({80, 10}, 0);
    EXPECT_EQ(window.recorder.events,
              (std::vector<std::string>{"msenter:pic", "click:pic", "msleave:pic"}));
    const QImage image = window.Paint();
    EXPECT_EQ(image.pixelColor(25, 25), QColor(Qt::green));
}

}  // namespace
