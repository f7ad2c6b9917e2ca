// CVexmoorUSBDevice: the device page base. A page is at once the device's
// container in the main window (built from the device's layout, with the
// picture whose key and light buttons it binds) and the owner of the device's
// command channel, its lighting frame and its worker threads. The main window,
// discovery and the selector entry drive every page through the virtual
// operations below without knowing its kind; most device operations are empty
// here and filled in by the four page classes.
#pragma once

#include <json/json.h>

#include <array>
#include <atomic>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "device/DeviceTables.h"
#include "pages/PageTypes.h"
#include "platform/WorkerThread.h"
#include "profile/ProfileRecords.h"
#include "uilib/HorizontalLayoutUI.h"
#include "uilib/WindowChannel.h"

namespace DuiLib {
class CTabLayoutUI;
class CContainerUI;
}  // namespace DuiLib

namespace pages {

class CVexmoorUSBDevice : public DuiLib::CHorizontalLayoutUI, public DuiLib::INotifyUI {
public:
    using LightSettings = profile::LightInfo;
    using KeyList = std::vector<profile::KeyEntry>;

    static constexpr int kLightWorkerStopMs = 1000;
    static constexpr int kSyncReaderStopMs = 500;
    static constexpr int kEventSlots = 2;

    CVexmoorUSBDevice();
    ~CVexmoorUSBDevice() override;

    std::string GetClass() const override { return "VexmoorUSBDevice"; }
    void* GetInterface(const std::string& name) override;
    void Notify(DuiLib::TNotifyUI&) override {}

    // Set-up, in the order discovery calls them (see Setup()).
    void AttachManager(DuiLib::CPaintManagerUI* manager);
    void SetPageXml(const std::string& file) { m_pageXml = file; }
    const std::string& GetPageXml() const { return m_pageXml; }
    void SetMainWindow(DuiLib::HWND wnd) { m_mainWnd = std::move(wnd); }
    void SetKeyButtonCount(int count);
    void SetLedCount(int count);
    void SetDeviceTableIndex(int index) { m_deviceTableIndex = index; }
    void SetHasPowerStatus(int flag);
    void SetCurrentProfileName(const std::string& name) { m_profileName = name; }
    const std::string& GetCurrentProfileName() const { return m_profileName; }
    void SetDeviceFolderName(const std::string& name) { m_deviceFolder = name; }
    void SetPowerControl(DuiLib::CControlUI* control);
    DuiLib::CControlUI* GetPowerControl() const { return m_powerControl; }
    void SetDeviceRecord(const device::DeviceIdentity& record);
    const device::DeviceIdentity& GetDeviceRecord() const { return m_deviceRecord; }
    void SetLightConfigName(const std::string& name) { m_lightConfigName = name; }

    // While set (by the main window), the keyboard and mouse do not poll
    // their status.
    void SetStatusHold(int flag) { m_statusHold = flag; }
    int GetStatusHold() const { return m_statusHold; }

    void SetStreaming(int flag);
    int GetStreaming() const { return m_streaming; }
    void SetWindowActive(int flag) { m_windowActive = flag; }
    int GetWindowActive() const { return m_windowActive; }
    // True when the last PushFrame found the frame and the picture's lights as
    // they were (or streaming was off): nothing new to show or to stream.
    bool FrameStill() const { return m_frameStill; }
    void SetSelectorEntry(DuiLib::CControlUI* entry) { m_selectorEntry = entry; }
    DuiLib::CControlUI* GetSelectorEntry() const { return m_selectorEntry; }
    int GetKeyButtonCount() const { return m_keyButtonCount; }
    int GetLedCount() const { return m_ledCount; }
    int GetDeviceKind() const { return m_deviceKind; }
    int GetDeviceTableIndex() const { return m_deviceTableIndex; }
    int GetCurrentKey() const { return m_currentKey; }
    DuiLib::CControlUI* GetKeyButton(int n) const;
    DuiLib::CControlUI* GetLightButton(int n) const;
    DuiLib::CContainerUI* GetKeyContainer() const { return m_keyContainer; }
    device::DeviceLink& Link() { return m_link; }
    const LightSettings& GetLightSettingsRecord() const { return m_lightSettings; }
    const std::vector<std::string>& MacroNames() const { return m_macroNames; }
    const std::vector<std::string>& LightModeNames() const { return m_lightModeNames; }
    const std::vector<bool>& LightModeVisible() const { return m_lightModeVisible; }
    const std::vector<int>& DeviceModeCodes() const { return m_deviceModeCodes; }
    const std::vector<std::string>& AreaLightNames() const { return m_areaLightNames; }
    const std::vector<std::string>& UserPresetNames() const { return m_userPresetNames; }

