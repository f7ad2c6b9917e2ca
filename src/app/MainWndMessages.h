// The main window's own message and timer numbers, and the system window
// messages it reacts to that the UI library does not name. The numbers are
// those the program's threads and windows were designed with.
#pragma once

#include "uilib/WindowMessages.h"

namespace app {

using DuiLib::LPARAM;
using DuiLib::UINT;
using DuiLib::WPARAM;

// Internal messages between the program's threads and windows.
constexpr UINT kMsgTray = 1025;
constexpr UINT kMsgHookControl = 1054;
constexpr UINT kMsgMenuCommand = DuiLib::WM_MENUCOMMAND;  // 1145
constexpr UINT kMsgDpiTrace = 1224;
constexpr UINT kMsgShowSettingProgress = 3072;
constexpr UINT kMsgLanguageChanged = 3089;
constexpr UINT kMsgDeviceFound = 3090;
constexpr UINT kMsgDeviceLost = 3091;
constexpr UINT kMsgOpenSettings = 3093;
constexpr UINT kMsgNothingToUpdate = 3094;
constexpr UINT kMsgAccessNotice = 3095;
constexpr UINT kMsgIgnored3330 = 3330;
constexpr UINT kMsgSelectorEntry = 3331;

// Window timers of the main window; each is killed when it fires.
constexpr UINT kTimerFitWindow = 1011;     // 100 ms after initialisation
constexpr UINT kTimerTrayMenu = 1032;      // 10 ms after a right click on the tray icon
constexpr UINT kTimerApplyProfile = 1055;  // 400 ms after a profile is picked
constexpr UINT kTimerGameLight = 1066;     // 5000 ms after a game event

// System messages the window handles: the UI library's window events, and
// the power broadcast of the system's sleep and wake.
using DuiLib::WM_ACTIVATE;
using DuiLib::WM_DISPLAYCHANGE;
using DuiLib::WM_DPICHANGED;
using DuiLib::WM_MOUSEHOVER;
using DuiLib::WM_MOUSELEAVE;
constexpr UINT WM_POWERBROADCAST = 0x0218;

// Power events in wParam of WM_POWERBROADCAST.
constexpr WPARAM PBT_APMSUSPEND = 4;
constexpr WPARAM PBT_APMRESUMEAUTOMATIC = 18;

// The icon resource of the window and the tray.
constexpr UINT kAppIconResource = 107;

}  // namespace app
