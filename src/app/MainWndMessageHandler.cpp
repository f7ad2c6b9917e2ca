// The main window's custom message handler: power events first, then the
// registered messages of companions, games and the input hook, the internal
// messages of the program's threads and windows, and the window timers.
#include <memory>

#include "app/MainWnd.h"
#include "app/MainWndMessages.h"
#include "app/RegisteredMessages.h"
#include "device/DeviceTables.h"
#include "platform/Trace.h"
#include "uilib/ButtonUI.h"
#include "uilib/MenuWnd.h"

namespace app {

void CMainWnd::BuildMessageRoutes() {
    const RegisteredMessages& numbers = Messages();
    auto add = [this](uint32_t number, const char* handlerName,
                      std::function<void(WPARAM, LPARAM)> handler) {
        // A name that could not be registered has no number and reaches nothing.
        if (number != 0) {
            m_messageRoutes[number] = MessageRoute{handlerName, std::move(handler)};
        }
    };
    add(numbers.broadcast, "ShowAndRaise", [this](WPARAM, LPARAM) { ShowAndRaise(); });
    add(numbers.updateProcess, "OnUpdateProcessMessage",
        [this](WPARAM w, LPARAM l) { OnUpdateProcessMessage(w, l); });
    add(numbers.lightControlRequest, "SetLightControl", [this](WPARAM w, LPARAM l) {
        if (w == 1 && (l == 0 || l == 1)) {
            SetLightControl(static_cast<int>(l), false);
        }
    });
    add(numbers.workToolQuery, "AnswerWorkToolQuery",
        [this](WPARAM, LPARAM) { AnswerWorkToolQuery(); });
    add(numbers.hookKeySingleKey, "OnHookKeyCapture",
        [this](WPARAM w, LPARAM l) { OnHookKeyCapture(w, l); });
    for (uint32_t number :
         {numbers.hookKeyKbMacro, numbers.hookKeyKbMacroPrevious, numbers.hookKeyKbMacroLater,
          numbers.hookKeyKbMacroSingle, numbers.hookKeyMsMacro, numbers.hookKeyMsMacroPrevious,
          numbers.hookKeyMsMacroLater, numbers.hookKeyMsMacroSingle}) {
        add(number, "OnHookMacroRecord",
            [this, number](WPARAM w, LPARAM l) { OnHookMacroRecord(number, w, l); });
    }
    for (uint32_t number :
         {numbers.gameStart, numbers.gameEnd, numbers.gameKill, numbers.gameDeath}) {
        add(number, "OnGameEvent", [this](WPARAM w, LPARAM l) { OnGameEvent(w, l); });
    }
}

bool CMainWnd::HandleRegisteredMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = m_messageRoutes.find(msg);
    if (it == m_messageRoutes.end()) {
        return false;
    }
    if (msg == Messages().hookKeyMsMacro) {
        platform::Trace("WM_HOOK_KEY_MSMACRO");
    }
    Observe(it->second.handlerName);
    it->second.handler(wParam, lParam);
    return true;
}

CMainWnd::LRESULT CMainWnd::HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam,
                                                bool& handled) {
    handled = false;
    if (msg == WM_POWERBROADCAST) {
        if (wParam == PBT_APMRESUMEAUTOMATIC) {
            platform::Trace("系统恢复");
            SetPowerState(true);
        } else if (wParam == PBT_APMSUSPEND) {
            platform::Trace("系统挂起");
            SetPowerState(false);
        }
        handled = true;
        return 1;
    }
    // While the system sleeps, hook, game and internal messages are dropped;
    // closing and destroying the window still reach the library.
    if (!m_powerOn) {
        if (msg == DuiLib::WM_MENUCOMMAND) {
            delete reinterpret_cast<DuiLib::MenuCmd*>(wParam);
            handled = true;
        }
        return 0;
    }
    if (HandleRegisteredMessage(msg, wParam, lParam)) {
        handled = true;
        return 0;
    }
    return HandleInternalMessage(msg, wParam, lParam, handled);
}

