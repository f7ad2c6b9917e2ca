// The UI library's costs that decide how the program feels: building a layout
// of 500 controls, a full repaint of a 1000 x 640 window holding 300 visible
// controls, a repaint of a region holding 200 of them, and how many repaints
// a window makes while a 5 ms timer invalidates one of its controls.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <string>

#include "uilib/DialogBuilder.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"
#include "uilib/ResourceManager.h"
#include "uilib/WindowImplBase.h"

using namespace DuiLib;

namespace {

void EnsureApp() {
    static int argc = 1;
    static char name[] = "bench_uilib";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        new QApplication(argc, argv);
        CPaintManagerUI::SetResourcePath(std::string(ZENTOR_SOURCE_DIR) + "/skin/");
        CResourceManager::GetInstance().LoadResource("res.xml");
    }
}

// rows x columns cells of 64 x 32 in a 1000 x 640 window; every cell is a
// button with the skin's images and a text, or a label.
std::string GridLayout(int rows, int columns) {
    std::string xml =
        "<Window size=\"1000,640\"><VerticalLayout bkcolor=\"#FF15171C\" inset=\"4,4,4,4\">";
    for (int r = 0; r < rows; ++r) {
        xml +=
            "<HorizontalLayout height=\"" + std::to_string(600 / rows) + "\" childpadding=\"2\">";
        for (int c = 0; c < columns; ++c) {
            std::string name = "cell_" + std::to_string(r * columns + c);
            if ((r + c) % 2 == 0) {
                xml += "<Button name=\"" + name + "\" text=\"Key " + std::to_string(c) + "\"/>";
            } else {
                xml += "<Label name=\"" + name + "\" text=\"Label\" align=\"center\"/>";
            }
        }
        xml += "</HorizontalLayout>";
    }
    return xml + "</VerticalLayout></Window>";
}

// 500 controls in nested layouts, as a busy settings page is built.
std::string FiveHundredControls() {
    std::string xml = "<Window size=\"1000,640\"><VerticalLayout vscrollbar=\"true\">";
    int count = 1;
    for (int block = 0; block < 50; ++block) {
        xml += "<HorizontalLayout height=\"30\" childpadding=\"4\">";
        ++count;
        for (int i = 0; i < 3; ++i, ++count) {
            xml += "<Option name=\"op_" + std::to_string(count) + "\" group=\"g" +
                   std::to_string(block) + "\" text=\"Option\" width=\"80\"/>";
        }
        for (int i = 0; i < 3; ++i, ++count) {
            xml +=
                "<Label name=\"lb_" + std::to_string(count) + "\" text=\"Key_Set\" width=\"60\"/>";
        }
        xml += "<Slider name=\"sl_" + std::to_string(count++) +
               "\" min=\"0\" max=\"100\" value=\"40\"/>";
        xml += "<Button name=\"bt_" + std::to_string(count++) + "\" text=\"OK\" width=\"60\"/>";
        xml += "<Edit name=\"ed_" + std::to_string(count++) + "\" width=\"80\"/>";
        xml += "</HorizontalLayout>";
    }
    return xml + "</VerticalLayout></Window>";
}

void BM_Build500Controls(benchmark::State& state) {
    EnsureApp();
    std::string xml = FiveHundredControls();
    for (auto _ : state) {
        CPaintManagerUI pm;
        CDialogBuilder builder;
        CControlUI* root = builder.Create(xml, {}, nullptr, &pm);
        pm.AttachDialog(root);
        pm.UpdateLayout();
        benchmark::DoNotOptimize(root);
    }
}
BENCHMARK(BM_Build500Controls)->Unit(benchmark::kMillisecond);

struct PaintFixture {
    PaintFixture() : image(1000, 640, QImage::Format_ARGB32_Premultiplied) {
        EnsureApp();
        CDialogBuilder builder;
        pm.AttachDialog(builder.Create(GridLayout(20, 15), {}, nullptr, &pm));
        pm.SetClientSize(1000, 640);
        pm.UpdateLayout();
    }
    void Paint(const UiRect& rc) {
        QPainter painter(&image);
        painter.setClipRect(QRect(rc.left, rc.top, rc.Width(), rc.Height()));
        pm.Paint(&painter, rc);
    }
    CPaintManagerUI pm;
    QImage image;
};

