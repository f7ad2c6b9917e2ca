// Streaming a frame to the picture and the device, and the page's worker
// threads, against a simulated keyboard.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

#include "PageTestSupport.h"
#include "firmware/SimBackend.h"
#include "pages/PageSequences.h"
#include "platform/Trace.h"
#include "support/Watchdog.h"
#include "ui/DeviceKeyButtonUI.h"
#include "uilib/UiTestDriver.h"

namespace {

using DuiLib::CDeviceKeyButtonUI;
using pages::CVexmoorUSBDevice;
using pages::LedColor;
using testing_support::Watchdog;
using namespace std::chrono_literals;

constexpr uint8_t kLightFrame = 0x12;

class PageStreamingTest : public ::testing::Test {
protected:
    void SetUp() override {
        pagetest::EnsureApp();
        m_backend = std::make_shared<sim::SimBackend>();
        platform::InstallHidBackend(m_backend);
        m_keyboard = m_backend->AddDevice(sim::SimKind::kKeyboard);
    }
    void TearDown() override {
        if (m_pm.GetRoot() != nullptr) {
            m_pm.DetachAndDeleteRoot();
        }
        platform::InstallHidBackend(nullptr);
    }

    template <class Page = pagetest::RecordingPage>
    Page* MakePage(int leds) {
        std::string buttons;
        for (int i = 0; i < 3; ++i) {
            buttons += "<DeviceKeyButton name=\"zone" + std::to_string(i) + "\" userdata=\"light_" +
                       std::to_string(i) + "\"/>";
        }
        auto* page = pagetest::BuildPage<Page>(
            m_pm, "<Page><SelectPanel>" + buttons + "</SelectPanel></Page>");
        if (page != nullptr) {
            page->SetPageXml("test.xml");
            page->SetLedCount(leds);
            page->InitPage();
        }
        return page;
    }

    // Opens the page's link on the keyboard as discovery does.
    int Connect(CVexmoorUSBDevice& page, sim::SimPath path) {
        const int port = m_backend->Plug(m_keyboard, path);
        const bool receiver = path == sim::SimPath::kReceiver;
        device::DeviceLink& link = page.Link();
        device::HidInterface& slot = receiver ? link.WirelessInterface() : link.WiredInterface();
        std::lock_guard<std::recursive_mutex> lock(link.IoLock());
        EXPECT_TRUE(slot.Open(m_backend->PathOf(port, 0xFF1C, 0x92), true, true, true, false));
        link.SetOpen(true);
        link.SetMode(receiver ? device::LINK_MODE_24G : device::LINK_MODE_WIRED);
        return port;
    }

    std::vector<std::vector<uint8_t>> FramesSent() {
        std::vector<std::vector<uint8_t>> frames;
        for (const auto& request : m_keyboard->Requests()) {
            if (request.size() > 3 && request[3] == kLightFrame) {
                frames.push_back(request);
            }
        }
        return frames;
    }

    std::shared_ptr<sim::SimBackend> m_backend;
    std::shared_ptr<sim::FirmwareModel> m_keyboard;
    DuiLib::CPaintManagerUI m_pm;
};

// A recording page whose worker pass the tests run by hand.
class SteppingPage : public pagetest::RecordingPage {
public:
    using CVexmoorUSBDevice::LightPass;
};

// The layout root names a page class the factory does not know; the tests
// build it through a callback that makes a recording page.
class PageCallback : public DuiLib::IDialogBuilderCallback {
public:
    DuiLib::CControlUI* CreateControl(const std::string& name) override {
        if (name == "Page") {
            return new SteppingPage();
        }
        return ui::CreateCustomControl(name);
    }
};

}  // namespace

namespace pagetest {
template <>
RecordingPage* BuildPage<RecordingPage>(DuiLib::CPaintManagerUI& pm, const std::string& xml) {
    EnsureApp();
    PageCallback callback;
    DuiLib::CDialogBuilder builder;
    auto* page = dynamic_cast<RecordingPage*>(builder.Create(xml, {}, &callback, &pm));
    if (page != nullptr) {
        pm.AttachDialog(page);
        pm.SetClientSize(600, 300);
        pm.UpdateLayout();
    }
    return page;
}
}  // namespace pagetest