    // Data folders and files of the page. The folders are the program's
    // unless other roots are given (tools and tests run without them).
    void SetDataRoots(const std::filesystem::path& defaultData,
                      const std::filesystem::path& userData) {
        m_defaultDataRoot = defaultData;
        m_userDataRoot = userData;
    }
    std::filesystem::path UserDataFolder() const;
    std::filesystem::path DefaultDataFolder() const;
    std::filesystem::path DefaultProfilePath() const;
    std::filesystem::path ProfilePath() const;
    std::filesystem::path LightConfigPath() const;
    std::filesystem::path MacroStorePath() const;
    std::filesystem::path LightDefinitionsPath() const;
    std::filesystem::path UserPresetsPath() const;

    // The lighting worker and the device event readers.
    void StartLightWorker();
    platform::WorkerThread::StopOutcome StopLightWorker();
    bool IsLightWorkerRunning() const { return m_lightWorker.Running(); }
    // Opens the event interface of a slot on path and (re)starts its reader.
    bool OpenEventInterface(int slot, const std::string& path);
    platform::WorkerThread::StopOutcome CloseEventInterface(int slot);
    bool IsSyncReaderRunning(int slot) const;
    // The last code an event reader of the slot parsed (0 before any).
    int LastEventCode(int slot) const;

    // Virtual operations, in the order the main window knows them.
    virtual void InitPage();
    virtual int ApplyProfile() { return 0; }
    virtual void FrameBreathe();
    virtual void FrameBreathePalette();
    virtual void FrameStatic();
    virtual void FrameSpectrum();
    virtual void FrameBlink();
    virtual void FrameBlinkPalette();
    virtual void FrameOff();
    virtual void PushFrame();
    virtual void SetLedColor(int index, LedColor color);
    virtual LedColor GetLedColor(int index);
    virtual void ReadDevice() {}
    virtual void SyncFromDevice() {}
    virtual void AuxTick1() {}
    virtual void AuxTick2() {}
    virtual void PollStatus() {}
    virtual int IsWirelessOnline() { return 1; }
    virtual int LoadProfile() { return 0; }
    virtual void RefreshUi() {}
    virtual void OnMacrosChanged() {}
    virtual void ResetProfile() {}
    virtual std::vector<int> CollectMacroRefs() { return {}; }
    virtual int WriteKeyTable(int, const KeyList&) { return 0; }
    virtual int WriteKeyTableSlot(int) { return 0; }
    virtual int WriteMacros(const std::vector<int>&) { return 0; }
    virtual int WriteSettings(int, int, int, int, int) { return 0; }
    virtual void LoadNameLists();
    virtual void SetSpareMap(const std::map<int, int>& map) { m_spareMap = map; }
    virtual void DecayKey(int key, int kind);
    virtual void RingToKeys() {}
    virtual void RotateRing(int) {}
    virtual void ClearKeyState();
    virtual void SelectFunctionPanel(int code);
    virtual int GetFunctionPanel() { return m_functionPanel; }
    virtual void SetProfilePaths() {}
    virtual std::string GetProfileName() { return {}; }
    virtual void SaveProfile() {}
    virtual void SetModelIndex(int index) { m_modelIndex = index; }
    virtual int GetModelIndex() { return m_modelIndex; }
    virtual void SetLightSettings(uint32_t w1, uint32_t w2, uint32_t w3, uint32_t w4);
    virtual void SetAudioLight(int a, int b, int c);
    virtual void GetAudioLight(int& a, int& b, int& c);
    virtual void SelectKey(int index) { m_currentKey = index; }
    virtual void OnAudioSpectrum(const int*, int) {}
    virtual void SetAudioGroups(const int*, int) {}

    // Key state kept for the keyboard's reactive effects.
    uint8_t KeyIntensity(int key) const;
    void SetKeyIntensity(int key, uint8_t value);

protected:
    // Binds every "DeviceKeyButton" child of container: control name "key_N"
    // to key button N, user data "light_N" (and with lightNames the control
    // name "light_N") to light button N, lit white.
    void BindKeyButtons(DuiLib::CContainerUI* container, bool lightNames);
    void ClearPicture();
    // Stops the lighting worker, then the event readers. Every page class
    // calls it from its own destructor, while its overrides still exist.
    void StopWorkers();
    // One pass of the lighting worker: computes the next frame when due and
    // returns the number of ticks until the following one.
    virtual int LightPass(uint32_t& passes);
    // Called on the UI thread with a device event code above 0x0402.
    virtual void OnDeviceCode(int, int) {}
    void RequestSyncFromDevice();
    // Reads the device's 6-byte status block and hands it to the power
    // control, byte 3 replaced by the link's wireless flag (1 on the receiver).
    void ReadPowerStatus();
    // The keyboard's and mouse's forms: the status is read only when not held
    // and when the receiver reports the device present (always by cable).
    void PollStatusWhenPresent();
    int WirelessDeviceOnline();

