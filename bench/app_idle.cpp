// CPU use of the whole program while nothing happens: the main window with a
// simulated keyboard and mouse by cable, their pages streaming frames and
// their lighting workers running in the default modes, discovery polling.
// Measured over 10 s of wall time each once both devices are shown, with the
// window hidden (as after its close button) and then shown (offscreen, so not
// active: the pictures do not animate); in percent of one core.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>

#include "ProcessCpu.h"
#include "app/MainWndTestSupport.h"
#include "app/SimulatedDevices.h"
#include "ui/DeviceOptionUI.h"

namespace {

using bench::ProcessCpuSeconds;

// Profiles and settings go to a folder of this run, not the user's.
void UseScratchDataFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/zentor-bench-XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made != nullptr ? made : "/tmp");
    }();
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// The program's own event loop for a while (the tests' waiting loop wakes
// every millisecond and would be measured too).
void RunEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Percent of one core the process uses over ms of its own event loop.
double CpuPercentOver(int ms) {
    const double cpu = ProcessCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunEventLoop(ms);
    return 100.0 * (ProcessCpuSeconds() - cpu) / (static_cast<double>(wall.elapsed()) / 1000.0);
}

// One window for both figures: the hidden one first (the program's state
// after its close button), then shown.
void BM_IdleCpu(benchmark::State& state) {
    UseScratchDataFolder();
    apptest::EnsureApp();
    app::SimulatedDevices devices;
    if (!devices.Install("keyboard,mouse")) {
        state.SkipWithError("the simulator did not start");
        return;
    }
    auto h = std::make_unique<apptest::MainWndHarness>();
    auto shown = [&h](int i) {
        return h->wnd->Option(i) != nullptr && h->wnd->Option(i)->IsShown();
    };
    if (!h->WaitShown() || !apptest::WaitUntil([&] { return shown(0) && shown(1); }, 5000)) {
        state.SkipWithError("the devices did not show up");
        return;
    }
    for (auto _ : state) {
        h->wnd->ShowWindow(false, false);
        RunEventLoop(2000);  // first reads and settling
        state.counters["cpu%_hidden"] = CpuPercentOver(10000);
        h->wnd->ShowWindow(true, false);
        RunEventLoop(2000);
        const int paints = h->wnd->GetPaintManager().GetPaintCount();
        state.counters["cpu%_shown"] = CpuPercentOver(10000);
        state.counters["paints/s"] = (h->wnd->GetPaintManager().GetPaintCount() - paints) / 10.0;
    }
    h.reset();
}
BENCHMARK(BM_IdleCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