namespace {

TEST_F(PageStreamingTest, FrameIsShownOnTheButtonsAndStreamedScaledByIntensity) {
    auto* page = MakePage(3);
    ASSERT_NE(page, nullptr);
    Connect(*page, sim::SimPath::kCable);
    page->SetLedColor(0, {200, 100, 50, 128});
    page->SetLedColor(1, {255, 255, 255, 255});
    page->SetLedColor(2, {10, 20, 30, 0});
    page->PushFrame();

    auto* zone0 = m_pm.FindControl<CDeviceKeyButtonUI>("zone0");
    EXPECT_EQ(zone0->GetKeyLightColor(), 200u | 100u << 8 | 50u << 16);
    EXPECT_EQ(zone0->GetKeyLightAlpha(), 128);
    EXPECT_TRUE(zone0->IsKeyLit());

    // value * A >> 8: full intensity keeps 254 of 255.
    const std::vector<uint8_t> expected = {100, 50, 25, 254, 254, 254, 0, 0, 0};
    const auto& frame = m_keyboard->LastFrame();
    ASSERT_GE(frame.size(), expected.size());
    EXPECT_EQ(std::vector<uint8_t>(frame.begin(), frame.begin() + 9), expected);
    ASSERT_EQ(FramesSent().size(), 1u);
    EXPECT_EQ(FramesSent()[0][4], 9) << "three bytes per LED";
}

TEST_F(PageStreamingTest, StreamingOffLeavesPictureAndDeviceAlone) {
    auto* page = MakePage(3);
    ASSERT_NE(page, nullptr);
    Connect(*page, sim::SimPath::kCable);
    m_keyboard->ClearRequests();
    page->SetStreaming(0);
    page->SetLedColor(0, {1, 2, 3, 4});
    page->PushFrame();
    auto* zone0 = m_pm.FindControl<CDeviceKeyButtonUI>("zone0");
    EXPECT_EQ(zone0->GetKeyLightColor(), 0xFFFFFFu) << "still the white it was bound with";
    EXPECT_TRUE(m_keyboard->Requests().empty());
}

TEST_F(PageStreamingTest, WirelessLinkGetsNoFramesButThePictureFollows) {
    auto* page = MakePage(3);
    ASSERT_NE(page, nullptr);
    Connect(*page, sim::SimPath::kReceiver);
    m_keyboard->ClearRequests();
    page->SetLedColor(1, {9, 8, 7, 255});
    page->PushFrame();
    EXPECT_TRUE(FramesSent().empty());
    EXPECT_EQ(m_pm.FindControl<CDeviceKeyButtonUI>("zone1")->GetKeyLightColor(),
              9u | 8u << 8 | 7u << 16);
}

TEST_F(PageStreamingTest, EntryOneSeventyIsShownButNeverStreamed) {
    auto* page = MakePage(171);
    ASSERT_NE(page, nullptr);
    Connect(*page, sim::SimPath::kCable);
    page->SetLedColor(169, {255, 0, 0, 255});
    page->SetLedColor(170, {0, 255, 0, 255});
    page->PushFrame();
    const auto& frame = m_keyboard->LastFrame();
    ASSERT_GE(frame.size(), 510u);
    EXPECT_EQ(frame[507], 254);
    // The frame stops at 170 LEDs: nothing of entry 170 goes beyond them.
    uint32_t sent = 0;
    for (const auto& request : FramesSent()) {
        sent += request[4];
    }
    EXPECT_EQ(sent, 510u);
}

TEST_F(PageStreamingTest, HiddenLightButtonIsNotUpdated) {
    auto* page = MakePage(3);
    ASSERT_NE(page, nullptr);
    Connect(*page, sim::SimPath::kCable);
    auto* zone2 = m_pm.FindControl<CDeviceKeyButtonUI>("zone2");
    zone2->SetVisible(false);
    page->SetLedColor(2, {1, 2, 3, 4});
    page->PushFrame();
    EXPECT_EQ(zone2->GetKeyLightColor(), 0xFFFFFFu);
    EXPECT_EQ(m_keyboard->LastFrame()[6], (1 * 4) >> 8);
}

TEST_F(PageStreamingTest, APushTellsWhetherTheFrameChangedSinceThePreviousOne) {
    auto* page = MakePage(3);
    ASSERT_NE(page, nullptr);
    Connect(*page, sim::SimPath::kCable);
    page->SetLedColor(0, {9, 8, 7, 255});
    page->PushFrame();
    EXPECT_FALSE(page->FrameStill());
    page->PushFrame();
    EXPECT_TRUE(page->FrameStill());
    // Only the intensity of the last LED changes.
    page->SetLedColor(2, {0, 0, 0, 1});
    page->PushFrame();
    EXPECT_FALSE(page->FrameStill());
    page->PushFrame();
    EXPECT_TRUE(page->FrameStill());
    // The frame stands, but a light of the picture was shown otherwise: the
    // push puts it back, so the picture has changed.
    auto* zone0 = dynamic_cast<CDeviceKeyButtonUI*>(page->GetLightButton(0));
    ASSERT_NE(zone0, nullptr);
    zone0->SetKeyLight(0, 0, false);
    page->PushFrame();
    EXPECT_FALSE(page->FrameStill());
    EXPECT_EQ(zone0->GetKeyLightColor(), (LedColor{9, 8, 7, 255}).Rgb());
    // A still frame is still sent: the device keeps hearing from the host.
    const std::size_t sent = FramesSent().size();
    page->PushFrame();
    EXPECT_EQ(FramesSent().size(), sent + 1);
    // With streaming off nothing is pushed, so nothing changes either.
    page->SetStreaming(0);
    page->SetLedColor(1, {1, 1, 1, 1});
    page->PushFrame();
    EXPECT_TRUE(page->FrameStill());
}

// The worker wakes once per shown frame: the steps of a fast effect that fell
// due while it slept are all run, so the effect moves as fast as when each
// step is run on its own.
TEST_F(PageStreamingTest, StepsThatFellDueTogetherAreAllRun) {
    struct Case {
        uint8_t speed;  // ticks per step: 10, 8, 5, 3, 1
        uint32_t passes;
        uint32_t steps;
        uint32_t left;
    };
    const Case cases[] = {
        {4, 3, 3, 0}, {4, 1, 1, 0},  {0, 25, 2, 5},
        {0, 9, 0, 9}, {2, 10, 2, 0}, {4, 1000, 25, 0},  // after a long sleep, no race to catch up
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "speed " << int(c.speed) << ", " << c.passes);
        auto* batched = dynamic_cast<SteppingPage*>(MakePage(3));
        ASSERT_NE(batched, nullptr);
        profile::LightInfo info;
        info.selectItem = 4;  // spectrum: every step moves the colours on
        info.light = 4;
        info.speed = c.speed;
        const auto words = profile::ToWords(info);
        batched->SetLightSettings(words.w1, words.w2, words.w3, words.w4);
        uint32_t passes = c.passes;
        batched->LightPass(passes);
        EXPECT_EQ(passes, c.left);
        const LedColor afterBatch = batched->GetLedColor(1);
        m_pm.DetachAndDeleteRoot();

        auto* single = dynamic_cast<SteppingPage*>(MakePage(3));
        ASSERT_NE(single, nullptr);
        single->SetLightSettings(words.w1, words.w2, words.w3, words.w4);
        const uint32_t due = std::array<uint32_t, 5>{10, 8, 5, 3, 1}[c.speed];
        for (uint32_t i = 0; i < c.steps; ++i) {
            uint32_t one = due;
            single->LightPass(one);
        }
        EXPECT_EQ(single->GetLedColor(1), afterBatch);
        // One step more or fewer shows.
        uint32_t one = due;
        single->LightPass(one);
        EXPECT_NE(single->GetLedColor(1), afterBatch);
        m_pm.DetachAndDeleteRoot();
    }
}

