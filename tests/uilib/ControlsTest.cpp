#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "uilib/ColorPaletteUI.h"
#include "uilib/DialogBuilder.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/ProgressUI.h"

using namespace DuiLib;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        uitest::EnsureApp();
        CDialogBuilder builder;
        CControlUI* root = builder.Create(R"(<VerticalLayout>
            <ColorPalette name="palette" height="222" barheight="14"/>
            <Progress name="progress" height="10" min="10" max="20" value="15"/>
          </VerticalLayout>)",
                                          {}, nullptr, &pm);
        ASSERT_NE(root, nullptr);
        ASSERT_TRUE(builder.Reports().empty()) << builder.Reports()[0];
        pm.AttachDialog(root);
        pm.SetClientSize(361, 300);
        pm.AddNotifier(&recorder);
        pm.UpdateLayout();
    }
    CPaintManagerUI pm;
    uitest::Recorder recorder;
};

TEST_F(ControlsTest, PaletteReportsThePickedColourOnRelease) {
    auto* palette = pm.FindControl<CColorPaletteUI>("palette");
    UiRect field = palette->GetPalletRect();
    ASSERT_EQ(field.Height(), 200);
    // Top-left of the field: hue 0 at full saturation and brightness.
    pm.OnButtonDown({field.left + 100, field.top + 100}, 0);
    pm.OnMouseMove({field.left, field.top}, 0);
    EXPECT_TRUE(recorder.Of("colorchanged").empty());
    pm.OnButtonUp({field.left, field.top}, 0);
    ASSERT_EQ(recorder.Of("colorchanged").size(), 1u);
    EXPECT_EQ(palette->GetSelectColor(), 0xFFFF0000u);
    EXPECT_EQ(recorder.last.wParam, 0xFFFF0000u);

    // The brightness bar's left end is black whatever the hue.
    UiRect bar = palette->GetBarRect();
    pm.OnButtonDown({bar.left, bar.top + 2}, 0);
    pm.OnButtonUp({bar.left, bar.top + 2}, 0);
    EXPECT_EQ(palette->GetSelectColor(), 0xFF000000u);
}

TEST_F(ControlsTest, PaletteSelectColourRoundTrips) {
    auto* palette = pm.FindControl<CColorPaletteUI>("palette");
    for (uint32_t color : {0xFF18C8FFu, 0xFFFF0000u, 0xFF00FF00u, 0xFF123456u, 0xFFFFFFFFu}) {
        palette->SetSelectColor(color);
        uint32_t back = palette->GetSelectColor();
        // Hue and saturation are kept in steps fine enough for one unit per channel.
        for (int shift : {0, 8, 16}) {
            EXPECT_NEAR(static_cast<int>((back >> shift) & 0xFF),
                        static_cast<int>((color >> shift) & 0xFF), 1)
                << std::hex << color;
        }
    }
    EXPECT_TRUE(recorder.Of("colorchanged").empty());
}

TEST_F(ControlsTest, ProgressValueStaysWithinItsRange) {
    auto* progress = pm.FindControl<CProgressUI>("progress");
    EXPECT_EQ(progress->GetValue(), 15);
    progress->SetValue(99);
    EXPECT_EQ(progress->GetValue(), 20);
    progress->SetValue(-5);
    EXPECT_EQ(progress->GetValue(), 10);
    progress->SetMaxValue(12);
    progress->SetValue(11);
    EXPECT_EQ(progress->GetValue(), 11);
}

}  // namespace
