// Loading, decoding and saving a full keyboard profile: the work a device page
// does on every profile switch and after every edit.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "profile/CKeyboardProfiledata.h"
#include "profile/JsonFile.h"

namespace {
namespace fs = std::filesystem;

const fs::path kDefaultProfile = fs::path(ZENTOR_SOURCE_DIR) / "DefaultData" / "keyboard.Json";
constexpr int kCustomGroups = 5;
constexpr int kKeys = 170;

// A user folder holding a copy of the shipped keyboard profile.
class UserFolder {
public:
    UserFolder() {
        std::string pattern = (fs::temp_directory_path() / "zentor_bench_XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
            fs::copy_file(kDefaultProfile, m_path / "user.Json");
        }
    }
    ~UserFolder() {
        std::error_code error;
        fs::remove_all(m_path, error);
    }
    fs::path Profile() const { return m_path / "user.Json"; }

private:
    fs::path m_path;
};

void DecodeAll(profile::CKeyboardProfiledata& data) {
    benchmark::DoNotOptimize(data.ReadKeyList());
    benchmark::DoNotOptimize(data.ReadLightInfo());
    benchmark::DoNotOptimize(data.ReadAudioLightInfo());
    benchmark::DoNotOptimize(data.ReadLightList());
    benchmark::DoNotOptimize(data.ReadSystemStages());
    benchmark::DoNotOptimize(data.ReadCustomGroupIndex());
    for (int group = 0; group < kCustomGroups; ++group) {
        benchmark::DoNotOptimize(data.ReadCustomColors(group, kKeys));
    }
}

void BM_LoadDecodeSaveKeyboardProfile(benchmark::State& state) {
    UserFolder folder;
    for (auto _ : state) {
        profile::CKeyboardProfiledata data;
        data.SetDefaultPath(kDefaultProfile);
        data.SetProfilePath(folder.Profile());
        data.LoadDocument(folder.Profile());
        DecodeAll(data);
        if (!data.Save()) {
            state.SkipWithError("the profile could not be saved");
            break;
        }
    }
}
BENCHMARK(BM_LoadDecodeSaveKeyboardProfile)->Unit(benchmark::kMillisecond);

void BM_LoadKeyboardProfile(benchmark::State& state) {
    UserFolder folder;
    for (auto _ : state) {
        profile::CKeyboardProfiledata data;
        benchmark::DoNotOptimize(data.LoadDocument(folder.Profile()));
    }
}
BENCHMARK(BM_LoadKeyboardProfile)->Unit(benchmark::kMillisecond);

void BM_SaveKeyboardProfile(benchmark::State& state) {
    UserFolder folder;
    profile::CKeyboardProfiledata data;
    data.SetProfilePath(folder.Profile());
    data.LoadDocument(folder.Profile());
    for (auto _ : state) {
        if (!data.Save()) {
            state.SkipWithError("the profile could not be saved");
            break;
        }
    }
}
BENCHMARK(BM_SaveKeyboardProfile)->Unit(benchmark::kMillisecond);

}  // namespace
