// The discovery worker against the simulator: what it finds, when it reports
// losses, which paths it probes, and how it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "DiscoveryFixture.h"
#include "device/SimulatedDescriptors.h"
#include "platform/Trace.h"
#include "support/Watchdog.h"

namespace {

using namespace std::chrono_literals;
using discovery_test::News;
using discovery_test::RecordingSink;
using sim::SimKind;
using sim::SimPath;
using testing_support::Watchdog;

class DiscoveryWorker : public discovery_test::SimulatorTest {
protected:
    // The simulator knows which device is behind a path; without it the rows
    // that share every HID field are filled in table order.
    app::DeviceDiscovery::KindHint SimHint() {
        auto simulator = m_sim;
        return [simulator](const std::string& path) -> uint16_t {
            SimKind kind;
            SimPath via;
            if (!simulator->Describe(path, kind, via)) {
                return 0;
            }
            const bool receiver = via == SimPath::kReceiver;
            switch (kind) {
                case SimKind::kKeyboard:
                    return receiver ? 9 : 1;
                case SimKind::kMouse:
                    return receiver ? 6 : 2;
                case SimKind::kMousePad:
                    return 3;
                case SimKind::kHeadset:
                    return 7;
            }
            return 0;
        };
    }

    static std::vector<std::size_t> Sorted(std::vector<std::size_t> v) {
        std::sort(v.begin(), v.end());
        return v;
    }

    RecordingSink m_sink;
};

TEST_F(DiscoveryWorker, FindsEveryPluggedEntryBeforeTheFirstScanEnds) {
    Watchdog watchdog(20s, "first scan");
    Plug(SimKind::kKeyboard, SimPath::kCable);
    Plug(SimKind::kHeadset, SimPath::kCable);
    app::DeviceDiscovery discovery(m_sink);
    discovery.Start();
    ASSERT_TRUE(m_sink.WaitForCount(News::kFirstScan, 1));
    discovery.Stop();

    const std::vector<News> all = m_sink.All();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().kind, News::kFirstScan) << "the first scan ended before a find";
    EXPECT_EQ(Sorted(m_sink.Indexes(News::kFound)), (std::vector<std::size_t>{0, 1, 10}));
    for (std::size_t i : {0u, 1u, 10u}) {
        EXPECT_EQ(discovery.Devices()[i].present, 1);
        EXPECT_FALSE(discovery.Devices()[i].path.empty());
    }
    EXPECT_EQ(discovery.Devices()[2].present, 0);
    EXPECT_TRUE(discovery.Devices()[2].path.empty());
}

TEST_F(DiscoveryWorker, UnplugLosesEachPresentEntryOnceWithinAPollAndReplugFindsThemAgain) {
    Watchdog watchdog(30s, "unplug and replug");
    const int port = Plug(SimKind::kKeyboard, SimPath::kCable);
    app::DeviceDiscovery discovery(m_sink);
    // Every find and loss is handled while the worker waits, as with the
    // main window's synchronous messages: the entry is already updated.
    std::atomic<int> inconsistent{0};
    m_sink.onNews = [&](const News& news) {
        const auto& entry = discovery.Devices()[news.index];
        if ((news.kind == News::kFound && (entry.present != 1 || entry.path.empty())) ||
            (news.kind == News::kLost && (entry.present != 0 || !entry.path.empty()))) {
            ++inconsistent;
        }
    };
    discovery.Start();
    ASSERT_TRUE(m_sink.WaitForCount(News::kFound, 2));
    ASSERT_TRUE(m_sink.WaitForCount(News::kFirstScan, 1));

    const auto unplugged = discovery_test::Clock::now();
    m_sim->Unplug(port);
    ASSERT_TRUE(m_sink.WaitForCount(News::kLost, 2));
    for (const News& news : m_sink.All()) {
        if (news.kind == News::kLost) {
            // About one poll; far below the second a lost device may take.
            EXPECT_LT(news.at - unplugged, 1000ms);
        }
    }
    std::this_thread::sleep_for(400ms);
    EXPECT_EQ(Sorted(m_sink.Indexes(News::kLost)), (std::vector<std::size_t>{0, 1}));

    m_sink.Clear();
    Plug(SimKind::kKeyboard, SimPath::kCable);
    ASSERT_TRUE(m_sink.WaitForCount(News::kFound, 2));
    std::this_thread::sleep_for(300ms);
    discovery.Stop();
    EXPECT_EQ(Sorted(m_sink.Indexes(News::kFound)), (std::vector<std::size_t>{0, 1}));
    EXPECT_TRUE(m_sink.Indexes(News::kLost).empty());
    EXPECT_EQ(m_sink.Indexes(News::kFirstScan).size(), 0u) << "the first scan is told once";
    EXPECT_EQ(inconsistent.load(), 0);
}

