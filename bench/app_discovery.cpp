// What one discovery poll costs: listing the interfaces through hidapi on this
// machine and through the simulator, the check of the hidraw node folder that
// lets an unchanged list go unlisted, and the worker's CPU use while it polls
// with two simulated devices present.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "ProcessCpu.h"
#include "app/DeviceDiscovery.h"
#include "device/HidBackendDefault.h"
#include "firmware/SimBackend.h"
#include "platform/hid/HidListWatch.h"

namespace {

using bench::ProcessCpuSeconds;

class NullSink : public app::IDiscoverySink {
public:
    void OnDeviceFound(std::size_t) override {}
    void OnDeviceLost(std::size_t) override {}
    void OnFirstScanDone() override {}
};

void UseHidapi() {
    platform::InstallHidBackend(nullptr);
    device::ActiveBackend();
}

std::shared_ptr<sim::SimBackend> UseSimulator() {
    auto simulator = std::make_shared<sim::SimBackend>();
    simulator->Plug(simulator->AddDevice(sim::SimKind::kKeyboard), sim::SimPath::kCable);
    simulator->Plug(simulator->AddDevice(sim::SimKind::kMouse), sim::SimPath::kCable);
    platform::InstallHidBackend(simulator);
    return simulator;
}

// hidapi's listing of every HID interface with their descriptors.
void BM_HidapiEnumerate(benchmark::State& state) {
    UseHidapi();
    std::vector<platform::HidDeviceEntry> entries;
    for (auto _ : state) {
        device::ActiveBackend()->Enumerate(entries);
        benchmark::DoNotOptimize(entries.data());
    }
    state.counters["collections"] = static_cast<double>(entries.size());
}
BENCHMARK(BM_HidapiEnumerate);

// One poll with hidapi that lists every time (no folder watch).
void BM_PassHidapiListing(benchmark::State& state) {
    UseHidapi();
    NullSink sink;
    app::DeviceDiscovery discovery(sink);
    discovery.SetListWatch(nullptr);
    for (auto _ : state) {
        benchmark::DoNotOptimize(discovery.Pass());
    }
}
BENCHMARK(BM_PassHidapiListing);

// One poll with hidapi once the node list has settled: the folder is looked
// at, the list is not taken again.
void BM_PassHidapiWatched(benchmark::State& state) {
    UseHidapi();
    NullSink sink;
    app::DeviceDiscovery discovery(sink);
    for (int i = 0; i < 20; ++i) {
        discovery.Pass();
    }
    const int before = discovery.Enumerations();
    for (auto _ : state) {
        benchmark::DoNotOptimize(discovery.Pass());
    }
    state.counters["listings"] = discovery.Enumerations() - before;
}
BENCHMARK(BM_PassHidapiWatched);

void BM_HidrawFolderWatch(benchmark::State& state) {
    platform::HidrawFolderWatch watch;
    for (auto _ : state) {
        benchmark::DoNotOptimize(watch.Changed());
    }
}
BENCHMARK(BM_HidrawFolderWatch);

// One poll with a simulated keyboard and mouse present: the listing, the
// probes of the absent rows' look-alikes and the presence check.
void BM_PassSimulator(benchmark::State& state) {
    auto simulator = UseSimulator();
    NullSink sink;
    app::DeviceDiscovery discovery(sink);
    discovery.Pass();
    for (auto _ : state) {
        benchmark::DoNotOptimize(discovery.Pass());
    }
    state.counters["probes/pass"] =
        benchmark::Counter(discovery.Probes(), benchmark::Counter::kAvgIterations);
    platform::InstallHidBackend(nullptr);
}
BENCHMARK(BM_PassSimulator);

// The running worker, 100 ms apart, for three seconds: CPU percent of one
// core while nothing changes.
enum class Idle { kSimulator, kHidapiWatched, kHidapiListing };

void WorkerIdle(benchmark::State& state, Idle mode) {
    std::shared_ptr<sim::SimBackend> simulator;
    if (mode == Idle::kSimulator) {
        simulator = UseSimulator();
    } else {
        UseHidapi();
    }
    for (auto _ : state) {
        NullSink sink;
        app::DeviceDiscovery discovery(sink);
        if (mode == Idle::kHidapiListing) {
            discovery.SetListWatch(nullptr);
        }
        discovery.Start();
        // Past the first passes and the settling after them.
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        const double cpu = ProcessCpuSeconds();
        const int listings = discovery.Enumerations();
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(3));
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.counters["cpu%"] = 100.0 * (ProcessCpuSeconds() - cpu) / wall;
        state.counters["listings"] = discovery.Enumerations() - listings;
        discovery.Stop();
    }
    platform::InstallHidBackend(nullptr);
}
void BM_WorkerIdleSimulator(benchmark::State& state) {
    WorkerIdle(state, Idle::kSimulator);
}
void BM_WorkerIdleHidapiWatched(benchmark::State& state) {
    WorkerIdle(state, Idle::kHidapiWatched);
}
void BM_WorkerIdleHidapiListing(benchmark::State& state) {
    WorkerIdle(state, Idle::kHidapiListing);
}
BENCHMARK(BM_WorkerIdleSimulator)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkerIdleHidapiWatched)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkerIdleHidapiListing)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
