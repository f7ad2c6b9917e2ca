// Report descriptor parsing: the simulated devices' descriptors, the largest
// captured real interface, and building and filling the report items the
// event readers use.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "device/HidCapsItems.h"
#include "device/ReportDescriptor.h"
#include "device/ReportDescriptorText.h"
#include "device/SimulatedDescriptors.h"

namespace {

void Parse(benchmark::State& state, const std::vector<uint8_t>& bytes) {
    device::ReportDescriptorInfo info;
    for (auto _ : state) {
        if (!device::ParseReportDescriptor(bytes.data(), bytes.size(), &info, nullptr)) {
            state.SkipWithError("descriptor refused");
            return;
        }
        benchmark::DoNotOptimize(info.collections.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
    state.counters["bytes"] = double(bytes.size());
}

void BM_ParseSimulated(benchmark::State& state, const char* kind, int interfaceNumber) {
    Parse(state, device::SimulatedDescriptor(kind, uint8_t(interfaceNumber)));
}
BENCHMARK_CAPTURE(BM_ParseSimulated, keyboard_if0, "keyboard", 0);
BENCHMARK_CAPTURE(BM_ParseSimulated, keyboard_if1, "keyboard", 1);
BENCHMARK_CAPTURE(BM_ParseSimulated, mouse_if0, "mouse", 0);
BENCHMARK_CAPTURE(BM_ParseSimulated, mouse_if1, "mouse", 1);
BENCHMARK_CAPTURE(BM_ParseSimulated, pad_if1, "pad", 1);
BENCHMARK_CAPTURE(BM_ParseSimulated, headset_if3, "headset", 3);

// A Bluetooth mouse's whole interface as captured: six top-level collections
// in 246 bytes, the largest real descriptor among the fixtures.
void BM_ParseRealInterface(benchmark::State& state) {
    std::ifstream file(ZENTOR_SHARED_DIR "/fixtures/hid/046D_B010_0002_0001_real.rpt_desc");
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    const size_t begin = text.find("DESCRIPTOR:");
    std::vector<uint8_t> bytes;
    if (begin == std::string::npos ||
        !device::ParseReportDescriptorText(text.substr(begin, text.find("bytes)", begin) - begin),
                                           &bytes, nullptr)) {
        state.SkipWithError("captured fixture not found");
        return;
    }
    Parse(state, bytes);
}
BENCHMARK(BM_ParseRealInterface);

// What a notification reader does per report: unpack the consumer report.
void BM_UnpackNotification(benchmark::State& state) {
    const std::vector<uint8_t> bytes = device::SimulatedDescriptor("keyboard");
    device::ReportDescriptorInfo info;
    device::ParseReportDescriptor(bytes.data(), bytes.size(), &info, nullptr);
    const device::HidCollectionCaps& caps = *device::FindCollection(info, 3);
    auto items = device::BuildReportItems(caps, device::HidReportType::kInput);
    const uint8_t report[] = {0x03, 0x01, 0x04, 0x00, 0x00};
    for (auto _ : state) {
        benchmark::DoNotOptimize(device::UnpackInputReport(caps, items, report, sizeof(report)));
    }
}
BENCHMARK(BM_UnpackNotification);

// Building the item tables of a whole interface, as an open does.
void BM_BuildItemsKeyboardInterface(benchmark::State& state) {
    const std::vector<uint8_t> bytes = device::SimulatedDescriptor("keyboard");
    device::ReportDescriptorInfo info;
    device::ParseReportDescriptor(bytes.data(), bytes.size(), &info, nullptr);
    for (auto _ : state) {
        for (const auto& caps : info.collections) {
            for (int type = 0; type < device::kHidReportTypeCount; ++type) {
                benchmark::DoNotOptimize(
                    device::BuildReportItems(caps, device::HidReportType(type)).data());
            }
        }
    }
}
BENCHMARK(BM_BuildItemsKeyboardInterface);

}  // namespace
