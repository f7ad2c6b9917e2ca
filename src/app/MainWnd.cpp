#include "app/MainWnd.h"

#include <chrono>
#include <thread>

#include "app/MainWndMessages.h"
#include "app/RegisteredMessages.h"
#include "app/WorkToolQuery.h"
#include "device/DeviceTables.h"
#include "platform/Trace.h"
#include "ui/AboutWnd.h"
#include "ui/DeviceOptionUI.h"
#include "ui/MpDevicePowerUI.h"
#include "ui/NamedLayout.h"
#include "ui/RegisterCustomControls.h"
#include "ui/WindowDpi.h"
#include "uilib/ContainerUI.h"
#include "uilib/ControlFactory.h"
#include "uilib/DialogBuilder.h"
#include "uilib/MenuWnd.h"
#include "uilib/MonitorInfo.h"
#include "uilib/ProgressUI.h"
#include "uilib/ResourceManager.h"
#include "uilib/UiApplication.h"

namespace app {
namespace {

using DuiLib::CControlUI;

CMainWnd::TrayMode g_trayMode = CMainWnd::TrayMode::kAuto;

// The classes the main layout names that the library does not know: the
// program's control classes (created by their registered class) and the
// composite controls built from their own layout files.
struct ControlRow {
    const char* layoutClass;
    const char* controlClass;  // registered class name, or nullptr
    const char* layoutFile;    // layout to build, or nullptr
};

constexpr ControlRow kControlTable[] = {
    {"CircleProgress", "CCircleProgressUI", nullptr},
    {"SelectPanel", "CSelectPanelUI", nullptr},
    {"DeviceKeyButton", "CDeviceKeyButtonUI", nullptr},
    {"HandImgButton", "CHandImgButtonUI", nullptr},
    {"AudioRecord", "CAudioRecordUI", nullptr},
    {"HandImgSelectButton", "CHandImgSelectButtonUI", nullptr},
    {"RedioMacroButton", "CRedioMacroButtonUI", nullptr},
    {"ComboEditContainerElement", "CComboEditContainerElementUI", nullptr},
    {"VexmoorMousePadDevice", "CVexmoorMousePadDevice", nullptr},
    {"VexmoorVO6533Device", "CVexmoorVO6533Device", nullptr},
    {"VexmoorMouseDevice", "CVexmoorMouseDevice", nullptr},
    {"VexmoorKeyboardDevice", "CVexmoorKeyboardDevice", nullptr},
    {"DeviceProfile", "CDeviceProfileUI", nullptr},
    {"LightControl", "CLightControlUI", nullptr},
    {"MagicControl", "CMagicControlUI", nullptr},
    {"Voice6533Control", "CVoice6533ControlUI", nullptr},
    {"KeySetControl", "CKeySetControlUI", nullptr},
    {"ShootControl", "CShootControlUI", nullptr},
    {"DeviceProfileUI", nullptr, "XML/CustomControlXML/DeviceProfile.xml"},
    {"LightSetControlUI", nullptr, "XML/CustomControlXML/LightControl.xml"},
    {"Voice6533SetControlUI", nullptr, "XML/CustomControlXML/Voice6533Control.xml"},
    {"MagicSetControlUI", nullptr, "XML/CustomControlXML/MagicControl.xml"},
    {"KeySetControlUI", nullptr, "XML/CustomControlXML/KeySetControl.xml"},
    {"MacroSetControlUI", nullptr, "XML/CustomControlXML/MacroControl.xml"},
    {"ShootKeySetControlUI", nullptr, "XML/CustomControlXML/ShootControl.xml"},
    {"VirtualSetControlUI", nullptr, "XML/CustomControlXML/VirtualSet.xml"},
};

constexpr int kMainWidth = 1000;
constexpr int kMainHeight = 640;
constexpr char kLightControlOnText[] = "控制灯光";
constexpr char kLightControlOffText[] = "不控制灯光";

}  // namespace

void CMainWnd::SetTrayMode(TrayMode mode) {
    g_trayMode = mode;
}

CMainWnd::CMainWnd() : m_discovery(std::make_unique<DeviceDiscovery>(*this)) {
    BuildRoutes();
    BuildMessageRoutes();
}

CMainWnd::~CMainWnd() {
    DestroyNow();
    m_workers.Shutdown();
    DuiLib::CResourceManager::GetInstance().SetTextQueryInterface(nullptr);
}

std::string CMainWnd::GetSkinFile() {
    return ui::NamedLayout("XML_MAIN", "XML/MainWnd.xml");
}

void CMainWnd::SetMonitorProvider(std::function<DuiLib::UiRect()> provider) {
    m_monitorProvider = std::move(provider);
}

int CMainWnd::ChooseDpiForMonitor(int width, int height) {
    return CheckedDpi(width > 1500 && height > 960 ? 144 : 96, "MAIN_WND DPI SET ERROR");
}

int CMainWnd::CheckedDpi(int dpi, const char* errorTrace) {
    return ui::CheckedDpi(dpi, errorTrace);
}

void CMainWnd::DestroyNow() {
    if (GetWidget() != nullptr) {
        DestroyWindow();
    }
}

void CMainWnd::Observe(const std::string& handlerName) const {
    if (m_observer) {
        m_observer(handlerName);
    }
}

void CMainWnd::InitWindow() {
    platform::Trace("InitWindow");
    auto& resources = DuiLib::CResourceManager::GetInstance();
    resources.SetTextQueryInterface(this);
    resources.LoadLanguage("lan_cn.xml");
    SetIcon(kAppIconResource);
    CreateTray();
}

void CMainWnd::CreateTray() {
    bool shown = m_tray.CreateTrayIcon(GetHWND(), kAppIconResource, kAppTitle, kMsgTray);
    switch (g_trayMode) {
        case TrayMode::kAuto:
            m_hasTray = shown;
            break;
        case TrayMode::kAvailable:
            m_hasTray = true;
            break;
        case TrayMode::kUnavailable:
            m_hasTray = false;
            break;
    }
    // Without a notification area the window must stay reachable: the title
    // bar's menu button then offers what the tray menu would.
    if (CControlUI* menu = m_pm.FindControl("menubtn")) {
        menu->SetVisible(!m_hasTray);
    }
    platform::TraceF("托盘图标：%s", m_hasTray ? "可用" : "不可用，关闭按钮改为最小化");
    RefreshTrayMenu();
}

// Some notification areas (StatusNotifierItem hosts) show only menus they
// build themselves, so the icon carries the items of "menu.xml" as its own
// menu, in the current language.
void CMainWnd::RefreshTrayMenu() {
    std::vector<DuiLib::CTrayIcon::MenuItem> items;
    DuiLib::CPaintManagerUI pm;
    DuiLib::CDialogBuilder builder;
    if (CControlUI* root = builder.Create("menu.xml", {}, nullptr, &pm)) {
        pm.AttachDialog(root);
        root->FindControl(
            [&items](CControlUI* control) {
                if (control->GetInterface("MenuElement") != nullptr) {
                    items.push_back({control->GetName(), control->GetText()});
                }
                return false;
            },
            DuiLib::UIFIND_ALL);
        pm.DetachAndDeleteRoot();
    }
    m_tray.SetMenuItems(items);
}

void CMainWnd::OnWindowInit(TNotifyUI&, const ControlName&) {
    Broadcast(kLightControlAnnounceGuid, 1, 1);
    ApplyLanguage();
    CreateFirstPages();
    DuiLib::UiRect monitor =
        m_monitorProvider ? m_monitorProvider() : DuiLib::GetMonitorRect(*this);
    m_screenWidth = monitor.Width();
    m_screenHeight = monitor.Height();
    // Hidden until the first discovery scan has ended.
    ShowWindow(false);
    DuiLib::HWND wnd = GetHWND();
    m_workers.Start(WorkerSlots::kDiscoverySlot,
                    [this, wnd](platform::Event& stop) { RunDiscovery(stop, wnd); });
    m_workers.Start(WorkerSlots::kAudioRecorderSlot,
                    [this, wnd](platform::Event& stop) { RunAudioRecorderWatch(stop, wnd); });
    m_workers.Start(WorkerSlots::kLightSyncSlot,
                    [this, wnd](platform::Event& stop) { RunLightSync(stop, wnd); });
    StartAudioCapture();
    SetTimer(kTimerFitWindow, 100);
    LoadAudioLightSettings();
}

void CMainWnd::Notify(TNotifyUI& msg) {
    std::string sender = msg.pSender != nullptr ? msg.pSender->GetName() : std::string();
    if (msg.sType != "timer") {
        platform::Trace(msg.sType);
        platform::Trace(sender);
    }
    ControlName name = SplitControlName(sender);
    if (const CNotifyRouter::Route* route = m_router.Find(msg.sType, name)) {
        Observe(route->handlerName);
        route->handler(msg, name);
    }
    if (msg.sType == "click_wpremove" || msg.sType == "click_wpedit") {
        return;
    }
    WindowImplBase::Notify(msg);
}

CControlUI* CMainWnd::CreateControl(const std::string& className) {
    if (DuiLib::EqualsNoCase(className, "DeviceOption")) {
        return new ui::CDeviceOptionUI();
    }
    if (DuiLib::EqualsNoCase(className, "MpDevicePower")) {
        return new ui::CMpDevicePowerUI();
    }
    // The factory does not register the keyboard and mouse pages; they are
    // made by their layout tag.
    if (DuiLib::EqualsNoCase(className, "VexmoorKeyboardDevice") ||
        DuiLib::EqualsNoCase(className, "VexmoorMouseDevice")) {
        return ui::CreateCustomControl(className);
    }
    for (const ControlRow& row : kControlTable) {
        if (!DuiLib::EqualsNoCase(className, row.layoutClass)) {
            continue;
        }
        if (row.controlClass != nullptr) {
            return DuiLib::CControlFactory::GetInstance().CreateControl(row.controlClass);
        }
        return BuildLayout(row.layoutFile);
    }
    return nullptr;
}

CControlUI* CMainWnd::BuildLayout(const std::string& file) {
    DuiLib::CDialogBuilder builder;
    return builder.Create(file, {}, this, &m_pm);
}

// Every text of the window comes from the language files; the window adds
// none of its own.
std::string CMainWnd::QueryControlText(const std::string&, const std::string&) {
    return {};
}

void CMainWnd::UpdateNoDeviceNotice() {
    int visible = 0;
    if (auto* strip = m_pm.FindControl<DuiLib::CContainerUI>("device_select_layout")) {
        for (int i = 0; i < strip->GetCount(); ++i) {
            visible += strip->GetItemAt(i)->IsOwnVisible() ? 1 : 0;
        }
    }
    if (CControlUI* notice = m_pm.FindControl("No_device_Link")) {
        notice->SetVisible(visible == 0);
    }
    // Without a device there is neither a page nor a power status to show.
    for (const char* tabs : {"device_switch", "device_power_switch"}) {
        if (CControlUI* control = m_pm.FindControl(tabs)) {
            control->SetVisible(visible != 0);
        }
    }
    // The strip's arrows only make sense with something to scroll through.
    for (const char* arrow : {"device_select_prev", "device_select_next"}) {
        if (CControlUI* button = m_pm.FindControl(arrow)) {
            button->SetVisible(visible != 0);
        }
    }
}

void CMainWnd::ShowAndRaise() {
    UpdateNoDeviceNotice();
    NotifyPagesWindowShown(true);
    SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_RESTORE);
    ShowWindow(true);
    SetTopMost(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    SetTopMost(false);
}

void CMainWnd::HideToTray() {
    if (m_hasTray) {
        ShowWindow(false);
    } else {
        SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_MINIMIZE);
    }
    NotifyPagesWindowShown(false);
}

