#include "pages/VexmoorUSBDevice.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "pages/NumberedName.h"
#include "platform/Paths.h"
#include "profile/JsonAccess.h"
#include "profile/JsonFile.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/TabLayoutUI.h"

namespace pages {
namespace {

constexpr uint8_t kWhite = 255;
// A frame send that fails throttles streaming to a device that stopped
// answering.
constexpr auto kFailedSendPause = std::chrono::milliseconds(200);
// The frame buffer holds 170 LEDs of three bytes.
constexpr int kStreamedBytesMax = kMaxLedCount * 3;
// Battery level, power state, ..., the wireless flag at 3, the phone type at 5.
constexpr uint8_t kStatusBytes = 6;

std::vector<std::string> NamesOf(const Json::Value& array) {
    std::vector<std::string> names;
    for (Json::ArrayIndex i = 0; i < array.size(); ++i) {
        names.push_back(profile::StringOf(profile::MemberOf(array[i], "LightName")));
    }
    return names;
}

}  // namespace

CVexmoorUSBDevice::CVexmoorUSBDevice() : m_pageChannel(std::make_shared<DuiLib::CWindowChannel>()) {
    m_pageChannel->Open([this](DuiLib::UINT msg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam) {
        return OnPageMessage(msg, wParam, lParam);
    });
}

CVexmoorUSBDevice::~CVexmoorUSBDevice() {
    StopWorkers();
    m_pageChannel->Shut();
    if (m_pManager != nullptr) {
        m_pManager->RemoveNotifier(this);
    }
}

void* CVexmoorUSBDevice::GetInterface(const std::string& name) {
    if (name == "VexmoorUSBDevice") {
        return this;
    }
    return CHorizontalLayoutUI::GetInterface(name);
}

void CVexmoorUSBDevice::AttachManager(DuiLib::CPaintManagerUI* manager) {
    SetManager(manager, GetParent(), false);
}

void CVexmoorUSBDevice::SetKeyButtonCount(int count) {
    m_keyButtonCount = std::clamp(count, 0, kMaxLedCount + 1);
    m_keyButtons.assign(m_keyButtonCount, nullptr);
}

void CVexmoorUSBDevice::SetLedCount(int count) {
    // One more than the streamed maximum is allowed: entry 170 is shown on the
    // picture but never streamed.
    m_ledCount = std::clamp(count, 0, kMaxLedCount + 1);
    m_lightButtons.assign(m_ledCount, nullptr);
    m_lightKeys.assign(m_ledCount, nullptr);
    {
        auto lock = LockFrame();
        m_ledFrame.assign(m_ledCount, LedColor{});
    }
    std::lock_guard<std::mutex> regions(m_regionLock);
    m_regions.assign(m_ledCount, std::array<uint8_t, 14>{});
}

void CVexmoorUSBDevice::SetHasPowerStatus(int flag) {
    m_hasPowerStatus = flag;
    if (auto* power = dynamic_cast<IPagePowerControl*>(m_powerControl)) {
        power->SetHasPowerStatus(flag);
    }
}

void CVexmoorUSBDevice::SetPowerControl(DuiLib::CControlUI* control) {
    m_powerControl = control;
}

void CVexmoorUSBDevice::SetDeviceRecord(const device::DeviceIdentity& record) {
    m_deviceRecord = record;
    m_deviceKind = record.kind;
    m_secondKind = record.role;
}

void CVexmoorUSBDevice::SetStreaming(int flag) {
    m_streaming = flag;
    if (flag != 0 && m_deviceKind == kDeviceKeyboard) {
        m_link.HostLight();
    }
}

DuiLib::CControlUI* CVexmoorUSBDevice::GetKeyButton(int n) const {
    return n >= 0 && n < static_cast<int>(m_keyButtons.size()) ? m_keyButtons[n] : nullptr;
}

DuiLib::CControlUI* CVexmoorUSBDevice::GetLightButton(int n) const {
    return n >= 0 && n < static_cast<int>(m_lightButtons.size()) ? m_lightButtons[n] : nullptr;
}

std::filesystem::path CVexmoorUSBDevice::UserDataFolder() const {
    if (m_userDataRoot.empty()) {
        return platform::DeviceDataFolder(m_deviceFolder);
    }
    const std::filesystem::path folder = m_userDataRoot / m_deviceFolder;
    platform::EnsureFolder(folder);
    return folder;
}
std::filesystem::path CVexmoorUSBDevice::DefaultDataFolder() const {
    return m_defaultDataRoot.empty() ? platform::DefaultDataFolder() : m_defaultDataRoot;
}
std::filesystem::path CVexmoorUSBDevice::DefaultProfilePath() const {
    return DefaultDataFolder() / (m_deviceFolder + ".Json");
}
std::filesystem::path CVexmoorUSBDevice::ProfilePath() const {
    return UserDataFolder() / (m_profileName + ".Json");
}
std::filesystem::path CVexmoorUSBDevice::LightConfigPath() const {
    return UserDataFolder() / (m_lightConfigName + ".config");
}
std::filesystem::path CVexmoorUSBDevice::MacroStorePath() const {
    return UserDataFolder() / "macro.config";
}
std::filesystem::path CVexmoorUSBDevice::LightDefinitionsPath() const {
    return DefaultDataFolder() / "default_light.json";
}
std::filesystem::path CVexmoorUSBDevice::UserPresetsPath() const {
    return UserDataFolder() / "tolvar_light.config";
}

void CVexmoorUSBDevice::StopWorkers() {
    StopLightWorker();
    for (int slot = 0; slot < kEventSlots; ++slot) {
        CloseEventInterface(slot);
    }
}

void CVexmoorUSBDevice::ClearPicture() {
    m_keyButtonCount = 0;
    m_ledCount = 0;
    m_keyButtons.clear();
    m_lightButtons.clear();
    m_lightKeys.clear();
    {
        auto lock = LockFrame();
        m_ledFrame.clear();
    }
    std::lock_guard<std::mutex> regions(m_regionLock);
    m_regions.clear();
}

void CVexmoorUSBDevice::InitPage() {
    if (m_pageXml.empty()) {
        ClearPicture();
        return;
    }
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* child = GetItemAt(i);
        if (child->GetClass() == "SelectPanel") {
            m_keyContainer = dynamic_cast<DuiLib::CContainerUI*>(child);
            break;
        }
    }
    if (m_keyContainer != nullptr) {
        BindKeyButtons(m_keyContainer, false);
    }
}

