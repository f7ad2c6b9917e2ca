#include "device/DeviceLink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <numeric>
#include <thread>

#include "firmware/SimBackend.h"
#include "platform/Trace.h"
#include "support/Watchdog.h"

namespace {

using device::DeviceLink;
using sim::FirmwareModel;
using sim::SimPath;
using testing_support::Watchdog;
using Clock = std::chrono::steady_clock;
using Packet = std::vector<uint8_t>;

std::vector<uint8_t> Pattern(std::size_t n, uint8_t seed) {
    std::vector<uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<uint8_t>(seed + i * 7);
    }
    return bytes;
}

// A link on a simulated keyboard, opened as the main window opens it.
class DeviceLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_backend = std::make_shared<sim::SimBackend>();
        platform::InstallHidBackend(m_backend);
        m_keyboard = m_backend->AddDevice(sim::SimKind::kKeyboard);
    }
    void TearDown() override { platform::InstallHidBackend(nullptr); }

    // Plugs the keyboard on a path and opens the matching slot of the link.
    int Connect(SimPath path, int mode) {
        int port = m_backend->Plug(m_keyboard, path);
        Reopen(port, mode);
        return port;
    }

    void Reopen(int port, int mode) {
        device::HidInterface& slot =
            mode == device::LINK_MODE_24G ? m_link.WirelessInterface() : m_link.WiredInterface();
        std::lock_guard<std::recursive_mutex> lock(m_link.IoLock());
        ASSERT_TRUE(slot.Open(m_backend->PathOf(port, 0xFF1C, 0x92), true, true, true, false));
        m_link.SetOpen(true);
        m_link.SetMode(mode);
    }

    // The requests the device received since the last call.
    std::vector<Packet> Sent() {
        std::vector<Packet> sent(m_keyboard->Requests().begin(), m_keyboard->Requests().end());
        m_keyboard->ClearRequests();
        return sent;
    }

    std::shared_ptr<sim::SimBackend> m_backend;
    std::shared_ptr<FirmwareModel> m_keyboard;
    DeviceLink m_link;
};

TEST_F(DeviceLinkTest, BeginIsOneFramedPacketWithChecksumOne) {
    Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    platform::ScopedTraceCapture trace;
    ASSERT_EQ(m_link.Begin(), device::kResultSuccess);
    std::vector<Packet> sent = Sent();
    ASSERT_EQ(sent.size(), 1u);
    // Begin: report ID, checksum low/high, command, length, offset low/high, status
    const Packet expected = [] {
        Packet p(64, 0);
        p[0] = 0x04;
        p[1] = 0x01;
        p[3] = 0x01;
        return p;
    }();
    EXPECT_EQ(sent[0], expected);
    EXPECT_FALSE(m_link.IsBusy());

    const std::vector<std::string> lines = trace.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "命令");
    EXPECT_EQ(lines[1], platform::FormatHexLine(expected.data()));
    EXPECT_EQ(lines[1].substr(0, 30), "04 01 00 01   00 00 00 00   00");
    EXPECT_EQ(lines[2], platform::FormatHexLine(expected.data() + 32));
    EXPECT_EQ(lines[3], "返回");
    EXPECT_EQ(lines[4].substr(0, 11), "04 00 00 01") << "the echoed reply";
}

struct ChunkCase {
    const char* name;
    SimPath path;
    int mode;
    std::vector<std::pair<uint8_t, uint16_t>> chunks;  // length, offset
};

TEST_F(DeviceLinkTest, ChunkedWriteSplitsByModeAndKeepsChecksumsRight) {
    const ChunkCase cases[] = {
        {"wired", SimPath::kCable, device::LINK_MODE_WIRED, {{56, 100}, {1, 156}}},
        {"2.4G", SimPath::kReceiver, device::LINK_MODE_24G, {{24, 100}, {24, 124}, {9, 148}}},
    };
    for (const ChunkCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_keyboard = m_backend->AddDevice(sim::SimKind::kKeyboard);
        Connect(c.path, c.mode);
        const std::vector<uint8_t> block = Pattern(57, 3);
        ASSERT_EQ(m_link.WriteParam(block.data(), 57, 100), device::kResultSuccess);
        std::vector<Packet> sent = Sent();
        ASSERT_EQ(sent.size(), c.chunks.size());
        for (std::size_t i = 0; i < sent.size(); ++i) {
            EXPECT_EQ(sent[i][3], device::CMD_WRITE_PARAM);
            EXPECT_EQ(sent[i][4], c.chunks[i].first);
            EXPECT_EQ(sent[i][5] | sent[i][6] << 8, c.chunks[i].second);
        }
        EXPECT_EQ(m_keyboard->ChecksumErrors(), 0);
        EXPECT_TRUE(std::equal(block.begin(), block.end(), m_keyboard->Params().begin() + 100));
    }
}