void CMainWnd::FitWindowToMonitor() {
    bool wasShown = IsWindowVisible() && !IsMinimized();
    if (IsMinimized()) {
        SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_RESTORE);
    }
    DuiLib::UiRect monitor =
        m_monitorProvider ? m_monitorProvider() : DuiLib::GetMonitorRect(*this);
    m_dpi = ChooseDpiForMonitor(monitor.Width(), monitor.Height());
    DuiLib::CPaintManagerUI::SetAllDPI(96);
    SetWindowPos(0, 0, kMainWidth, kMainHeight);
    DuiLib::CPaintManagerUI::SetAllDPI(m_dpi);
    CenterWindow();
    ShowWindow(wasShown);
}

void CMainWnd::OnTrayLeftClick() {
    UpdateNoDeviceNotice();
    CloseAuxiliaryWindows();
    if (IsWindowVisible() && !IsMinimized()) {
        HideToTray();
        return;
    }
    ShowWindow(true);
    FitWindowToMonitor();
    ShowAndRaise();
    m_pm.NeedUpdate();
}

void CMainWnd::OpenTrayMenu() {
    int x = 0;
    int y = 0;
    DuiLib::CMenuWnd::GetCursorPos(x, y);
    DuiLib::CMenuWnd::CreateMenu(GetHWND(), "menu.xml", x, y, this);
}