void CVexmoorUSBDevice::BindKeyButtons(DuiLib::CContainerUI* container, bool lightNames) {
    std::string prefix;
    int n = 0;
    auto bindLight = [this](CControlUI* child, int index) {
        if (index >= m_ledCount) {
            return;
        }
        m_lightButtons[index] = child;
        m_lightKeys[index] = dynamic_cast<IKeyLightButton*>(child);
        if (m_lightKeys[index] != nullptr) {
            m_lightKeys[index]->SetKeyLight(kWhite | kWhite << 8 | kWhite << 16, 255, true);
        }
    };
    for (int i = 0; i < container->GetCount(); ++i) {
        CControlUI* child = container->GetItemAt(i);
        if (child->GetClass() != "DeviceKeyButton") {
            continue;
        }
        if (SplitNumberedName(child->GetName(), prefix, n)) {
            if (DuiLib::EqualsNoCase(prefix, "key_") && n < m_keyButtonCount) {
                m_keyButtons[n] = child;
            } else if (lightNames && DuiLib::EqualsNoCase(prefix, "light_")) {
                bindLight(child, n);
            }
        }
        if (SplitNumberedName(child->GetUserData(), prefix, n) &&
            DuiLib::EqualsNoCase(prefix, "light_")) {
            bindLight(child, n);
        }
    }
}

void CVexmoorUSBDevice::SetLedColor(int index, LedColor color) {
    auto lock = LockFrame();
    if (index >= 0 && index < static_cast<int>(m_ledFrame.size())) {
        m_ledFrame[index] = color;
    }
}

LedColor CVexmoorUSBDevice::GetLedColor(int index) {
    auto lock = LockFrame();
    if (index >= 0 && index < static_cast<int>(m_ledFrame.size())) {
        return m_ledFrame[index];
    }
    return {};
}

