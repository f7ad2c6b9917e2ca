// Host cost of the device link against simulated devices: one request/reply
// exchange with a device that answers at once, and a full 510-byte lighting
// frame with a device that takes 1 ms per report and direction.
#include <benchmark/benchmark.h>

#include <memory>

#include "device/DeviceLink.h"
#include "firmware/SimBackend.h"

namespace {

struct SimulatedLink {
    explicit SimulatedLink(int latencyMs) {
        platform::InstallHidBackend(backend);
        keyboard->Faults().latencyMs = latencyMs;
        const int port = backend->Plug(keyboard, sim::SimPath::kCable);
        link.WiredInterface().Open(backend->PathOf(port, 0xFF1C, 0x92), true, true, true, false);
        link.SetOpen(true);
        link.SetMode(device::LINK_MODE_WIRED);
    }
    ~SimulatedLink() { platform::InstallHidBackend(nullptr); }

    std::shared_ptr<sim::SimBackend> backend = std::make_shared<sim::SimBackend>();
    std::shared_ptr<sim::FirmwareModel> keyboard = backend->AddDevice(sim::SimKind::kKeyboard);
    device::DeviceLink link;
};

void BM_ExchangeZeroLatency(benchmark::State& state) {
    SimulatedLink sim(0);
    uint8_t info[device::DeviceLink::kInfoSize];
    for (auto _ : state) {
        // ReadInfo is one exchange in cable mode (34 bytes fit one chunk).
        if (sim.link.ReadInfo(info) != device::kResultSuccess) {
            state.SkipWithError("exchange failed");
            break;
        }
        benchmark::DoNotOptimize(info);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExchangeZeroLatency);

void BM_LightFrame510Bytes1msDevice(benchmark::State& state) {
    SimulatedLink sim(1);
    uint8_t frame[510] = {};
    for (auto _ : state) {
        frame[0]++;
        if (sim.link.SendLightFrame(frame, sizeof frame) != device::kResultSuccess) {
            state.SkipWithError("frame failed");
            break;
        }
    }
    state.counters["frames_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["reports_per_frame"] = 10;
}
BENCHMARK(BM_LightFrame510Bytes1msDevice)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
