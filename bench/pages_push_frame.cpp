// PushFrame of a 170-LED page: shows the frame on its light buttons and fills
// the streamed buffer. The link is in wireless mode, so no USB send is timed.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "pages/LightTables.h"
#include "pages/VexmoorUSBDevice.h"
#include "uilib/ButtonUI.h"
#include "uilib/PaintManagerUI.h"

namespace {

// A light button as the picture's key buttons are, without their painting.
class CBenchLightUI : public DuiLib::CButtonUI, public pages::IKeyLightButton {
public:
    std::string GetClass() const override { return "DeviceKeyButton"; }
    void SetKeyLight(uint32_t color, int alpha, bool lit) override {
        m_color = color;
        m_alpha = alpha;
        m_lit = lit;
    }
    uint32_t GetKeyLightColor() const override { return m_color; }
    int GetKeyLightAlpha() const override { return m_alpha; }
    bool IsKeyLit() const override { return m_lit; }

private:
    uint32_t m_color = 0;
    int m_alpha = 0;
    bool m_lit = false;
};

class CBenchPanelUI : public DuiLib::CContainerUI {
public:
    std::string GetClass() const override { return "SelectPanel"; }
};

void BM_PushFrame170(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // no window is shown
    }
    static QApplication app(argc, argv);
    DuiLib::CPaintManagerUI pm;
    auto* page = new pages::CVexmoorUSBDevice();
    auto* panel = new CBenchPanelUI();
    for (int i = 0; i < pages::kMaxLedCount; ++i) {
        auto* light = new CBenchLightUI();
        light->SetName("key_" + std::to_string(i));
        light->SetUserData("light_" + std::to_string(i));
        panel->Add(light);
    }
    page->Add(panel);
    pm.AttachDialog(page);
    page->SetPageXml("bench.xml");
    page->SetKeyButtonCount(pages::kMaxLedCount);
    page->SetLedCount(pages::kMaxLedCount);
    page->InitPage();
    page->Link().SetMode(device::LINK_MODE_24G);
    uint8_t step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < pages::kMaxLedCount; ++i) {
            pages::LedColor c = pages::Wheel(static_cast<uint8_t>(step + i));
            c.A = 200;
            page->SetLedColor(i, c);
        }
        ++step;
        state.ResumeTiming();
        page->PushFrame();
    }
}
BENCHMARK(BM_PushFrame170);

}  // namespace