void CVexmoorUSBDevice::PushFrame() {
    if (m_streaming == 0) {
        m_frameStill = true;
        return;
    }
    m_pushBuffer.fill(0);
    bool repaint = false;
    {
        auto lock = LockFrame();
        const int count = static_cast<int>(m_ledFrame.size());
        for (int i = 0; i < count; ++i) {
            const LedColor c = m_ledFrame[i];
            IKeyLightButton* light = LightKey(i);
            if (light != nullptr && m_lightButtons[i]->IsVisible()) {
                repaint = repaint || light->GetKeyLightColor() != c.Rgb() ||
                          light->GetKeyLightAlpha() != c.A || !light->IsKeyLit();
                light->SetKeyLight(c.Rgb(), c.A, true);
            }
            if (i < kMaxLedCount) {
                m_pushBuffer[3 * i] = static_cast<uint8_t>(c.R * c.A >> 8);
                m_pushBuffer[3 * i + 1] = static_cast<uint8_t>(c.G * c.A >> 8);
                m_pushBuffer[3 * i + 2] = static_cast<uint8_t>(c.B * c.A >> 8);
            }
        }
        NoteFramePushed(repaint);
    }
    // The key buttons store their colour without repainting; one invalidation
    // of the picture lets the paint manager repaint it at the display rate.
    if (repaint) {
        (m_keyContainer != nullptr ? static_cast<CControlUI*>(m_keyContainer) : this)->Invalidate();
    }
    if (!m_link.IsWireless()) {
        const int bytes = std::min(3 * m_ledCount, kStreamedBytesMax);
        if (m_link.SendLightFrame(m_pushBuffer.data(), static_cast<uint32_t>(bytes)) != 1) {
            std::this_thread::sleep_for(kFailedSendPause);
        }
    }
}

void CVexmoorUSBDevice::NoteFramePushed(bool lightsChanged) {
    const std::size_t count = std::min(m_ledFrame.size(), m_pushedFrame.size());
    m_frameStill = !lightsChanged && std::equal(m_ledFrame.begin(), m_ledFrame.begin() + count,
                                                m_pushedFrame.begin());
    std::copy_n(m_ledFrame.begin(), count, m_pushedFrame.begin());
}

void CVexmoorUSBDevice::ReadPowerStatus() {
    if (!m_link.IsOpen()) {
        return;
    }
    uint8_t status[kStatusBytes] = {};
    if (m_link.ReadStatus(status, kStatusBytes, 0) != device::kResultSuccess) {
        return;
    }
    status[3] = m_link.IsWireless() ? 1 : 0;
    if (auto* power = dynamic_cast<IPagePowerControl*>(m_powerControl)) {
        power->ShowStatus(status, kStatusBytes);
    }
}

void CVexmoorUSBDevice::PollStatusWhenPresent() {
    if (m_link.IsOpen() && m_statusHold == 0 && m_link.QueryWireless()) {
        ReadPowerStatus();
    }
}

int CVexmoorUSBDevice::WirelessDeviceOnline() {
    return m_link.IsOpen() && m_link.IsWireless() && m_link.QueryWireless() ? 1 : 0;
}

void CVexmoorUSBDevice::LoadNameLists() {
    const Json::Value macros = profile::ReadJsonFile(MacroStorePath());
    m_macroNames.clear();
    const Json::Value& macroInfo = profile::MemberOf(macros, "MacroInfo");
    if (macroInfo.isArray()) {
        for (Json::ArrayIndex i = 0; i < macroInfo.size(); ++i) {
            m_macroNames.push_back(profile::StringOf(profile::MemberOf(macroInfo[i], "MacroName")));
        }
    }

    const Json::Value definitions = profile::ReadJsonFile(LightDefinitionsPath());
    const Json::Value& modes =
        profile::ElementOf(profile::MemberOf(definitions, "DefaultLightName"), m_modelIndex);
    if (modes.isArray()) {
        m_lightModeNames.clear();
        m_lightModeVisible.clear();
        m_deviceModeCodes.clear();
        for (Json::ArrayIndex i = 0; i < modes.size(); ++i) {
            m_lightModeNames.push_back(profile::StringOf(profile::MemberOf(modes[i], "LightName")));
            m_lightModeVisible.push_back(profile::FlagOf(profile::MemberOf(modes[i], "visible")));
            m_deviceModeCodes.push_back(
                static_cast<int>(profile::IntegerOf(profile::MemberOf(modes[i], "value"))));
        }
    }
    const Json::Value& areas =
        profile::ElementOf(profile::MemberOf(definitions, "AreaLightName"), m_modelIndex);
    if (areas.isArray()) {
        m_areaLightNames = NamesOf(areas);
    }

    const Json::Value presets = profile::ReadJsonFile(UserPresetsPath());
    const Json::Value& userPresets =
        profile::ElementOf(profile::MemberOf(presets, "LightInfo"), m_modelIndex);
    if (userPresets.isArray()) {
        m_userPresetNames = NamesOf(userPresets);
    }
}