TEST_F(DeviceLinkTest, ReadsReturnTheDeviceMemory) {
    Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    uint8_t info[34] = {};
    ASSERT_EQ(m_link.ReadInfo(info), device::kResultSuccess);
    EXPECT_TRUE(std::equal(info, info + 34, m_keyboard->Info().begin()));

    const uint16_t keys = info[5];
    ASSERT_TRUE(m_link.SetDataSize(keys * 3));
    std::vector<uint8_t> table(keys * 3);
    ASSERT_EQ(m_link.ReadKeyMap(table.data()), device::kResultSuccess);
    EXPECT_EQ(table, m_keyboard->DefaultKeyTable());
    std::vector<uint8_t> leds(keys);
    ASSERT_EQ(m_link.ReadLedIndex(leds.data()), device::kResultSuccess);
    EXPECT_EQ(leds, m_keyboard->LedTable());

    m_keyboard->Status() = {85, 1, 0, 0, 0, 2};
    uint8_t status[6] = {};
    ASSERT_EQ(m_link.ReadStatus(status, 6, 0), device::kResultSuccess);
    EXPECT_EQ(std::vector<uint8_t>(status, status + 6), std::vector<uint8_t>({85, 1, 0, 0, 0, 2}));
    EXPECT_EQ(Sent().back()[4], 6) << "one packet carrying the length";
}

TEST_F(DeviceLinkTest, WritesLandInTheirAreas) {
    Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    const std::vector<uint8_t> colours = Pattern(100, 9);
    ASSERT_EQ(m_link.WriteCustomLight(colours.data(), 100, 2, 512), device::kResultSuccess);
    EXPECT_TRUE(
        std::equal(colours.begin(), colours.end(), m_keyboard->CustomLight().begin() + 1024));

    const std::vector<uint8_t> shoot = Pattern(100, 1);
    ASSERT_EQ(m_link.WriteShoot(shoot.data(), 100), device::kResultSuccess);
    std::vector<Packet> sent = Sent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[sent.size() - 2][4], 56);
    EXPECT_EQ(sent.back()[4], 44);
    EXPECT_EQ(sent.back()[5], 56);
    EXPECT_TRUE(std::equal(shoot.begin(), shoot.end(), m_keyboard->Recoil().begin()));

    ASSERT_TRUE(m_link.SetDataSize(366));
    const std::vector<uint8_t> keymap = Pattern(366, 5);
    ASSERT_EQ(m_link.WriteKeyMap(keymap.data(), 0), device::kResultSuccess);
    EXPECT_TRUE(std::equal(keymap.begin(), keymap.end(), m_keyboard->KeyMap().begin()));

    ASSERT_EQ(m_link.HostLight(), device::kResultSuccess);
    EXPECT_TRUE(m_keyboard->HostLighting());
}

TEST_F(DeviceLinkTest, WriteShootUsesFullChunksInWirelessModeToo) {
    Connect(SimPath::kReceiver, device::LINK_MODE_24G);
    const std::vector<uint8_t> shoot = Pattern(100, 1);
    ASSERT_EQ(m_link.WriteShoot(shoot.data(), 100), device::kResultSuccess);
    std::vector<Packet> sent = Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0][4], 56);
    EXPECT_EQ(sent[1][4], 44);
}

TEST_F(DeviceLinkTest, RequestsThatSendNothing) {
    Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    uint8_t buffer[512] = {};
    EXPECT_EQ(m_link.WriteParam(buffer, 0, 0), device::kResultSuccess);
    EXPECT_EQ(m_link.WriteKeyMap(buffer, 1), device::kResultBadPage);
    EXPECT_TRUE(m_link.QueryWireless()) << "wired links are always reachable";
    EXPECT_TRUE(Sent().empty());

    EXPECT_FALSE(m_link.SetDataSize(513));
    EXPECT_EQ(m_link.DataSize(), 512);
    EXPECT_TRUE(m_link.SetDataSize(512));
    EXPECT_TRUE(m_link.SetDataSize(30));
    EXPECT_FALSE(m_link.SetDataSize(513));
    EXPECT_EQ(m_link.DataSize(), 30);
}