TEST_F(DiscoveryWorker, RowsThatLookAlikeAreFilledByTheDeviceKindWhenItIsKnown) {
    struct Case {
        const char* name;
        bool hint;
        std::vector<std::size_t> found;
    };
    // The mouse by cable and the keyboard's receiver share every HID field.
    const Case cases[] = {
        {"with the simulator's kinds", true, {4, 5, 8, 9}},
        {"table order alone", false, {2, 3, 4, 5}},
    };
    Plug(SimKind::kMouse, SimPath::kCable);
    Plug(SimKind::kMousePad, SimPath::kCable);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSink sink;
        app::DeviceDiscovery discovery(sink);
        discovery.SetKindHint(c.hint ? SimHint() : app::DeviceDiscovery::KindHint{});
        // Later passes must not hand the same collections to further rows.
        for (int pass = 0; pass < 3; ++pass) {
            ASSERT_TRUE(discovery.Pass());
        }
        EXPECT_EQ(Sorted(sink.Indexes(News::kFound)), c.found);
    }
}

TEST_F(DiscoveryWorker, ACollectionWithTheRightNumbersButAnotherUsageIsProbedAndIgnored) {
    // Interface 1 of a keyboard whose fourth collection is not the vendor one.
    std::vector<sim::SimInterface> interfaces =
        sim::InterfacesOf(SimKind::kKeyboard, SimPath::kCable);
    bool patched = false;
    for (sim::SimInterface& usb : interfaces) {
        auto& d = usb.descriptor;
        for (std::size_t i = 0; usb.interfaceNumber == 1 && i + 2 < d.size(); ++i) {
            if (d[i] == 0x06 && d[i + 1] == 0x1C && d[i + 2] == 0xFF) {
                d[i + 1] = 0x1D;
                patched = true;
            }
        }
    }
    ASSERT_TRUE(patched);
    const int port = m_sim->Plug(m_sim->AddDevice(SimKind::kKeyboard), SimPath::kCable, interfaces);
    const std::string odd = m_sim->PathOf(port, 0xFF1D, 0x92);
    ASSERT_FALSE(odd.empty());

    app::DeviceDiscovery discovery(m_sink);
    ASSERT_TRUE(discovery.Pass());
    ASSERT_TRUE(discovery.Pass());
    EXPECT_EQ(m_sink.Indexes(News::kFound), (std::vector<std::size_t>{1}));
    const auto opened = m_backend->Opened();
    EXPECT_GE(std::count(opened.begin(), opened.end(), odd), 2) << "probed on every pass";
    EXPECT_EQ(discovery.Devices()[0].present, 0);
    // Paths that fit no absent entry are never opened.
    for (const std::string& path : opened) {
        EXPECT_NE(device::HidInterface::ParseInterfaceNumber(path), 0) << path;
    }
}

TEST_F(DiscoveryWorker, AProbeThatCannotOpenIsTriedAgainOnTheNextPass) {
    const int port = Plug(SimKind::kKeyboard, SimPath::kCable);
    const std::string command = m_sim->PathOf(port, 0xFF1C, 0x92);
    m_backend->Refuse(command, true);
    app::DeviceDiscovery discovery(m_sink);
    ASSERT_TRUE(discovery.Pass());
    EXPECT_EQ(m_sink.Indexes(News::kFound), (std::vector<std::size_t>{1}));
    m_backend->Refuse(command, false);
    ASSERT_TRUE(discovery.Pass());
    EXPECT_EQ(m_sink.Indexes(News::kFound), (std::vector<std::size_t>{1, 0}));
}