void CMainWnd::OnMenuCommand(const std::string& item) {
    if (item == "exit") {
        CloseAuxiliaryWindows();
        Close(DuiLib::IDOK);
    } else if (item == "about_menu") {
        OpenAboutWindow();
    } else if (item == "setwnd_menu") {
        OpenSettingsWindow(true);
    } else {
        OnMenuItemCommand(item);
    }
}

void CMainWnd::SetLightControl(int flag, bool broadcast) {
    m_lightControl = flag != 0 ? 1 : 0;
    if (broadcast) {
        Broadcast(kLightControlAnnounceGuid, 1, m_lightControl);
    }
    if (CControlUI* status = m_pm.FindControl("control_light_status")) {
        status->SetText(m_lightControl != 0 ? kLightControlOnText : kLightControlOffText);
    }
    GivePagesLightControl(m_lightControl);
}

void CMainWnd::SetPowerState(bool on) {
    m_powerOn = on;
    GivePagesLightControl(on ? m_lightControl : 0);
}

void CMainWnd::CloseAuxiliaryWindows() {
    if (m_aboutWnd != nullptr) {
        m_aboutWnd->Close(DuiLib::IDCANCEL);
    }
    CloseFeatureWindows();
}

void CMainWnd::OpenAboutWindow() {
    if (m_aboutWnd != nullptr) {
        return;
    }
    ui::CAboutWnd about(device::DeviceModelTable().back().versionText);
    m_aboutWnd = &about;
    about.Create(GetHWND(), "  ", DuiLib::WS_POPUP | DuiLib::WS_VISIBLE, DuiLib::WS_EX_TOOLWINDOW,
                 0, 0, 800, 572);
    about.CenterWindow();
    about.ShowModal();
    m_aboutWnd = nullptr;
}

