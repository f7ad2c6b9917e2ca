// The ring progress, the waveform strip and the chart view.
#include <gtest/gtest.h>

#include <cmath>

#include "ControlTestSupport.h"
#include "ui/AudioRecordUI.h"
#include "ui/ChartViewUI.h"
#include "ui/CircleProgressUI.h"
#include "uilib/ContainerUI.h"

namespace {

using DuiLib::CAudioRecordUI;
using DuiLib::CChartViewUI;
using DuiLib::CCircleProgressUI;

// A point of the ring (between the outer edge and the white inset) at an
// angle measured clockwise from the positive x axis.
QColor RingPixel(const QImage& image, double degrees) {
    const double a = degrees * M_PI / 180.0;
    return image.pixelColor(static_cast<int>(50 + 45 * std::cos(a)),
                            static_cast<int>(50 + 45 * std::sin(a)));
}

TEST(CircleProgressControlTest, RingSweepsClockwiseFromTheBottom) {
    controltest::Window window(R"(<HorizontalLayout>
        <CircleProgress name="ring" width="100" height="100" min="0" max="100" value="25"
            bkcolor="#FF202020" forecolor="#FFFF0000"/></HorizontalLayout>)",
                               100, 100);
    ASSERT_TRUE(window.reports.empty());
    auto* ring = window.pm.FindControl<CCircleProgressUI>("ring");
    EXPECT_EQ(ring->SweepDegrees(), 90);
    QImage image = window.Paint();
    EXPECT_EQ(RingPixel(image, 135), QColor(255, 0, 0)) << "bottom left is filled";
    EXPECT_EQ(RingPixel(image, 45), QColor(0x20, 0x20, 0x20)) << "bottom right is not";
    EXPECT_EQ(RingPixel(image, 270), QColor(0x20, 0x20, 0x20));
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::white)) << "the middle is a white disc";

    ring->SetValue(0);
    EXPECT_EQ(ring->SweepDegrees(), 0);
    image = window.Paint();
    EXPECT_EQ(RingPixel(image, 135), QColor(0x20, 0x20, 0x20));

    ring->SetValue(33);
    EXPECT_EQ(ring->SweepDegrees(), 118) << "118.8 is truncated, not rounded";
    ring->SetMinValue(100);
    EXPECT_EQ(ring->SweepDegrees(), 0) << "an empty range shows nothing";
}

TEST(AudioRecordControlTest, OneBarEveryTwoPixels) {
    const std::pair<int, int> cases[] = {{100, 50}, {7, 4}, {1, 1}, {0, 0}, {1200, 500}};
    for (const auto& [width, bars] : cases) {
        controltest::Window window("<HorizontalLayout><AudioRecord name=\"wave\" width=\"" +
                                       std::to_string(width) +
                                       "\" height=\"40\"/><Control/></HorizontalLayout>",
                                   std::max(width, 1), 40);
        auto* wave = window.pm.FindControl<CAudioRecordUI>("wave");
        EXPECT_EQ(wave->BarCount(), bars) << width;
    }
}

TEST(AudioRecordControlTest, BarsFollowTheSamples) {
    controltest::Window window(R"(<HorizontalLayout>
        <AudioRecord name="wave" width="10" height="40"/></HorizontalLayout>)",
                               10, 40);
    auto* wave = window.pm.FindControl<CAudioRecordUI>("wave");
    EXPECT_EQ(wave->GetSample(200), 200);
    EXPECT_EQ(wave->GetSample(300), 0);
    wave->SetSample(0, 8192);
    wave->SetSample(1, 4096);
    wave->SetSample(2, 0);
    const QImage image = window.Paint();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black)) << "full sample: full height";
    EXPECT_EQ(image.pixelColor(1, 39), QColor(Qt::white)) << "no bar between the bars";
    EXPECT_EQ(image.pixelColor(2, 19), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(2, 20), QColor(Qt::black)) << "half sample: lower half";
    EXPECT_EQ(image.pixelColor(4, 39), QColor(Qt::white)) << "silence draws nothing";
}

TEST(ChartViewControlTest, AttributesAreCaseSensitiveAndKeepUnknownViews) {
    controltest::EnsureApp();
    CChartViewUI chart;
    struct Case {
        const char* name;
        const char* value;
        int view;
        bool showText;
    };
    const Case cases[] = {
        {"view", "histpgram", CChartViewUI::kHistogram, true},
        {"view", "bars", CChartViewUI::kHistogram, true},
        {"VIEW", "pie", CChartViewUI::kHistogram, true},
        {"view", "pie", CChartViewUI::kPie, true},
        {"showtext", "TRUE", CChartViewUI::kPie, false},
        {"showtext", "true", CChartViewUI::kPie, true},
    };
    for (const Case& c : cases) {
        chart.SetAttribute(c.name, c.value);
        EXPECT_EQ(chart.GetViewKind(), c.view) << c.name << "=" << c.value;
        EXPECT_EQ(chart.IsShowText(), c.showText) << c.name << "=" << c.value;
    }
    chart.SetAttribute("shadowimageheight", "30");
    chart.SetPos({0, 0, 200, 100});
    EXPECT_EQ(chart.ShadowRect(), (DuiLib::UiRect{0, 45, 200, 75}));
    chart.SetAttribute("showtext", "false");
    EXPECT_EQ(chart.ShadowRect(), (DuiLib::UiRect{0, 70, 200, 100}));
}

TEST(ChartViewControlTest, ShadowImageThatCannotBeDrawnIsForgotten) {
    controltest::Window window("<HorizontalLayout/>", 100, 100);
    // The chart has no layout tag; it is created by its factory name.
    auto* chart = new CChartViewUI();
    chart->SetAttribute("view", "histpgram");
    chart->SetAttribute("shadowimage", "file='no such image.png'");
    chart->SetAttribute("shadowimageheight", "20");
    static_cast<DuiLib::CContainerUI*>(window.root)->Add(chart);
    window.Paint();
    EXPECT_TRUE(chart->GetShadowImage().empty());
}

}  // namespace
