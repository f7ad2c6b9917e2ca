#include "platform/MessageBus.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLocalSocket>
#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <thread>

#include "platform/RegisteredMessage.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace {

using namespace std::chrono_literals;
using platform::BusMessage;
using platform::PostResult;
using testing_support::TempFolder;
using testing_support::Watchdog;

const char kServer[] = "ZentorBusTest";

class MessageBus : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_runtime = new TempFolder;
        ::setenv("XDG_RUNTIME_DIR", s_runtime->Path().c_str(), 1);
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            s_app = new QCoreApplication(argc, argv);
        }
    }
    static void TearDownTestSuite() {
        delete s_app;
        s_app = nullptr;
        delete s_runtime;
        s_runtime = nullptr;
    }

    // Runs the event loop (the bus lives on this thread) until the client
    // thread's post has finished.
    static PostResult PostWhilePumping(const BusMessage& message) {
        auto result = std::async(std::launch::async,
                                 [message] { return platform::PostToInstance(kServer, message); });
        PumpUntil([&] { return result.wait_for(0ms) == std::future_status::ready; });
        return result.get();
    }

    template <typename Done>
    static void PumpUntil(Done done) {
        auto deadline = std::chrono::steady_clock::now() + 5s;
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    static TempFolder* s_runtime;
    static QCoreApplication* s_app;
};
TempFolder* MessageBus::s_runtime = nullptr;
QCoreApplication* MessageBus::s_app = nullptr;

TEST_F(MessageBus, RegisteredMessageArrivesWithItsNumberParametersAndBytes) {
    Watchdog watchdog(20s, "bus delivery");
    uint32_t number = platform::RegisterMessage("Game_Start");
    platform::MessageBus bus;
    ASSERT_TRUE(bus.Listen(kServer));
    std::vector<std::pair<uint32_t, BusMessage>> received;
    bus.SetHandler([&](uint32_t n, const BusMessage& m) { received.emplace_back(n, m); });

    BusMessage message;
    message.name = "Game_Start";
    message.wParam = 0;
    message.lParam = 7;
    message.data = {1, 2, 3, 250};
    EXPECT_EQ(PostWhilePumping(message), PostResult::kDelivered);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].first, number);
    EXPECT_EQ(received[0].second.lParam, 7);
    EXPECT_EQ(received[0].second.data, message.data);
}

TEST_F(MessageBus, UnregisteredNameIsAnsweredAsUnknownAndNotHandled) {
    Watchdog watchdog(20s, "unknown name");
    platform::MessageBus bus;
    ASSERT_TRUE(bus.Listen(kServer));
    int handled = 0;
    bus.SetHandler([&](uint32_t, const BusMessage&) { ++handled; });
    BusMessage message;
    message.name = "MessageBusTest.NobodyRegisteredThis";
    EXPECT_EQ(PostWhilePumping(message), PostResult::kUnknownName);
    EXPECT_EQ(handled, 0);
}

TEST_F(MessageBus, PostWithoutARunningInstanceSaysSoQuickly) {
    Watchdog watchdog(20s, "no instance");
    BusMessage message;
    message.name = "Game_End";
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(platform::PostToInstance("ZentorBusTest.nobody", message), PostResult::kNoInstance);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
}

TEST_F(MessageBus, StaleSocketFileOfACrashedInstanceDoesNotBlockListening) {
    Watchdog watchdog(20s, "stale socket");
    std::string path = platform::BusSocketPath(kServer);
    ::unlink(path.c_str());
    // A bound socket whose owner went away without removing it.
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);

    platform::MessageBus bus;
    ASSERT_TRUE(bus.Listen(kServer));
    platform::RegisterMessage("Game_Kill");
    int handled = 0;
    bus.SetHandler([&](uint32_t, const BusMessage&) { ++handled; });
    BusMessage message;
    message.name = "Game_Kill";
    EXPECT_EQ(PostWhilePumping(message), PostResult::kDelivered);
    EXPECT_EQ(handled, 1);
}

TEST_F(MessageBus, BroadcastReachesConnectedCompanions) {
    Watchdog watchdog(20s, "broadcast");
    platform::MessageBus bus;
    ASSERT_TRUE(bus.Listen(kServer));
    QLocalSocket companion;
    companion.connectToServer(QString::fromStdString(platform::BusSocketPath(kServer)));
    ASSERT_TRUE(companion.waitForConnected(1000));
    BusMessage announce;
    announce.name = "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}";
    announce.wParam = 1;
    announce.lParam = 1;
    int sent = 0;
    PumpUntil([&] { return (sent = bus.Broadcast(announce)) > 0; });
    ASSERT_EQ(sent, 1);
    QByteArray bytes;
    BusMessage got;
    platform::BusFrameKind kind;
    std::size_t consumed = 0;
    PumpUntil([&] {
        bytes += companion.readAll();
        return platform::DecodeBusFrame(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        bytes.size(), &kind, &got,
                                        &consumed) == platform::BusDecode::kFrame;
    });
    EXPECT_EQ(got.name, announce.name);
    EXPECT_EQ(got.lParam, 1);
}

TEST_F(MessageBus, GarbageFromOneClientDropsItAndTheBusGoesOn) {
    Watchdog watchdog(20s, "garbage client");
    platform::MessageBus bus;
    ASSERT_TRUE(bus.Listen(kServer));
    platform::RegisterMessage("Game_Death");
    int handled = 0;
    bus.SetHandler([&](uint32_t, const BusMessage&) { ++handled; });
    QLocalSocket rogue;
    rogue.connectToServer(QString::fromStdString(platform::BusSocketPath(kServer)));
    ASSERT_TRUE(rogue.waitForConnected(1000));
    rogue.write(QByteArray(64, '\xff'));
    rogue.flush();
    PumpUntil([&] { return rogue.state() == QLocalSocket::UnconnectedState; });
    EXPECT_EQ(rogue.state(), QLocalSocket::UnconnectedState);
    BusMessage message;
    message.name = "Game_Death";
    EXPECT_EQ(PostWhilePumping(message), PostResult::kDelivered);
    EXPECT_EQ(handled, 1);
}

}  // namespace
