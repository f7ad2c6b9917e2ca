#include "app/Startup.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "app/RegisteredMessages.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBus.h"
#include "platform/Paths.h"
#include "platform/RegisteredMessage.h"
#include "platform/Trace.h"
#include "uilib/UiApplication.h"

namespace app {
namespace {

// A second start tells the running instance to come to the front. The first one
// may still be setting up its bus, so the delivery is tried for a moment.
void NotifyRunningInstance() {
    platform::BusMessage message;
    message.name = kAppTitle;
    message.wParam = 0;
    message.lParam = 1;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(800);
    while (platform::PostToInstance(kAppTitle, message, 300) == platform::PostResult::kNoInstance &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

int RunProgram(int argc, char** argv) {
    uilib::CUiApplication application(argc, argv, kAppTitle);
    // Before anything is created that a signal must not leave behind (the
    // instance lock, the bus socket).
    application.QuitOnTerminationSignals();

    uint32_t broadcast = RegisterBroadcastMessage();
    platform::TraceF("软件标示：%d", static_cast<int>(broadcast));
    if (!platform::IsRegisteredMessageNumber(broadcast)) {
        std::fprintf(stderr, "Zentor Keyboard: the broadcast message could not be registered\n");
        return 0;
    }

    platform::InstanceLock instance;
    if (!instance.Acquire(kAppTitle)) {
        NotifyRunningInstance();
        return 0;
    }

    platform::MessageBus bus;
    if (!bus.Listen(kAppTitle)) {
        std::fprintf(stderr, "Zentor Keyboard: cannot open the message bus socket %s\n",
                     platform::BusSocketPath(kAppTitle).c_str());
        return 0;
    }
    bus.SetHandler([](uint32_t, const platform::BusMessage&) {});

    RegisterAllMessages();
    platform::UserDataFolder();

    application.ShowPlaceholderWindow(kAppTitle, 800, 572);
    application.Run();

    bus.Close();
    instance.Release();
    return 0;
}

}  // namespace app