    // Runs fn on the frame with the frame lock held; the worker's generators
    // and every reader of the frame go through the same lock.
    std::unique_lock<std::mutex> LockFrame() { return std::unique_lock<std::mutex>(m_frameLock); }
    std::vector<LedColor>& Frame() { return m_ledFrame; }
    // With the frame lock held, once PushFrame has read the frame and set the
    // lights of the picture: notes whether anything changed since the
    // previous push (the frame, or a light shown differently).
    void NoteFramePushed(bool lightsChanged);
    // The key-light interface of light button i, found once at binding.
    IKeyLightButton* LightKey(int i) const {
        return i < static_cast<int>(m_lightKeys.size()) ? m_lightKeys[i] : nullptr;
    }

    device::DeviceLink m_link;
    std::array<uint8_t, device::DeviceLink::kInfoSize> m_deviceInfo{};
    DuiLib::CControlUI* m_lightEditor = nullptr;
    DuiLib::CControlUI* m_profileSelector = nullptr;
    DuiLib::CContainerUI* m_keyContainer = nullptr;
    DuiLib::CControlUI* m_selectorEntry = nullptr;
    DuiLib::CControlUI* m_powerControl = nullptr;
    DuiLib::CTabLayoutUI* m_functionTab = nullptr;
    DuiLib::CTabLayoutUI* m_keyFunctionTab = nullptr;
    std::string m_pageXml;
    DuiLib::HWND m_mainWnd;
    std::string m_profileName;
    std::string m_lightConfigName;
    std::string m_deviceFolder;
    std::string m_mainWindowText;
    int m_deviceKind = 0;
    int m_secondKind = 0;
    int m_keyButtonCount = 0;
    int m_ledCount = 0;
    int m_deviceTableIndex = -1;
    int m_currentKey = -1;
    int m_functionPanel = 1;
    std::vector<DuiLib::CControlUI*> m_keyButtons;
    std::vector<DuiLib::CControlUI*> m_lightButtons;
    std::vector<IKeyLightButton*> m_lightKeys;
    std::map<int, int> m_positionMap;
    std::map<int, int> m_ledMap;
    std::map<int, int> m_spareMap;
    std::mutex m_frameLock;
    std::vector<LedColor> m_ledFrame;
    LightSettings m_lightSettings{};
    std::mutex m_sequenceLock;
    std::mutex m_regionLock;
    std::vector<std::array<uint8_t, 20>> m_musicSequence;
    int m_musicStepCount = 0;
    int m_musicStep = 0;
    std::vector<std::array<uint8_t, 14>> m_regions;
    int m_streaming = 1;
    int m_statusHold = 0;
    int m_windowActive = 1;
    uint8_t m_effectStep = 0;
    uint8_t m_effectColour = 0;
    uint8_t m_effectSpare = 0;
    uint8_t m_blinkPhase = 0;
    uint64_t m_lastBlink = 0;
    std::vector<std::string> m_areaLightNames;
    std::vector<std::string> m_lightModeNames;
    std::vector<bool> m_lightModeVisible;
    std::vector<std::string> m_userPresetNames;
    std::vector<std::string> m_macroNames;
    std::vector<int> m_deviceModeCodes;
    int m_hasPowerStatus = 0;
    int m_powerValue = 0;
    device::DeviceIdentity m_deviceRecord;
    int m_modelIndex = 0;
    int m_audioLight[3] = {0, 0, 0};
    std::array<uint8_t, kMaxLedCount + 1> m_keyIntensity{};
    std::array<uint8_t, kMaxLedCount + 1> m_keyColourIndex{};
    std::array<uint8_t, 23> m_ring{};

private:
    // One event interface of the device and the reader waiting on it.
    struct EventSlot {
        device::HidInterface iface;
        platform::WorkerThread reader;
        std::atomic<int> lastCode{0};
    };
    void SyncReaderBody(int slot, platform::Event& stop);
    DuiLib::LRESULT OnPageMessage(DuiLib::UINT msg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam);

    platform::WorkerThread m_lightWorker;
    std::array<std::unique_ptr<EventSlot>, kEventSlots> m_events;
    std::shared_ptr<DuiLib::CWindowChannel> m_pageChannel;
    std::array<uint8_t, 512> m_pushBuffer{};
    std::array<LedColor, kMaxLedCount + 1> m_pushedFrame{};
    bool m_frameStill = false;
    std::filesystem::path m_defaultDataRoot;
    std::filesystem::path m_userDataRoot;
};

}  // namespace pages