TEST_F(DeviceLinkTest, ClosedLinkRefusesEverythingWithoutIo) {
    Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    m_link.SetOpen(false);
    uint8_t buffer[512] = {};
    EXPECT_EQ(m_link.Begin(), device::kResultFailed);
    EXPECT_EQ(m_link.ReadInfo(buffer), device::kResultFailed);
    EXPECT_EQ(m_link.WriteParam(buffer, 10, 0), device::kResultFailed);
    EXPECT_EQ(m_link.ReadStatus(buffer, 6, 0), device::kResultFailed);
    EXPECT_EQ(m_link.SendLightFrame(buffer, 100), device::kResultFailed);
    const auto start = Clock::now();
    EXPECT_EQ(m_link.End(), device::kResultFailed);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(10)) << "End still waits";
    EXPECT_TRUE(Sent().empty());
    EXPECT_FALSE(m_link.IsBusy());
}

struct StatusCase {
    uint8_t status;
    int expected;
};

TEST_F(DeviceLinkTest, ErrorStatusEndsTheTransferAtThatChunk) {
    Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    for (const StatusCase& c :
         {StatusCase{0xFF, device::kResultStatusFF}, StatusCase{0xFE, device::kResultStatusFE}}) {
        SCOPED_TRACE(c.status);
        m_keyboard->Faults().status = c.status;
        m_keyboard->Faults().afterPackets = 1;
        const std::vector<uint8_t> macro = Pattern(200, 2);
        EXPECT_EQ(m_link.WriteMacro(macro.data(), 200), c.expected);
        EXPECT_EQ(Sent().size(), 2u) << "the echo matched, yet no chunk follows the error";
        m_keyboard->Faults() = {};
    }
    uint8_t frame[60] = {};
    m_keyboard->Faults().status = 0xFE;
    EXPECT_EQ(m_link.SendLightFrame(frame, 60), device::kResultStatusFE);
}

TEST_F(DeviceLinkTest, ReplyMatchingAndWaitingFaults) {
    Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    uint8_t info[34] = {};

    // One stale report ahead of the answer: the second read takes the echo.
    m_keyboard->Faults().staleReplyFirst = true;
    EXPECT_EQ(m_link.ReadInfo(info), device::kResultSuccess);
    EXPECT_TRUE(std::equal(info, info + 34, m_keyboard->Info().begin()));
    m_keyboard->Faults() = {};

    Watchdog watchdog(std::chrono::seconds(20), "replies that never come");
    struct FaultCase {
        const char* name;
        sim::FirmwareFaults faults;
    };
    const FaultCase cases[] = {
        {"no reply", {.noReply = true}},
        {"never echoes", {.wrongEcho = true}},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_keyboard->Faults() = c.faults;
        const auto start = Clock::now();
        EXPECT_EQ(m_link.Begin(), device::kResultFailed);
        const auto took = Clock::now() - start;
        EXPECT_GE(took, std::chrono::milliseconds(900));
        EXPECT_LT(took, std::chrono::milliseconds(2500)) << "bounded by the time-outs";
        EXPECT_FALSE(m_link.IsBusy());
    }
    m_keyboard->Faults() = {};
    EXPECT_EQ(m_link.Begin(), device::kResultSuccess) << "usable again";
}

TEST_F(DeviceLinkTest, ReceiverThatCannotReachTheDevice) {
    int port = Connect(SimPath::kReceiver, device::LINK_MODE_24G);
    EXPECT_TRUE(m_link.QueryWireless());
    m_backend->SetReachable(port, false);
    EXPECT_FALSE(m_link.QueryWireless());
    uint8_t info[34] = {};
    EXPECT_EQ(m_link.ReadInfo(info), device::kResultUnreachable);
    EXPECT_EQ(m_link.Begin(), device::kResultUnreachable);

    // A frame in 2.4G mode is never sent and counts as done.
    m_keyboard->ClearRequests();
    uint8_t frame[510] = {};
    EXPECT_EQ(m_link.SendLightFrame(frame, 510), device::kResultSuccess);
    EXPECT_EQ(m_keyboard->FrameChunks(), 0);

    m_backend->SetReachable(port, true);
    EXPECT_EQ(m_link.ReadInfo(info), device::kResultSuccess);
}

TEST_F(DeviceLinkTest, UnreachableAnswerIsNoEchoInWiredMode) {
    // The receiver's answer on a link that believes it is wired: not -101,
    // just a reply that never echoes.
    int port = m_backend->Plug(m_keyboard, SimPath::kReceiver);
    m_backend->SetReachable(port, false);
    Reopen(port, device::LINK_MODE_WIRED);
    Watchdog watchdog(std::chrono::seconds(10), "wired read of 0xAA");
    EXPECT_EQ(m_link.Begin(), device::kResultFailed);
}

