// CMainWnd: the program's main window and the hub of its UI. It hosts the main
// layout, creates the program's controls by class name, routes every
// notification of its layout by type and control name to the operation that
// owns it, handles the program's internal and registered messages, keeps the
// tray icon and the worker slots, and closes to the tray.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/DeviceDiscovery.h"
#include "app/NotifyRouter.h"
#include "app/WorkerSlots.h"
#include "uilib/TrayIcon.h"
#include "uilib/WindowImplBase.h"

namespace ui {
class CAboutWnd;
class CDeviceOptionUI;
}  // namespace ui
namespace pages {
class CVexmoorUSBDevice;
}

namespace app {

class CMainWnd : public DuiLib::WindowImplBase,
                 public DuiLib::IQueryControlText,
                 public IDiscoverySink {
public:
    using LRESULT = DuiLib::LRESULT;
    using UINT = DuiLib::UINT;
    using WPARAM = DuiLib::WPARAM;
    using LPARAM = DuiLib::LPARAM;
    using TNotifyUI = DuiLib::TNotifyUI;
    // Sends a registered message to the companion programs (the bus broadcast).
    using Broadcaster = std::function<void(const std::string& name, int64_t wParam, int64_t lParam,
                                           const std::vector<uint8_t>& data)>;
    // Tells tests which named operation a notification or message reached.
    using Observer = std::function<void(const std::string& handlerName)>;

    // Whether the window may rely on a notification area. kAuto asks the
    // system; the others stand in for a desktop with or without one.
    enum class TrayMode { kAuto, kAvailable, kUnavailable };
    static void SetTrayMode(TrayMode mode);

    CMainWnd();
    ~CMainWnd() override;

    std::string GetWindowClassName() const override { return "MainWnd"; }
    unsigned GetClassStyle() const override { return 8; }  // double clicks
    std::string GetSkinFile() override;
    void InitWindow() override;
    void Notify(TNotifyUI& msg) override;
    DuiLib::CControlUI* CreateControl(const std::string& className) override;
    LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;
    std::string QueryControlText(const std::string& key, const std::string& type) override;

    // Destroys the window now when it still exists (the program's end after
    // a termination signal); workers are stopped as on "exit".
    void DestroyNow();

    void SetBroadcaster(Broadcaster broadcaster) { m_broadcaster = std::move(broadcaster); }
    void SetObserver(Observer observer) { m_observer = std::move(observer); }
    // The monitor the window fits itself to; the system's by default.
    void SetMonitorProvider(std::function<DuiLib::UiRect()> provider);

    const CNotifyRouter& Router() const { return m_router; }
    WorkerSlots& Workers() { return m_workers; }
    DuiLib::CTrayIcon& Tray() { return m_tray; }
    bool HasTray() const { return m_hasTray; }
    bool PowerOn() const { return m_powerOn; }
    int LightControl() const { return m_lightControl; }
    bool IsActive() const { return m_active; }
    bool IsMouseInside() const { return m_mouseInside; }
    int ChosenDpi() const { return m_dpi; }
    bool IsAboutOpen() const { return m_aboutWnd != nullptr; }

    // The discovery worker and its device list (touch the list only while the
    // worker is stopped or inside the found/lost handlers).
    DeviceDiscovery& Discovery() { return *m_discovery; }
    // The selector strip, entries addressed by their position in
    // "device_select_layout".
    ui::CDeviceOptionUI* Option(int index);
    void ShowOption(int index, bool visible, bool select);
    void HideOption(int index);
    // Whether an entry is shown, the first shown entry and how many are shown.
    bool FirstShown(int& first, int& count);
    // The page of the first entry that is shown and selected, or nullptr.
    pages::CVexmoorUSBDevice* SelectedPage();
    int SelectedOption() const { return m_selectedOption; }

    // 144 DPI for a monitor larger than 1500 x 960 pixels, otherwise 96.
    static int ChooseDpiForMonitor(int width, int height);
    // The DPI itself when the library accepts it; 96 with the trace otherwise.
    static int CheckedDpi(int dpi, const char* errorTrace);

private:
    using Handler = void (CMainWnd::*)(TNotifyUI& msg, const ControlName& name);
    struct MessageRoute {
        std::string handlerName;
        std::function<void(WPARAM, LPARAM)> handler;
    };

    void BuildRoutes();
    void BuildMessageRoutes();
    void Route(const std::string& type, CNotifyRouter::Match match,
               const std::vector<std::string>& keys, const std::string& handlerName,
               Handler handler);
    void Observe(const std::string& handlerName) const;
    bool HandleRegisteredMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleInternalMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    void OnTimer(UINT id);
    void OnMenuCommand(const std::string& item);

    // Window operations.
    void StartUp();
    void CreateTray();
    void RefreshTrayMenu();
    void UpdateNoDeviceNotice();
    void ShowAndRaise();
    void HideToTray();
    void FitWindowToMonitor();
    void OnTrayLeftClick();
    void OpenTrayMenu();
    void SetLightControl(int flag, bool broadcast);
    void SetPowerState(bool on);
    void CloseAuxiliaryWindows();
    void OpenAboutWindow();
    void Shutdown();
    void Broadcast(const std::string& name, int64_t wParam, int64_t lParam,
                   const std::vector<uint8_t>& data = {});
    void AnswerWorkToolQuery();
    DuiLib::CControlUI* BuildLayout(const std::string& file);

    // Routed window-level operations.
    void OnWindowInit(TNotifyUI&, const ControlName&);
    void OnRootWindowSize(TNotifyUI&, const ControlName&);
    void OnCloseButton(TNotifyUI&, const ControlName&);
    void OnNoDeviceOk(TNotifyUI&, const ControlName&);
    void OnLightControlToggle(TNotifyUI&, const ControlName&);
    void OnMinimizeButton(TNotifyUI&, const ControlName&);
    void OnMaximizeButton(TNotifyUI&, const ControlName&);
    void OnRestoreButton(TNotifyUI&, const ControlName&);
    void OnMenuButton(TNotifyUI&, const ControlName&);
    void OnSkinButton(TNotifyUI&, const ControlName&);
    void OnSettingsButton(TNotifyUI&, const ControlName&);
    void OnKeyCaptureFocus(TNotifyUI&, const ControlName&);
    void OnProfileComboSelect(TNotifyUI&, const ControlName&);
    void OnAudioColorSlider(TNotifyUI&, const ControlName&);
    void OnNoAction(TNotifyUI&, const ControlName&);

#define ZENTOR_FEATURE_HANDLER(name) void name(TNotifyUI&, const ControlName&);
#include "app/MainWndFeatureHandlers.inc"
#undef ZENTOR_FEATURE_HANDLER

    // Operations of the device, lighting and settings features, reached from
    // messages and timers.
    void HandleDeviceFound(WPARAM index);
    void HandleDeviceLost(WPARAM index);
    void OnDeviceSelectorScroll(TNotifyUI&, const ControlName&);
    void OnDeviceSelected(TNotifyUI&, const ControlName&);
    void ShowAccessNotice();
    // The discovery worker's news, on its thread.
    void OnDeviceFound(std::size_t index) override;
    void OnDeviceLost(std::size_t index) override;
    void OnFirstScanDone() override;
    void OnAccessNotice() override;
    // Device pages: creation and the paths of their devices.
    bool CreatePage(std::size_t kindRow, std::size_t entry);
    pages::CVexmoorUSBDevice* PageOfEntry(std::size_t entry);
    int OptionIndexOf(const pages::CVexmoorUSBDevice* page);
    void AddCommandInterface(std::size_t entry);
    void AddEventInterface(std::size_t entry);
    void LoseCommandInterface(std::size_t entry);
    void LoseEventInterface(std::size_t entry);
    void SwitchPath(std::size_t entry);
    void OnHookKeyCapture(WPARAM wParam, LPARAM lParam);
    void OnHookMacroRecord(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnGameEvent(WPARAM wParam, LPARAM lParam);
    void OnGameLightEnd();
    void ApplySelectedProfile();
    void OnSelectorEntry(WPARAM position, LPARAM show);
    void InstallInputHook(bool install);
    void ApplyLanguage();
    void OpenSettingsWindow(bool centred);
    void OpenSkinFrame();
    void OnMenuItemCommand(const std::string& item);
    void OnUpdateProcessMessage(WPARAM wParam, LPARAM lParam);
    void OnAudioCopyData(WPARAM wParam, LPARAM lParam);
    void CreateFirstPages();
    void StartAudioCapture();
    void SendAudioCaptureStart();
    void StopAudioCapture();
    void LoadAudioLightSettings();
    void CloseFeatureWindows();
    void NotifyPagesWindowShown(bool shown);
    void GivePagesLightControl(int flag);
    void GivePagesWindowFlags();
    void ApplyGameLight(int change, int mode);
    // Worker bodies; wnd is this window's handle for their messages.
    void RunDiscovery(platform::Event& stop, const DuiLib::HWND& wnd);
    void RunAudioRecorderWatch(platform::Event& stop, const DuiLib::HWND& wnd);
    void RunLightSync(platform::Event& stop, const DuiLib::HWND& wnd);

    std::unique_ptr<DeviceDiscovery> m_discovery;
    // Set by the discovery worker before it runs; read only on its thread.
    DuiLib::HWND m_discoveryWnd;
    platform::Event* m_discoveryStop = nullptr;
    // The pages of each kind row (mouse, keyboard, mouse pad, headset).
    std::vector<pages::CVexmoorUSBDevice*> m_pages[4];
    int m_selectedOption = -1;
    int m_selectedKind = 0;
    int m_selectedRole = 0;
    CNotifyRouter m_router;
    std::unordered_map<UINT, MessageRoute> m_messageRoutes;
    WorkerSlots m_workers;
    DuiLib::CTrayIcon m_tray;
    Broadcaster m_broadcaster;
    Observer m_observer;
    std::function<DuiLib::UiRect()> m_monitorProvider;
    ui::CAboutWnd* m_aboutWnd = nullptr;
    bool m_hasTray = false;
    bool m_powerOn = true;
    int m_lightControl = 1;
    bool m_active = false;
    bool m_mouseInside = false;
    bool m_firstRootSize = true;
    bool m_displayChanged = false;
    bool m_shutDown = false;
    int m_dpi = 96;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
};

}  // namespace app