void CMainWnd::Broadcast(const std::string& name, int64_t wParam, int64_t lParam,
                         const std::vector<uint8_t>& data) {
    if (m_broadcaster) {
        m_broadcaster(name, wParam, lParam, data);
    }
}

void CMainWnd::AnswerWorkToolQuery() {
    Broadcast(kWorkToolName, 0, kWorkToolDataKind, BuildWorkToolBlock());
}

CMainWnd::LRESULT CMainWnd::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    platform::Trace("退出测试");
    Shutdown();
    handled = true;
    return 0;
}

void CMainWnd::Shutdown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    ShowWindow(false);
    m_workers.Shutdown();
    StopAudioCapture();
    m_tray.DeleteTrayIcon();
    uilib::CUiApplication::Quit(0);
}

// Routed window-level operations.

void CMainWnd::OnRootWindowSize(TNotifyUI&, const ControlName&) {
    if (m_firstRootSize) {
        m_firstRootSize = false;
        FitWindowToMonitor();
    }
}

void CMainWnd::OnCloseButton(TNotifyUI&, const ControlName&) {
    CloseAuxiliaryWindows();
    HideToTray();
}

void CMainWnd::OnNoDeviceOk(TNotifyUI&, const ControlName&) {
    HideToTray();
}

void CMainWnd::OnLightControlToggle(TNotifyUI&, const ControlName&) {
    SetLightControl(m_lightControl != 0 ? 0 : 1, true);
}

void CMainWnd::OnMinimizeButton(TNotifyUI&, const ControlName&) {
    SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_MINIMIZE);
}

void CMainWnd::OnMaximizeButton(TNotifyUI&, const ControlName&) {
    SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_MAXIMIZE);
}

void CMainWnd::OnRestoreButton(TNotifyUI&, const ControlName&) {
    SendMessage(DuiLib::WM_SYSCOMMAND, DuiLib::SC_RESTORE);
}

void CMainWnd::OnMenuButton(TNotifyUI& msg, const ControlName&) {
    int x = 0;
    int y = 0;
    DuiLib::CMenuWnd::GetCursorPos(x, y);
    if (msg.pSender != nullptr && GetWidget() != nullptr) {
        DuiLib::UiRect window = GetWindowRect();
        const DuiLib::UiRect& button = msg.pSender->GetPos();
        x = window.left + m_pm.ScaleValue(button.left);
        y = window.top + m_pm.ScaleValue(button.bottom);
    }
    DuiLib::CMenuWnd::CreateMenu(GetHWND(), "menu.xml", x, y, this);
}

void CMainWnd::OnSkinButton(TNotifyUI&, const ControlName&) {
    OpenSkinFrame();
}

void CMainWnd::OnSettingsButton(TNotifyUI&, const ControlName&) {
    OpenSettingsWindow(false);
}

void CMainWnd::OnKeyCaptureFocus(TNotifyUI&, const ControlName&) {
    SendMessage(kMsgHookControl, 1, 0);
}

void CMainWnd::OnProfileComboSelect(TNotifyUI&, const ControlName&) {
    SetTimer(kTimerApplyProfile, 400);
}

void CMainWnd::OnAudioColorSlider(TNotifyUI& msg, const ControlName& name) {
    auto* slider = dynamic_cast<DuiLib::CProgressUI*>(msg.pSender);
    if (slider == nullptr || name.full.empty()) {
        return;
    }
    char channel = name.full[0];
    std::string label = std::string(1, channel) + "_light_label";
    if (CControlUI* text = m_pm.FindControl(label)) {
        text->SetText(std::string(1, channel) + " " + std::to_string(slider->GetValue()));
    }
}

void CMainWnd::OnNoAction(TNotifyUI&, const ControlName&) {}

}  // namespace app
