// CAudioRecordUI: a waveform strip: one-pixel black bars, two pixels apart,
// whose heights follow the samples, on white.
#pragma once

#include <array>

#include "uilib/LabelUI.h"

namespace DuiLib {

class CAudioRecordUI : public CLabelUI {
public:
    static constexpr int kSampleCount = 500;
    // The sample value that fills the whole height.
    static constexpr int kFullScale = 8192;

    CAudioRecordUI();

    std::string GetClass() const override { return "AudioRecord"; }
    void* GetInterface(const std::string& name) override;

    void SetSample(int index, int value);
    int GetSample(int index) const;
    // The number of bars the current width shows.
    int BarCount() const;

    void PaintBkColor(HDC hDC) override;

private:
    std::array<int, kSampleCount> m_samples{};
};

}  // namespace DuiLib
