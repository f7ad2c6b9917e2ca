// Operations the main window reaches from its messages, timers and workers
// that belong to the device, lighting, macro, audio and settings features.
// Each is empty until its feature exists and fills it in.
#include "app/MainWnd.h"
#include "app/RegisteredMessages.h"

namespace app {

void CMainWnd::RunAudioRecorderWatch(platform::Event&, const DuiLib::HWND&) {}
void CMainWnd::RunLightSync(platform::Event&, const DuiLib::HWND&) {}

// Device discovery and the selector strip.
void CMainWnd::NotifyPagesWindowShown(bool) {}
void CMainWnd::GivePagesLightControl(int) {}

// Profiles, game lighting, key capture and macro recording.
void CMainWnd::ApplySelectedProfile() {}
void CMainWnd::ApplyGameLight(int, int) {}
void CMainWnd::OnGameLightEnd() {}
void CMainWnd::InstallInputHook(bool) {}
void CMainWnd::OnHookKeyCapture(WPARAM, LPARAM) {}
void CMainWnd::OnHookMacroRecord(UINT, WPARAM, LPARAM) {}
void CMainWnd::OnMenuItemCommand(const std::string&) {}

// Audio-reactive lighting and its capture program.
void CMainWnd::StartAudioCapture() {}
void CMainWnd::SendAudioCaptureStart() {}
void CMainWnd::StopAudioCapture() {}
void CMainWnd::LoadAudioLightSettings() {}
void CMainWnd::OnAudioCopyData(WPARAM, LPARAM) {}

// Settings window, skin frame and language.
void CMainWnd::ApplyLanguage() {}
void CMainWnd::OpenSettingsWindow(bool) {}
void CMainWnd::OpenSkinFrame() {}
void CMainWnd::OnUpdateProcessMessage(WPARAM, LPARAM) {}
void CMainWnd::CloseFeatureWindows() {}

}  // namespace app