TEST_F(PageStreamingTest, LightWorkerAnimatesAndStopsWithinItsTimeOut) {
    Watchdog watchdog(10s, "light worker");
    auto* page = MakePage(3);
    ASSERT_NE(page, nullptr);
    Connect(*page, sim::SimPath::kCable);
    // Mode 6 is the static colour at the brightness level's intensity.
    profile::LightInfo info;
    info.selectItem = 6;
    info.light = 4;
    info.speed = 4;
    info.red = 10;
    info.green = 20;
    info.blue = 30;
    const auto words = profile::ToWords(info);
    page->SetLightSettings(words.w1, words.w2, words.w3, words.w4);

    platform::ScopedTraceCapture traces;
    page->StartLightWorker();
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (page->GetLedColor(2) != LedColor{10, 20, 30, 255} &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(2ms);
    }
    EXPECT_EQ(page->GetLedColor(2), (LedColor{10, 20, 30, 255}));
    EXPECT_EQ(page->StopLightWorker(), platform::WorkerThread::StopOutcome::kStopped);
    EXPECT_FALSE(page->IsLightWorkerRunning());
    EXPECT_TRUE(traces.Contains("灯光线程设定退出"));
    EXPECT_TRUE(traces.Contains("线程退出：：对象处于激发状态"));
}

