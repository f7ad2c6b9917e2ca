// CDeviceOptionUI: one entry of the device selector strip. It shows the
// device kind's picture and name, switches the page tab and the power status
// tab when chosen, and runs its page's periodic work on its own timers: the
// first contact with a newly found device, the lighting frames, the status
// polling and, behind a 2.4 GHz receiver, the presence check that hides and
// shows the entry (message 3331 to the main window).
#pragma once

#include <string>

#include "uilib/HorizontalLayoutUI.h"

namespace DuiLib {
class COptionUI;
}
namespace pages {
class CVexmoorUSBDevice;
}

namespace ui {

class CDeviceOptionUI : public DuiLib::CHorizontalLayoutUI {
public:
    static constexpr DuiLib::UINT kTimerFrame = 1000;
    static constexpr DuiLib::UINT kTimerFirstContact = 1001;
    static constexpr DuiLib::UINT kTimerSync = 1002;
    static constexpr DuiLib::UINT kTimerAux1 = 1003;
    static constexpr DuiLib::UINT kTimerAux2 = 1004;
    static constexpr DuiLib::UINT kTimerStatus = 1005;
    static constexpr DuiLib::UINT kTimerPresence = 1007;
    static constexpr DuiLib::UINT kMsgSelectorEntry = 3331;
    // Frame timer periods: animating, wireless, and a still frame on a hidden
    // or background window.
    static constexpr int kFrameMs = 5;
    static constexpr int kWirelessFrameMs = 500;
    static constexpr int kStillFrameMs = 100;

    std::string GetClass() const override { return "DeviceOption"; }
    void* GetInterface(const std::string& name) override;
    void DoEvent(DuiLib::TEventUI& event) override;
    bool Activate() override;

    void SetKind(int kind, int role);
    int GetKind() const { return m_kind; }
    int GetRole() const { return m_role; }
    // The four pictures in use: normal, selected, synchro normal, synchro selected.
    const std::string& Picture(int which) const { return m_pictures[which]; }

    void SetSynchroVisible(bool visible);
    void SetSynchro(bool synchro);
    bool IsSynchro() const;
    void SetSelected(bool selected);
    bool IsSelected() const;
    void BindTab(const std::string& tabName, int index);
    std::string GetTabName() const;
    int GetTabIndex() const;
    void SetPowerBinding(const char* containerName, int index);
    const std::string& GetPowerContainer() const { return m_powerContainer; }
    int GetPowerIndex() const { return m_powerIndex; }
    void SetGroup(const std::string& group);
    void SetKindName(const std::string& name);
    void SetPage(pages::CVexmoorUSBDevice* page);
    pages::CVexmoorUSBDevice* GetPage() const { return m_page; }
    void SetPicture(DuiLib::CControlUI* picture) { m_picture = picture; }
    // The page's has-power-status flag (the page row's), which decides the
    // status polling.
    void SetHasPowerStatus(bool flag) { m_hasPowerStatus = flag; }

    void SetVisible(bool visible = true) override;
    bool IsShown() const { return m_shown; }
    void StartTimers();
    void SetPresenceTimer(int ms);

    DuiLib::COptionUI* SelectButton() const;

private:
    DuiLib::CControlUI* Child(const char* name) const;
    void ApplyPictures(bool synchro);
    void OnTimer(DuiLib::UINT id);
    void Arm(DuiLib::UINT id, int ms);
    void TellMainWindow(DuiLib::LPARAM shown);
    bool Wireless() const;
    bool LinkOpen() const;
    int FramePeriod(bool pictureShown) const;

    pages::CVexmoorUSBDevice* m_page = nullptr;
    DuiLib::CControlUI* m_picture = nullptr;
    int m_kind = 0;
    int m_role = 0;
    std::string m_pictures[4] = {
        "common/device_ico/unknow_device_normal.png",
        "common/device_ico/unknow_device_selected.png",
        "common/device_ico/unknow_device_synchro_normal.png",
        "common/device_ico/unknow_device_synchro_selected.png",
    };
    std::string m_powerContainer;
    int m_powerIndex = -1;
    bool m_shown = true;
    bool m_hasPowerStatus = false;
};

}  // namespace ui