CMainWnd::LRESULT CMainWnd::HandleInternalMessage(UINT msg, WPARAM wParam, LPARAM lParam,
                                                  bool& handled) {
    handled = true;
    switch (msg) {
        case kMsgTray:
            if (lParam == static_cast<LPARAM>(DuiLib::WM_LBUTTONUP)) {
                Observe("OnTrayLeftClick");
                OnTrayLeftClick();
            } else if (lParam == static_cast<LPARAM>(DuiLib::WM_RBUTTONUP) &&
                       !m_tray.HasOwnMenu()) {
                // An icon with its own menu has shown it already.
                SetTimer(kTimerTrayMenu, 10);
            }
            return 0;
        case kMsgHookControl:
            if (wParam == 0 || wParam == 1) {
                InstallInputHook(wParam == 1);
            }
            return 0;
        case kMsgMenuCommand: {
            std::unique_ptr<DuiLib::MenuCmd> command(reinterpret_cast<DuiLib::MenuCmd*>(wParam));
            if (command) {
                Observe("menu:" + command->szName);
                OnMenuCommand(command->szName);
            }
            return 0;
        }
        case kMsgDpiTrace:
            platform::Trace("界面 DPI 1发生变化");
            return 0;
        case kMsgShowSettingProgress:
            if (DuiLib::CControlUI* progress = m_pm.FindControl("setting_progress")) {
                progress->SetVisible(true);
            }
            return 0;
        case kMsgLanguageChanged:
            ApplyLanguage();
            RefreshTrayMenu();
            return 0;
        case kMsgDeviceFound:
            HandleDeviceFound(wParam);
            return 0;
        case kMsgDeviceLost:
            HandleDeviceLost(wParam);
            return 0;
        case kMsgAccessNotice:
            ShowAccessNotice();
            return 0;
        case kMsgOpenSettings:
            OpenSettingsWindow(true);
            return 0;
        case kMsgNothingToUpdate:
            if (DuiLib::CControlUI* button = m_pm.FindControl("setbtn")) {
                button->SetForeImage("");
            }
            return 0;
        case kMsgIgnored3330:
            return 0;
        case kMsgSelectorEntry:
            OnSelectorEntry(wParam, lParam);
            return 0;
        case DuiLib::WM_COPYDATA:
            OnAudioCopyData(wParam, lParam);
            return 1;
        case DuiLib::WM_TIMER:
            OnTimer(static_cast<UINT>(wParam));
            return 0;
        case WM_ACTIVATE:
            m_active = wParam != 0;
            m_mouseInside = wParam != 0;
            GivePagesWindowFlags();
            return 0;
        case WM_MOUSEHOVER:
            platform::Trace("鼠标移入");
            m_mouseInside = true;
            GivePagesWindowFlags();
            return 0;
        case WM_MOUSELEAVE:
            platform::Trace("鼠标移出");
            m_mouseInside = false;
            GivePagesWindowFlags();
            return 0;
        case WM_DPICHANGED: {
            int dpi = CheckedDpi(static_cast<int>(wParam & 0xFFFF), "MAIN_WND DPI SET ERROR");
            m_pm.SetDPI(dpi);
            if (const auto* suggested = reinterpret_cast<const DuiLib::UiRect*>(lParam)) {
                SetWindowPos(suggested->left, suggested->top, suggested->Width(),
                             suggested->Height());
            }
            CenterWindow();
            m_pm.NeedUpdate();
            platform::Trace("界面 DPI 发生变化");
            return 0;
        }
        case WM_DISPLAYCHANGE:
            platform::Trace("显示器分辨率发生变化");
            m_displayChanged = true;
            FitWindowToMonitor();
            return 0;
        default:
            handled = false;
            return 0;
    }
}

void CMainWnd::OnTimer(UINT id) {
    KillTimer(id);
    switch (id) {
        case kTimerFitWindow:
            FitWindowToMonitor();
            m_pm.NeedUpdate();
            SendAudioCaptureStart();
            break;
        case kTimerTrayMenu:
            OpenTrayMenu();
            break;
        case kTimerApplyProfile:
            ApplySelectedProfile();
            break;
        case kTimerGameLight:
            OnGameLightEnd();
            break;
        default:
            break;
    }
}

void CMainWnd::OnGameEvent(WPARAM wParam, LPARAM lParam) {
    if (wParam <= 2) {
        ApplyGameLight(static_cast<int>(wParam), static_cast<int>(lParam));
    }
    // Every game event, even one that leaves the device alone, restarts the
    // time until the device's own lighting comes back.
    SetTimer(kTimerGameLight, 5000);
}

}  // namespace app