void BM_FullRepaint300Controls(benchmark::State& state) {
    PaintFixture fixture;
    for (auto _ : state) {
        fixture.Paint({0, 0, 1000, 640});
    }
}
BENCHMARK(BM_FullRepaint300Controls)->Unit(benchmark::kMillisecond);

void BM_RegionRepaint200Controls(benchmark::State& state) {
    PaintFixture fixture;
    // The first 10 columns of the 20 rows: 200 controls.
    const UiRect& last = fixture.pm.FindControl("cell_9")->GetPos();
    UiRect region{0, 0, last.right, 640};
    for (auto _ : state) {
        fixture.Paint(region);
    }
}
BENCHMARK(BM_RegionRepaint200Controls)->Unit(benchmark::kMillisecond);

class GridWnd : public WindowImplBase {
public:
    std::string GetWindowClassName() const override { return "GridWnd"; }
    std::string GetSkinFile() override { return GridLayout(20, 15); }
    void Notify(TNotifyUI& msg) override {
        if (msg.sType == "timer") {
            ++invalidations;
            msg.pSender->Invalidate();
        }
    }
    int invalidations = 0;
};

// Real time: a shown window, its event loop and a 5 ms timer that invalidates
// a button each time. Reports repaints and invalidations per second.
void BM_InvalidateEvery5ms(benchmark::State& state) {
    EnsureApp();
    GridWnd wnd;
    wnd.Create({}, "bench", 0, 0);
    wnd.ShowWindow(true);
    CPaintManagerUI& pm = wnd.GetPaintManager();
    CControlUI* cell = pm.FindControl("cell_0");
    double seconds = 0;
    int paints = 0;
    int invalidations = 0;
    for (auto _ : state) {
        int paintsBefore = pm.GetPaintCount();
        int invalidationsBefore = wnd.invalidations;
        pm.SetTimer(cell, 1, 5);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 500) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        pm.KillTimer(cell, 1);
        seconds += clock.elapsed() / 1000.0;
        paints += pm.GetPaintCount() - paintsBefore;
        invalidations += wnd.invalidations - invalidationsBefore;
    }
    state.counters["repaints_per_s"] = paints / seconds;
    state.counters["invalidations_per_s"] = invalidations / seconds;
}
BENCHMARK(BM_InvalidateEvery5ms)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

namespace {

// The three draws of a lit key on a window-like surface, one call each: its
// label, its light tinted in a colour that changes every call, its keycap.
enum class KeyDraw { kLabel, kTintedLight, kKeycap };

void KeyPart(benchmark::State& state, KeyDraw what) {
    EnsureApp();
    QImage surface(400, 100, QImage::Format_RGB32);
    surface.fill(Qt::black);
    QPainter painter(&surface);
    painter.setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const DuiLib::UiRect key{10, 10, 42, 42};
    uint32_t n = 0;
    for (auto _ : state) {
        switch (what) {
            case KeyDraw::kLabel:
                DuiLib::CRenderEngine::DrawText(
                    &painter, key, "Esc", 0xFFE8E8E8, 2,
                    DuiLib::DT_CENTER | DuiLib::DT_VCENTER | DuiLib::DT_SINGLELINE);
                break;
            case KeyDraw::kTintedLight:
                DuiLib::CRenderEngine::DrawImageString(&painter, nullptr, key, key,
                                                       "file='device/key_light_32x32.png'", {},
                                                       0xFF000000u | (n++ % 192) << 8, 255, true);
                break;
            case KeyDraw::kKeycap:
                DuiLib::CRenderEngine::DrawImageString(
                    &painter, nullptr, key, key, "file='device/key_normal.png' corner='8,8,8,8'");
                break;
        }
    }
}
void BM_KeyLabel(benchmark::State& state) {
    KeyPart(state, KeyDraw::kLabel);
}
void BM_KeyTintedLight(benchmark::State& state) {
    KeyPart(state, KeyDraw::kTintedLight);
}
void BM_KeyKeycap(benchmark::State& state) {
    KeyPart(state, KeyDraw::kKeycap);
}
BENCHMARK(BM_KeyLabel);
BENCHMARK(BM_KeyTintedLight);
BENCHMARK(BM_KeyKeycap);

}  // namespace