TEST_F(DeviceLinkTest, UnplugDuringChunkedWriteFailsAndRecoversAfterReplug) {
    int port = Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    m_backend->UnplugAfterWrites(port, 2);
    Watchdog watchdog(std::chrono::seconds(10), "unplug in a transfer");
    const std::vector<uint8_t> macro = Pattern(300, 4);
    EXPECT_EQ(m_link.WriteMacro(macro.data(), 300), device::kResultWriteFailed);
    EXPECT_EQ(Sent().size(), 2u) << "two chunks reached the device before it went";
    EXPECT_TRUE(std::equal(macro.begin(), macro.begin() + 112, m_keyboard->Macros().begin()));
    EXPECT_EQ(m_link.Begin(), device::kResultWriteFailed) << "the slot's device is gone";

    int again = m_backend->Plug(m_keyboard, SimPath::kCable);
    Reopen(again, device::LINK_MODE_WIRED);
    EXPECT_EQ(m_link.WriteMacro(macro.data(), 300), device::kResultSuccess);
    EXPECT_TRUE(std::equal(macro.begin(), macro.end(), m_keyboard->Macros().begin()));
}

TEST_F(DeviceLinkTest, ClosingTheSlotEndsAWaitingExchangeAtOnce) {
    Connect(SimPath::kReceiver, device::LINK_MODE_24G);
    m_keyboard->Faults().noReply = true;
    Watchdog watchdog(std::chrono::seconds(10), "exchange after close");
    auto pending = std::async(std::launch::async, [&] { return m_link.Begin(); });
    ASSERT_EQ(pending.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    const auto start = Clock::now();
    // As when the device is lost: the open flag goes and the slot is closed
    // without the I/O lock, which the waiting read holds.
    m_link.SetOpen(false);
    m_link.WirelessInterface().Close();
    EXPECT_EQ(pending.get(), device::kResultFailed);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000)) << "not the 5 s time-out";
}

TEST_F(DeviceLinkTest, LightFrameChunksAreDroppedWhileAnExchangeIsBusy) {
    Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    uint8_t frame[510];
    std::iota(frame, frame + 510, 0);
    ASSERT_EQ(m_link.SendLightFrame(frame, 510), device::kResultSuccess);
    EXPECT_EQ(m_keyboard->FrameChunks(), 10) << "510 bytes in 56-byte chunks";
    EXPECT_TRUE(std::equal(frame, frame + 510, m_keyboard->LastFrame().begin()));

    m_keyboard->Faults().latencyMs = 300;
    Watchdog watchdog(std::chrono::seconds(10), "frame during exchange");
    platform::ScopedTraceCapture trace;
    auto exchange = std::async(std::launch::async, [&] {
        uint8_t info[34];
        return m_link.ReadInfo(info);
    });
    while (!m_link.IsBusy()) {
        std::this_thread::yield();
    }
    const auto start = Clock::now();
    EXPECT_EQ(m_link.SendLightFrame(frame, 510), device::kResultSuccess);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(200)) << "no wait for the exchange";
    EXPECT_EQ(exchange.get(), device::kResultSuccess);
    EXPECT_TRUE(trace.Contains("放弃灯光数据"));
    EXPECT_EQ(m_keyboard->FrameChunks(), 10) << "no chunk reached the device";
}

TEST_F(DeviceLinkTest, ConcurrentTransfersAndFramesNeitherDeadlockNorMixReplies) {
    Connect(SimPath::kCable, device::LINK_MODE_WIRED);
    Watchdog watchdog(std::chrono::seconds(30), "concurrent link use");
    const std::vector<uint8_t> block = Pattern(300, 8);
    auto writer = std::async(std::launch::async, [&] {
        int failures = 0;
        for (int i = 0; i < 50; ++i) {
            failures += m_link.WriteParam(block.data(), 300, 0) != device::kResultSuccess;
        }
        return failures;
    });
    auto reader = std::async(std::launch::async, [&] {
        int wrong = 0;
        for (int i = 0; i < 50; ++i) {
            uint8_t info[34] = {};
            wrong += m_link.ReadInfo(info) != device::kResultSuccess || info[5] != 122;
        }
        return wrong;
    });
    uint8_t frame[510] = {};
    for (int i = 0; i < 50; ++i) {
        int result = m_link.SendLightFrame(frame, 510);
        EXPECT_TRUE(result == device::kResultSuccess || result == device::kResultFailed);
    }
    EXPECT_EQ(writer.get(), 0);
    EXPECT_EQ(reader.get(), 0);
    EXPECT_EQ(m_keyboard->ChecksumErrors(), 0);
    EXPECT_TRUE(std::equal(block.begin(), block.end(), m_keyboard->Params().begin()));
}

}  // namespace