void CVexmoorUSBDevice::SelectFunctionPanel(int code) {
    m_functionPanel = code;
    if (m_pManager != nullptr && (m_functionTab == nullptr || m_keyFunctionTab == nullptr)) {
        m_functionTab = dynamic_cast<DuiLib::CTabLayoutUI*>(
            m_pManager->FindSubControlByName(this, "device_function_switch"));
        m_keyFunctionTab = dynamic_cast<DuiLib::CTabLayoutUI*>(
            m_pManager->FindSubControlByName(this, "device_key_function_switch"));
    }
    if (m_functionTab == nullptr || m_keyFunctionTab == nullptr) {
        return;
    }
    if (code == 4 && m_deviceKind != kDeviceKeyboard && m_deviceKind != kDeviceMouse) {
        code = 7;
    }
    switch (code) {
        case 3:
        case 8:
            m_functionTab->SelectItem(1);
            return;
        case 5:
            m_functionTab->SelectItem(2);
            return;
        case 4:
            m_functionTab->SelectItem(3);
            return;
        default:
            break;
    }
    int keyTab = 0;
    if (code == 2 || code == 6) {
        keyTab = 1;
    } else if (code == 7) {
        keyTab = 2;
    }
    m_functionTab->SelectItem(0);
    m_keyFunctionTab->SelectItem(keyTab);
}

void CVexmoorUSBDevice::SetLightSettings(uint32_t w1, uint32_t w2, uint32_t w3, uint32_t w4) {
    auto lock = LockFrame();
    m_lightSettings = profile::FromWords({w1, w2, w3, static_cast<uint16_t>(w4)});
}

void CVexmoorUSBDevice::SetAudioLight(int a, int b, int c) {
    m_audioLight[0] = a;
    m_audioLight[1] = b;
    m_audioLight[2] = c;
    if (auto* editor = dynamic_cast<IPageLightEditor*>(m_lightEditor)) {
        editor->SetAudioLight(a, b, static_cast<uint8_t>(c));
    }
}

void CVexmoorUSBDevice::GetAudioLight(int& a, int& b, int& c) {
    if (auto* editor = dynamic_cast<IPageLightEditor*>(m_lightEditor)) {
        editor->GetAudioLight(m_audioLight[0], m_audioLight[1], m_audioLight[2]);
    }
    a = m_audioLight[0];
    b = m_audioLight[1];
    c = m_audioLight[2];
}

uint8_t CVexmoorUSBDevice::KeyIntensity(int key) const {
    return key >= 0 && key <= kMaxLedCount ? m_keyIntensity[key] : 0;
}

void CVexmoorUSBDevice::SetKeyIntensity(int key, uint8_t value) {
    if (key >= 0 && key <= kMaxLedCount) {
        m_keyIntensity[key] = value;
    }
}

void CVexmoorUSBDevice::ClearKeyState() {
    m_keyIntensity.fill(0);
    m_ring.fill(0);
}

void CVexmoorUSBDevice::DecayKey(int key, int kind) {
    if (key < 0 || key > kMaxLedCount) {
        return;
    }
    int v = m_keyIntensity[key];
    int step = 0;
    if (v >= 128) {
        step = (kind == 29 && v >= 144) ? 45 : 40;
    } else if (v >= 64) {
        if (kind == 29) {
            step = v >= 112 ? 35 : v >= 96 ? 30 : v >= 80 ? 25 : 20;
        } else {
            step = 30;
        }
    } else if (v >= 32) {
        step = kind == 0 ? 15 : 10;
    } else if (v >= 17) {
        step = kind == 29 ? 5 : 8;
    } else if (v >= 1) {
        step = 1;
    }
    m_keyIntensity[key] = static_cast<uint8_t>(std::max(0, v - step));
}

}  // namespace pages