TEST_F(PageStreamingTest, EventReaderReloadsOnSettingsCodesAndHandsOnOthers) {
    Watchdog watchdog(10s, "event reader");
    auto* page = MakePage(3);
    ASSERT_NE(page, nullptr);
    const int port = Connect(*page, sim::SimPath::kCable);
    ASSERT_TRUE(page->OpenEventInterface(0, m_backend->PathOf(port, 0x000C, 0x0001)));
    ASSERT_TRUE(page->IsSyncReaderRunning(0));

    m_backend->Notify(port, 0x0402);
    m_backend->Notify(port, 0x1123);
    m_backend->Notify(port, 0x0300);
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while ((page->calls.empty() || page->codes.size() < 2) &&
           std::chrono::steady_clock::now() < deadline) {
        DuiLib::CUiTestDriver::ProcessEvents(5);
    }
    // Without a selector entry the reload runs at once on the UI thread.
    EXPECT_EQ(page->calls, std::vector<std::string>{"SyncFromDevice"});
    EXPECT_EQ(page->codes, (std::vector<int>{0, 0x1123}));

    platform::ScopedTraceCapture traces;
    EXPECT_EQ(page->CloseEventInterface(0), platform::WorkerThread::StopOutcome::kStopped);
    EXPECT_FALSE(page->IsSyncReaderRunning(0));
    EXPECT_TRUE(traces.Contains("事件线程设定退出"));
}

TEST_F(PageStreamingTest, EventReaderWithoutInterfaceStaysIdleAndStops) {
    Watchdog watchdog(10s, "idle event reader");
    auto* page = MakePage(3);
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->OpenEventInterface(1, "no such path"));
    EXPECT_TRUE(page->IsSyncReaderRunning(1));
    EXPECT_EQ(page->CloseEventInterface(1), platform::WorkerThread::StopOutcome::kStopped);
    EXPECT_FALSE(page->OpenEventInterface(2, "slot out of range"));
}

TEST_F(PageStreamingTest, ReadStateSendsNothingMoreWhenBeginFails) {
    device::DeviceLink closed;
    bool readsRan = false;
    EXPECT_EQ(pages::ReadStateSequence(closed,
                                       [&] {
                                           readsRan = true;
                                           return 1;
                                       }),
              device::kResultFailed);
    EXPECT_FALSE(readsRan);
}

TEST_F(PageStreamingTest, WriteBlockIsBeginWriteEndOnTheDevice) {
    auto* page = MakePage(3);
    ASSERT_NE(page, nullptr);
    Connect(*page, sim::SimPath::kCable);
    m_keyboard->ClearRequests();
    const uint8_t block[2] = {7, 8};
    EXPECT_EQ(pages::WriteBlockSequence(page->Link(),
                                        [&] { return page->Link().WriteParam(block, 2, 100); }),
              1);
    std::vector<uint8_t> commands;
    for (const auto& request : m_keyboard->Requests()) {
        commands.push_back(request[3]);
    }
    EXPECT_EQ(commands, (std::vector<uint8_t>{0x01, 0x06, 0x02}));
}

}  // namespace
