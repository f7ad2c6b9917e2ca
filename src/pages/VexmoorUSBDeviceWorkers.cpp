// The page's worker threads: the lighting worker that computes LED frames and
// the event readers that wait for the device's notifications, with the base
// frame generators the lighting worker runs.
#include <algorithm>
#include <atomic>
#include <chrono>

#include "pages/LightTables.h"
#include "pages/VexmoorUSBDevice.h"
#include "platform/Trace.h"
#include "uilib/PaintManagerUI.h"

namespace pages {
namespace {

// Messages the page's own channel carries to the UI thread.
constexpr DuiLib::UINT kMsgSyncRequest = 1;
constexpr DuiLib::UINT kMsgDeviceCode = 2;
// The selector entry's one-shot reload timer.
constexpr DuiLib::UINT kSyncTimerId = 1002;
constexpr DuiLib::UINT kSyncTimerMs = 50;
constexpr int kCodeSettingsChanged = 0x0401;
constexpr int kCodeDeviceReset = 0x0402;
// An event reader checks its stop event at least this often.
constexpr int kReadSliceMs = 100;
// The worker's pass counter advances by one tick every this many ms.
constexpr uint64_t kTickMs = 2;
constexpr int kIdleWaitMs = 100;
// Frames are shown and streamed every 5 ms; computing them more often than
// that only wakes the worker for frames nobody sees.
constexpr int kShownFrameMs = 5;
// After a long sleep (a suspended machine) the effect does not race to catch up.
constexpr uint32_t kMaxStepsPerPass = 25;

uint64_t NowMs() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

// The first value an input report carries: the first usage of a button item or
// the raw value of a value item.
int FirstValue(const device::HidInterface& iface) {
    for (const auto& item : iface.Tables().Of(device::HidReportType::kInput).items) {
        if (!item.IsSet) {
            continue;
        }
        if (item.IsButton) {
            return item.Usages.empty() ? 0 : item.Usages.front();
        }
        return static_cast<int>(item.RawValue & 0xFFFF);
    }
    return 0;
}

}  // namespace

void CVexmoorUSBDevice::StartLightWorker() {
    m_lightWorker.Start(
        [this](platform::Event& stop) {
            uint64_t t = NowMs();
            uint32_t passes = 0;
            int waitMs = 1;
            while (stop.Wait(waitMs) == platform::WaitResult::kTimeout) {
                waitMs = 1;
                if (!m_link.IsOpen()) {
                    waitMs = kIdleWaitMs;
                    continue;
                }
                if (m_link.IsSync()) {
                    continue;
                }
                // The worker sleeps until its next frame is due instead of
                // waking every millisecond; the ticks it slept are counted.
                uint64_t u = NowMs();
                if (u - t >= kTickMs) {
                    const uint64_t elapsed = (u - t) / kTickMs;
                    passes += static_cast<uint32_t>(std::min<uint64_t>(elapsed, UINT32_MAX / 2));
                    t += elapsed * kTickMs;  // the part of a tick already slept counts next time
                }
                const int ticks = LightPass(passes);
                waitMs = std::clamp(ticks * static_cast<int>(kTickMs), kShownFrameMs, kIdleWaitMs);
            }
            platform::Trace("灯光线程设定退出");
        },
        kLightWorkerStopMs);
}

platform::WorkerThread::StopOutcome CVexmoorUSBDevice::StopLightWorker() {
    return m_lightWorker.Stop(kLightWorkerStopMs);
}

int CVexmoorUSBDevice::LightPass(uint32_t& passes) {
    // The base pages know the effects every device shares; the keyboard and
    // the other kinds map their own modes. The settings are replaced on the UI
    // thread under the frame lock.
    auto lock = LockFrame();
    const uint8_t mode = m_lightSettings.selectItem;
    const uint8_t speed = std::min<uint8_t>(m_lightSettings.speed, 4);
    void (CVexmoorUSBDevice::*generator)() = nullptr;
    switch (mode) {
        case 4:
            generator = &CVexmoorUSBDevice::FrameSpectrum;
            break;
        case 5:
            generator = &CVexmoorUSBDevice::FrameBreathe;
            break;
        case 6:
            generator = &CVexmoorUSBDevice::FrameStatic;
            break;
        case 23:
            generator = &CVexmoorUSBDevice::FrameBlink;
            break;
        case 26:
            generator = &CVexmoorUSBDevice::FrameBreathePalette;
            break;
        case 27:
            generator = &CVexmoorUSBDevice::FrameBlinkPalette;
            break;
        default:
            generator = &CVexmoorUSBDevice::FrameOff;
            break;
    }
    const uint32_t due = kFrameTicks10[speed];
    if (passes >= due) {
        // The worker wakes once per shown frame; the steps that fell due while
        // it slept are run together, so the effect keeps its speed.
        const uint32_t steps = std::min(passes / due, kMaxStepsPerPass);
        for (uint32_t i = 0; i < steps; ++i) {
            (this->*generator)();
        }
        passes %= due;
    }
    return static_cast<int>(due - passes);
}

// The generators run with the frame lock held by their caller.
void CVexmoorUSBDevice::FrameBreathe() {
    if (m_lightSettings.fx != 0) {
        m_effectStep = m_effectStep == 0 ? 127 : m_effectStep - 1;
    } else {
        m_effectStep = m_effectStep + 1 >= 128 ? 0 : m_effectStep + 1;
    }
    if (m_effectStep == 0) {
        m_effectColour = m_effectColour + 16 > 192 ? 0 : m_effectColour + 16;
    }
    LedColor c =
        m_lightSettings.multiColor != 0
            ? Wheel(m_effectColour)
            : LedColor{m_lightSettings.red, m_lightSettings.green, m_lightSettings.blue, 0};
    c.A = Breath128(m_effectStep);
    m_ledFrame.assign(m_ledFrame.size(), c);
}

void CVexmoorUSBDevice::FrameBreathePalette() {
    if (m_lightSettings.fx != 0) {
        m_effectStep = m_effectStep == 0 ? 127 : m_effectStep - 1;
    } else {
        m_effectStep = m_effectStep + 1 >= 128 ? 0 : m_effectStep + 1;
    }
    if (m_effectStep == 0) {
        m_effectColour = m_effectColour + 1 > 3 ? 0 : m_effectColour + 1;
    }
    LedColor c = kFourColourPalette[m_effectColour & 3];
    c.A = Breath128(m_effectStep);
    m_ledFrame.assign(m_ledFrame.size(), c);
}

void CVexmoorUSBDevice::FrameStatic() {
    const LedColor c{m_lightSettings.red, m_lightSettings.green, m_lightSettings.blue,
                     kBrightnessValues[std::min<uint8_t>(m_lightSettings.light, 4)]};
    m_ledFrame.assign(m_ledFrame.size(), c);
}

void CVexmoorUSBDevice::FrameSpectrum() {
    if (m_lightSettings.fx != 0) {
        m_effectStep = m_effectStep == 0 ? 191 : m_effectStep - 1;
    } else {
        m_effectStep = m_effectStep + 1 >= 192 ? 0 : m_effectStep + 1;
    }
    LedColor c = Wheel(m_effectStep);
    c.A = kBrightnessValues[std::min<uint8_t>(m_lightSettings.light, 4)];
    m_ledFrame.assign(m_ledFrame.size(), c);
}

void CVexmoorUSBDevice::FrameBlink() {
    const uint64_t now = NowMs();
    const uint64_t period = kBlinkPeriods[std::min<uint8_t>(m_lightSettings.speed, 4)] * 200ULL;
    if (now - m_lastBlink >= period) {
        m_blinkPhase ^= 1;
        m_lastBlink = now;
        m_effectStep = m_effectStep + 16 >= 192 ? 0 : m_effectStep + 16;
    }
    LedColor c{};
    if (m_blinkPhase != 0) {
        c = m_lightSettings.multiColor != 0
                ? Wheel(m_effectStep)
                : LedColor{m_lightSettings.red, m_lightSettings.green, m_lightSettings.blue, 0};
        c.A = kBrightnessValues[std::min<uint8_t>(m_lightSettings.light, 4)];
    }
    m_ledFrame.assign(m_ledFrame.size(), c);
}

void CVexmoorUSBDevice::FrameBlinkPalette() {
    const uint64_t now = NowMs();
    const uint64_t period = kBlinkPeriods[std::min<uint8_t>(m_lightSettings.speed, 4)] * 200ULL;
    if (now - m_lastBlink >= period) {
        m_blinkPhase ^= 1;
        m_lastBlink = now;
        m_effectStep = m_effectStep + 1 > 3 ? 0 : m_effectStep + 1;
    }
    LedColor c{};
    if (m_blinkPhase != 0) {
        c = kFourColourPalette[m_effectStep & 3];
        c.A = kBrightnessValues[std::min<uint8_t>(m_lightSettings.light, 4)];
    }
    m_ledFrame.assign(m_ledFrame.size(), c);
}

void CVexmoorUSBDevice::FrameOff() {
    m_ledFrame.assign(m_ledFrame.size(), LedColor{});
}

bool CVexmoorUSBDevice::OpenEventInterface(int slot, const std::string& path) {
    if (slot < 0 || slot >= kEventSlots) {
        return false;
    }
    CloseEventInterface(slot);
    if (!m_events[slot]) {
        m_events[slot] = std::make_unique<EventSlot>();
    }
    EventSlot& events = *m_events[slot];
    bool opened = events.iface.Open(path, true, false, true, false);
    // A reader without an interface stays idle until one is opened.
    events.reader.Start([this, slot](platform::Event& stop) { SyncReaderBody(slot, stop); },
                        kSyncReaderStopMs);
    return opened;
}

platform::WorkerThread::StopOutcome CVexmoorUSBDevice::CloseEventInterface(int slot) {
    if (slot < 0 || slot >= kEventSlots || !m_events[slot]) {
        return platform::WorkerThread::StopOutcome::kNotRunning;
    }
    auto outcome = m_events[slot]->reader.Stop(kSyncReaderStopMs);
    m_events[slot]->iface.Close();
    return outcome;
}

bool CVexmoorUSBDevice::IsSyncReaderRunning(int slot) const {
    return slot >= 0 && slot < kEventSlots && m_events[slot] && m_events[slot]->reader.Running();
}

int CVexmoorUSBDevice::LastEventCode(int slot) const {
    return slot >= 0 && slot < kEventSlots && m_events[slot] ? m_events[slot]->lastCode.load() : 0;
}

void CVexmoorUSBDevice::SyncReaderBody(int slot, platform::Event& stop) {
    EventSlot& events = *m_events[slot];
    uint8_t report[device::DeviceLink::kPacketSize + 1] = {};
    while (!stop.IsSet()) {
        if (!events.iface.IsOpen()) {
            stop.Wait(kIdleWaitMs);
            continue;
        }
        uint32_t got = 0;
        if (!events.iface.ReadReport(report, sizeof(report), got, kReadSliceMs) || got == 0) {
            continue;
        }
        if (!events.iface.UnpackInputReport(report, got)) {
            continue;
        }
        const int code = FirstValue(events.iface);
        events.lastCode.store(code);
        if (code == kCodeSettingsChanged || code == kCodeDeviceReset) {
            DuiLib::PostMessage(m_pageChannel, kMsgSyncRequest, 0, 0);
        } else if (code > kCodeDeviceReset) {
            DuiLib::PostMessage(m_pageChannel, kMsgDeviceCode, static_cast<DuiLib::WPARAM>(slot),
                                code);
        }
    }
    platform::Trace("事件线程设定退出");
}

void CVexmoorUSBDevice::RequestSyncFromDevice() {
    if (m_selectorEntry != nullptr && m_selectorEntry->GetManager() != nullptr) {
        m_selectorEntry->GetManager()->SetTimer(m_selectorEntry, kSyncTimerId, kSyncTimerMs);
    } else {
        SyncFromDevice();
    }
}

DuiLib::LRESULT CVexmoorUSBDevice::OnPageMessage(DuiLib::UINT msg, DuiLib::WPARAM wParam,
                                                 DuiLib::LPARAM lParam) {
    if (msg == kMsgSyncRequest) {
        RequestSyncFromDevice();
    } else if (msg == kMsgDeviceCode) {
        OnDeviceCode(static_cast<int>(wParam), static_cast<int>(lParam));
    }
    return 0;
}

}  // namespace pages
