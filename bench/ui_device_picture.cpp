// Two measurements of the keyboard picture. BM_KeyboardPictureRepaint: one
// repaint of the picture, every key lit in a colour that changes from frame to
// frame the way the spectrum does. BM_KeyboardPictureCpu: CPU use of the program while the keyboard
// picture animates: a simulated keyboard by cable, its page's lighting worker running the spectrum
// at top speed, PushFrame every 5 ms streaming to the keyboard and the window repainting the
// picture at the display rate. Reported as the process's CPU time over 10 s of wall time, in
// percent of one core.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include "ProcessCpu.h"
#include "firmware/SimBackend.h"
#include "pages/PageTypes.h"
#include "pages/VexmoorUSBDevice.h"
#include "ui/RegisterCustomControls.h"
#include "uilib/DialogBuilder.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/RenderEngine.h"
#include "uilib/ResourceManager.h"
#include "uilib/UiHostWidget.h"

namespace {

using bench::ProcessCpuSeconds;

class Callback : public DuiLib::IDialogBuilderCallback {
public:
    DuiLib::CControlUI* CreateControl(const std::string& name) override {
        return ui::CreateCustomControl(name);
    }
};

// The window's widget, timing its paints (CPU time of the UI thread).
class TimedHost : public DuiLib::CUiHostWidget {
public:
    using CUiHostWidget::CUiHostWidget;
    double paintSeconds = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        timespec before{};
        timespec after{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &before);
        CUiHostWidget::paintEvent(event);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &after);
        paintSeconds += static_cast<double>(after.tv_sec - before.tv_sec) +
                        static_cast<double>(after.tv_nsec - before.tv_nsec) / 1e9;
    }
};

void EnsureApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

void BM_KeyboardPictureRepaint(benchmark::State& state) {
    EnsureApplication();
    DuiLib::CPaintManagerUI::SetResourcePath(ZENTOR_SOURCE_DIR "/skin");
    DuiLib::CResourceManager::GetInstance().LoadResource("res.xml");
    DuiLib::CPaintManagerUI pm;
    Callback callback;
    DuiLib::CDialogBuilder builder;
    DuiLib::CControlUI* root =
        builder.Create("XML/DeviceXml/keyboarddevice.xml", {}, &callback, &pm);
    if (root == nullptr) {
        state.SkipWithError("the keyboard page layout does not build");
        return;
    }
    pm.AttachDialog(root);
    pm.SetClientSize(1000, 640);
    std::vector<pages::IKeyLightButton*> keys;
    for (DuiLib::CControlUI* control : pm.FindSubControlsByClass(root, "DeviceKeyButton")) {
        if (auto* key = dynamic_cast<pages::IKeyLightButton*>(control)) {
            keys.push_back(key);
        }
    }
    DuiLib::CControlUI* picture = pm.FindControl("keyboard_device_key_light");
    if (keys.empty() || picture == nullptr) {
        state.SkipWithError("the keyboard picture has no keys");
        return;
    }
    QImage surface(1000, 640, QImage::Format_RGB32);  // as an opaque window's backing store
    surface.fill(Qt::black);
    QPainter painter(&surface);
    // As the window paints.
    painter.setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    pm.Paint(&painter, {0, 0, 1000, 640});  // lays out
    int frame = 0;
    for (auto _ : state) {
        // A hue wheel of 192 steps across the keys, one step further each frame.
        for (size_t i = 0; i < keys.size(); ++i) {
            const int h = static_cast<int>((frame + i * 4) % 192) * 2;
            const QColor c = QColor::fromHsv(h < 360 ? h : 359, 255, 255);
            keys[i]->SetKeyLight(static_cast<uint32_t>(c.red() | c.green() << 8 | c.blue() << 16),
                                 255, true);
        }
        pm.Paint(&painter, picture->GetPos());
        ++frame;
    }
    painter.end();
    benchmark::DoNotOptimize(surface.constBits());
    pm.DetachAndDeleteRoot();
}
BENCHMARK(BM_KeyboardPictureRepaint)->Unit(benchmark::kMicrosecond);

void BM_KeyboardPictureCpu(benchmark::State& state) {
    EnsureApplication();

    auto backend = std::make_shared<sim::SimBackend>();
    platform::InstallHidBackend(backend);
    auto keyboard = backend->AddDevice(sim::SimKind::kKeyboard);
    const int port = backend->Plug(keyboard, sim::SimPath::kCable);

    DuiLib::CPaintManagerUI::SetResourcePath(ZENTOR_SOURCE_DIR "/skin");
    DuiLib::CResourceManager::GetInstance().LoadResource("res.xml");
    DuiLib::CPaintManagerUI pm;
    TimedHost host(&pm, nullptr, Qt::Window);
    pm.Init(&host, "bench");
    Callback callback;
    DuiLib::CDialogBuilder builder;
    auto* page = dynamic_cast<pages::CVexmoorUSBDevice*>(
        builder.Create("XML/DeviceXml/keyboarddevice.xml", {}, &callback, &pm));
    if (page == nullptr) {
        state.SkipWithError("the keyboard page layout does not build");
        return;
    }
    pm.AttachDialog(page);
    pm.SetClientSize(1000, 640);
    host.resize(1000, 640);
    const bool shown = state.range(0) == 1;
    if (shown) {
        host.show();
    }
    page->SetPageXml("XML/DeviceXml/keyboarddevice.xml");
    page->SetKeyButtonCount(170);
    page->SetLedCount(170);
    page->InitPage();
    {
        device::DeviceLink& link = page->Link();
        std::lock_guard<std::recursive_mutex> lock(link.IoLock());
        link.WiredInterface().Open(backend->PathOf(port, 0xFF1C, 0x92), true, true, true, false);
        link.SetOpen(true);
        link.SetMode(device::LINK_MODE_WIRED);
    }
    profile::LightInfo info;
    info.selectItem = 4;  // spectrum
    info.light = 4;
    info.speed = 4;
    const auto words = profile::ToWords(info);
    page->SetLightSettings(words.w1, words.w2, words.w3, words.w4);
    page->StartLightWorker();

    QTimer frames;
    QObject::connect(&frames, &QTimer::timeout, [page] { page->PushFrame(); });
    frames.start(5);

    for (auto _ : state) {
        const int paintsBefore = pm.GetPaintCount();
        host.paintSeconds = 0;
        const uint64_t tintsBefore = DuiLib::CRenderEngine::GetTintCount();
        const double cpuBefore = ProcessCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const double seconds = wall.elapsed() / 1000.0;
        state.counters["cpu_percent"] = (ProcessCpuSeconds() - cpuBefore) / seconds * 100.0;
        const int paints = pm.GetPaintCount() - paintsBefore;
        state.counters["paints_per_s"] = paints / seconds;
        state.counters["us_per_paint"] = paints > 0 ? host.paintSeconds * 1e6 / paints : 0;
        state.counters["tints_per_paint"] =
            paints > 0
                ? static_cast<double>(DuiLib::CRenderEngine::GetTintCount() - tintsBefore) / paints
                : 0;
        state.counters["frames_streamed"] = static_cast<double>(keyboard->LastFrame().size());
    }
    frames.stop();
    page->StopLightWorker();
    host.hide();
    pm.DetachAndDeleteRoot();
    platform::InstallHidBackend(nullptr);
}
// picture:0 is the same without the window: what streaming and the lighting
// worker cost alone.
BENCHMARK(BM_KeyboardPictureCpu)
    ->ArgName("picture")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
