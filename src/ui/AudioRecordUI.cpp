#include "ui/AudioRecordUI.h"

#include <algorithm>

#include "uilib/RenderEngine.h"

namespace DuiLib {
namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;
constexpr uint32_t kOpaqueBlack = 0xFF000000;
constexpr int kPresetSamples = 256;

}  // namespace

CAudioRecordUI::CAudioRecordUI() {
    // The first samples form a rising ramp; the rest start silent.
    for (int i = 0; i < kPresetSamples; ++i) {
        m_samples[i] = i;
    }
}

void* CAudioRecordUI::GetInterface(const std::string& name) {
    if (name == "AudioRecord") {
        return this;
    }
    return CLabelUI::GetInterface(name);
}

void CAudioRecordUI::SetSample(int index, int value) {
    if (index >= 0 && index < kSampleCount) {
        m_samples[index] = value;
        Invalidate();
    }
}

int CAudioRecordUI::GetSample(int index) const {
    return index >= 0 && index < kSampleCount ? m_samples[index] : 0;
}

int CAudioRecordUI::BarCount() const {
    const int w = std::max(0, GetWidth());
    return std::min(kSampleCount, (w + 1) / 2);
}

void CAudioRecordUI::PaintBkColor(HDC hDC) {
    CRenderEngine::DrawColor(hDC, m_rcItem, kOpaqueWhite);
    const int h = GetHeight();
    for (int i = 0; i < BarCount(); ++i) {
        const int x = m_rcItem.left + 2 * i;
        const int top = m_rcItem.top + h - (m_samples[i] * h) / kFullScale;
        const UiRect bar{x, top, x + 1, m_rcItem.bottom};
        if (!bar.IsEmpty()) {
            CRenderEngine::DrawColor(hDC, bar, kOpaqueBlack);
        }
    }
}

}  // namespace DuiLib
