// A main window on the shipped skin for tests: one Qt application for the
// process, the skin and English texts loaded, the program's messages
// registered, and a record of the operations the window reached.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainWnd.h"
#include "app/RegisteredMessages.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/ResourceManager.h"
#include "uilib/UiTestDriver.h"

namespace apptest {

inline void EnsureApp() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

inline void LoadSkin() {
    EnsureApp();
    DuiLib::CPaintManagerUI::SetResourcePath(
        (std::filesystem::path(ZENTOR_SOURCE_DIR) / "skin").string() + "/");
    auto& resources = DuiLib::CResourceManager::GetInstance();
    resources.LoadResource("res.xml");
    resources.LoadLanguage("lan_en.xml");
    app::RegisterAllMessages();
}

// Runs the event loop until done() holds or ms have passed; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        DuiLib::CUiTestDriver::ProcessEvents(5);
    }
    return done();
}

struct Broadcast {
    std::string name;
    int64_t wParam;
    int64_t lParam;
    std::vector<uint8_t> data;
};

// A created main window, shown after its first (empty) discovery scan.
class MainWndHarness {
public:
    explicit MainWndHarness(app::CMainWnd::TrayMode tray = app::CMainWnd::TrayMode::kAvailable) {
        LoadSkin();
        app::CMainWnd::SetTrayMode(tray);
        wnd = std::make_unique<app::CMainWnd>();
        wnd->SetObserver([this](const std::string& handler) { reached.push_back(handler); });
        wnd->SetBroadcaster([this](const std::string& name, int64_t w, int64_t l,
                                   const std::vector<uint8_t>& data) {
            broadcasts.push_back({name, w, l, data});
        });
        hwnd = wnd->Create({}, app::kAppTitle, 0x96CA0000, 0, 0, 0, 800, 572);
    }
    ~MainWndHarness() {
        wnd.reset();
        app::CMainWnd::SetTrayMode(app::CMainWnd::TrayMode::kAuto);
    }

    // Waits until the window has shown itself after its first scan (and is
    // shown now).
    bool WaitShown() {
        return WaitUntil([this] {
            return Count("ShowAndRaise") > 0 && wnd->IsWindowVisible() && !wnd->IsMinimized();
        });
    }
    int Count(const std::string& handler) const {
        int n = 0;
        for (const auto& h : reached) {
            n += h == handler ? 1 : 0;
        }
        return n;
    }
    DuiLib::CUiTestDriver Driver() { return DuiLib::CUiTestDriver(wnd->GetPaintManager()); }
    DuiLib::CControlUI* Find(const std::string& name) {
        return wnd->GetPaintManager().FindControl(name);
    }

    std::unique_ptr<app::CMainWnd> wnd;
    DuiLib::HWND hwnd;
    std::vector<std::string> reached;
    std::vector<Broadcast> broadcasts;
};

}  // namespace apptest
