#include "app/Startup.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "app/MainWnd.h"
#include "app/MainWndMessages.h"
#include "app/RegisteredMessages.h"
#include "app/SimulatedDevices.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBus.h"
#include "platform/Paths.h"
#include "platform/PowerEvents.h"
#include "platform/RegisteredMessage.h"
#include "platform/Trace.h"
#include "ui/RegisterCustomControls.h"
#include "uilib/ControlFactory.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/PrivateFonts.h"
#include "uilib/ResourceManager.h"
#include "uilib/UiApplication.h"
#include "uilib/WindowImplBase.h"

#include <string>
#include <vector>

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

// The private fonts, loaded in this order from "Font" beside the program; a
// missing file is skipped.
const char* const kFontFiles[] = {"Simplified_Chinese.ttf", "Predator-Regular.otf",
                                  "NotoSansThai-Regular.ttf", "NotoSansCJKtc-Regular.otf"};

// WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION |
// WS_SYSMENU | WS_MINIMIZEBOX; the window is shown once it is centred.
constexpr uint32_t kMainWindowStyle = 0x96CA0000;
constexpr int kMainWindowWidth = 800;
constexpr int kMainWindowHeight = 572;

// The program's own control classes, registered so that layouts can name them.
// Each class is added here, in the order of the start-up table, when it exists.
void RegisterControlClasses() {
    ui::RegisterCustomControls();
}

// "--screenshot FILE": paint the main window into FILE once it is up, then end.
std::string ScreenshotPath(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--screenshot") {
            return argv[i + 1];
        }
    }
    return {};
}

}  // namespace

int RunProgram(int argc, char** argv) {
    uilib::CUiApplication application(argc, argv, kAppTitle);
    // Before anything is created that a signal must not leave behind (the
    // instance lock, the bus socket).
    application.QuitOnTerminationSignals();

    DuiLib::CPrivateFonts fonts;
    for (const char* file : kFontFiles) {
        fonts.Load((platform::FontFolder() / file).string());
    }

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

    DuiLib::CPaintManagerUI::SetInstancePath(platform::ProgramFolder().string() + "/");
    DuiLib::CPaintManagerUI::SetResourcePath(platform::SkinFolder().string() + "/");
    DuiLib::CResourceManager::GetInstance().LoadResource("res.xml");

    RegisterControlClasses();
    RegisterAllMessages();
    platform::UserDataFolder();

    // "--simulate ...": simulated devices take the place of the HID layer
    // before anything looks for devices.
    SimulatedDevices simulated;
    if (!simulated.InstallFromCommandLine(argc, argv)) {
        return 0;
    }

    auto* mainWnd = new CMainWnd();
    mainWnd->SetBroadcaster([&bus](const std::string& name, int64_t wParam, int64_t lParam,
                                   const std::vector<uint8_t>& data) {
        bus.Broadcast(platform::BusMessage{name, wParam, lParam, data});
    });
    DuiLib::HWND hwnd = mainWnd->Create({}, kAppTitle, kMainWindowStyle & ~DuiLib::WS_VISIBLE, 0, 0,
                                        0, kMainWindowWidth, kMainWindowHeight);
    if (!hwnd || !mainWnd->IsSkinLoaded()) {
        std::fprintf(stderr, "Zentor Keyboard: the main window could not be created from %s\n",
                     platform::SkinFolder().string().c_str());
        delete mainWnd;
        return 0;
    }
    // Registered messages from other processes reach the main window as
    // posted window messages.
    bus.SetHandler([hwnd, &simulated](uint32_t number, const platform::BusMessage& message) {
        if (simulated.HandleBusMessage(message)) {
            return;
        }
        DuiLib::PostMessage(hwnd, number, static_cast<DuiLib::WPARAM>(message.wParam),
                            static_cast<DuiLib::LPARAM>(message.lParam));
    });
    // System sleep and wake reach the main window as power broadcasts.
    platform::PowerEvents power;
    power.Start([hwnd](bool suspending) {
        DuiLib::PostMessage(hwnd, WM_POWERBROADCAST,
                            suspending ? PBT_APMSUSPEND : PBT_APMRESUMEAUTOMATIC, 0);
    });
    // The main window shows itself once the first device scan has ended.
    mainWnd->CenterWindow();

    std::string screenshot = ScreenshotPath(argc, argv);
    if (!screenshot.empty()) {
        uilib::CUiApplication::RunLater(800, [mainWnd, screenshot] {
            if (!mainWnd->GetPaintManager().RenderToPng(screenshot)) {
                std::fprintf(stderr, "Zentor Keyboard: cannot write %s\n", screenshot.c_str());
            }
            mainWnd->Close(DuiLib::IDOK);
        });
    }

    application.Run();

    bus.SetHandler([](uint32_t, const platform::BusMessage&) {});
    delete mainWnd;
    DuiLib::CResourceManager::GetInstance().Release();
    bus.Close();
    instance.Release();
    fonts.RemoveAll();
    return 0;
}

}  // namespace app