TEST_F(DiscoveryWorker, AFailedEnumerationEndsTheWorkerButStillEndsTheFirstScan) {
    Watchdog watchdog(20s, "failed enumeration");
    platform::ScopedTraceCapture trace;
    m_backend->FailEnumerate(true);
    app::DeviceDiscovery discovery(m_sink);
    discovery.Start();
    ASSERT_TRUE(m_sink.WaitForCount(News::kFirstScan, 1));
    const auto deadline = discovery_test::Clock::now() + 5s;
    while (discovery.Running() && discovery_test::Clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_FALSE(discovery.Running());
    EXPECT_TRUE(trace.Contains("枚举HID设备失败"));
    EXPECT_EQ(m_backend->Enumerations(), 1);
}

TEST_F(DiscoveryWorker, StopEndsTheWorkerPromptlyWithItsTrace) {
    // On its own thread, or as the body of the main window's worker slot.
    for (bool ownThread : {true, false}) {
        SCOPED_TRACE(ownThread ? "own thread" : "owner's worker");
        Watchdog watchdog(20s, "stop");
        platform::ScopedTraceCapture trace;
        RecordingSink sink;
        app::DeviceDiscovery discovery(sink);
        platform::WorkerThread owner;
        if (ownThread) {
            discovery.Start();
        } else {
            owner.Start([&discovery](platform::Event& stop) { discovery.Run(stop); });
        }
        ASSERT_TRUE(sink.WaitForCount(News::kFirstScan, 1));
        EXPECT_EQ(ownThread ? discovery.Stop() : owner.Stop(1000),
                  platform::WorkerThread::StopOutcome::kStopped);
        EXPECT_TRUE(trace.Contains("抓取设备线程设定退出"));
        EXPECT_FALSE(discovery.Running());
        EXPECT_FALSE(owner.Running());
    }
}

// A node list whose changes the test decides.
class FakeWatch : public platform::HidListWatch {
public:
    explicit FakeWatch(std::shared_ptr<std::atomic<bool>> changed)
        : m_changed(std::move(changed)) {}
    bool Changed() override { return m_changed->exchange(false); }

private:
    std::shared_ptr<std::atomic<bool>> m_changed;
};

TEST_F(DiscoveryWorker, AnUnchangedNodeListIsNotEnumeratedAgainButLossesAreStillSeen) {
    auto changed = std::make_shared<std::atomic<bool>>(true);
    const int keyboard = Plug(SimKind::kKeyboard, SimPath::kCable);
    app::DeviceDiscovery discovery(m_sink);
    discovery.SetListWatch(std::make_unique<FakeWatch>(changed));
    auto passes = [&](int n) {
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(discovery.Pass());
        }
    };
    passes(30);
    const int settled = discovery.Enumerations();
    EXPECT_LT(settled, 30);
    EXPECT_EQ(m_sink.Indexes(News::kFound).size(), 2u);

    // Nothing changed, so a device that appears unseen is not looked for...
    const int headset = Plug(SimKind::kHeadset, SimPath::kCable);
    passes(5);
    EXPECT_EQ(discovery.Enumerations(), settled);
    // ...and a loss is still noticed on the next pass.
    m_sim->Unplug(keyboard);
    passes(1);
    EXPECT_EQ(Sorted(m_sink.Indexes(News::kLost)), (std::vector<std::size_t>{0, 1}));
    // A change makes the next pass list the interfaces again.
    *changed = true;
    passes(1);
    EXPECT_GT(discovery.Enumerations(), settled);
    EXPECT_EQ(m_sink.Indexes(News::kFound).back(), 10u);
    m_sim->Unplug(headset);

    // A probe that failed keeps the listing going until it succeeds.
    const int again = Plug(SimKind::kKeyboard, SimPath::kCable);
    const std::string command = m_sim->PathOf(again, 0xFF1C, 0x92);
    m_backend->Refuse(command, true);
    *changed = true;
    passes(20);
    const int refusing = discovery.Enumerations();
    passes(3);
    EXPECT_EQ(discovery.Enumerations(), refusing + 3);
    m_backend->Refuse(command, false);
    passes(1);
    EXPECT_EQ(discovery.Devices()[0].present, 1);
}

}  // namespace
