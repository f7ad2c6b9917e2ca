// The device selector strip of the main window: showing, hiding and choosing
// entries, the previous and next arrows, the chosen entry's power status, and
// the entries' own news about receiver devices (message 3331).
#include "app/MainWnd.h"
#include "pages/VexmoorUSBDevice.h"
#include "platform/Trace.h"
#include "ui/DeviceOptionUI.h"
#include "uilib/OptionUI.h"
#include "uilib/TabLayoutUI.h"

namespace app {
namespace {

constexpr char kStrip[] = "device_select_layout";

}  // namespace

ui::CDeviceOptionUI* CMainWnd::Option(int index) {
    auto* strip = m_pm.FindControl<DuiLib::CContainerUI>(kStrip);
    if (strip == nullptr || index < 0 || index >= strip->GetCount()) {
        return nullptr;
    }
    return dynamic_cast<ui::CDeviceOptionUI*>(strip->GetItemAt(index));
}

bool CMainWnd::FirstShown(int& first, int& count) {
    first = -1;
    count = 0;
    for (int i = 0; ui::CDeviceOptionUI* option = Option(i); ++i) {
        if (option->IsShown()) {
            if (count == 0) {
                first = i;
            }
            ++count;
        }
    }
    return count > 0;
}

pages::CVexmoorUSBDevice* CMainWnd::SelectedPage() {
    for (int i = 0; ui::CDeviceOptionUI* option = Option(i); ++i) {
        if (option->IsShown() && option->IsSelected()) {
            return option->GetPage();
        }
    }
    return nullptr;
}

void CMainWnd::ShowOption(int index, bool visible, bool select) {
    if (ui::CDeviceOptionUI* option = Option(index)) {
        option->SetVisible(visible);
        bool bound = true;
        if (select) {
            auto* tabs = m_pm.FindControl<DuiLib::CTabLayoutUI>(option->GetTabName());
            bound = !option->GetTabName().empty() && option->GetTabIndex() >= 0 && tabs != nullptr;
            if (bound) {
                tabs->SelectItem(option->GetTabIndex());
                auto* powers = m_pm.FindControl<DuiLib::CTabLayoutUI>(option->GetPowerContainer());
                if (powers != nullptr) {
                    powers->SetVisible(option->GetPowerIndex() >= 0);
                    if (option->GetPowerIndex() >= 0) {
                        powers->SelectItem(option->GetPowerIndex());
                    }
                }
            }
        }
        if (bound) {
            option->SetSelected(select);
            if (select) {
                m_selectedOption = index;
                m_selectedKind = option->GetKind();
                m_selectedRole = option->GetRole();
            }
        }
    }
    int shown = 0;
    int synchro = 0;
    for (int i = 0; ui::CDeviceOptionUI* option = Option(i); ++i) {
        if (option->IsShown()) {
            ++shown;
            synchro += option->IsSynchro() ? 1 : 0;
        }
    }
    if (shown == 0) {
        for (const char* name : {"device_power_switch", "device_switch"}) {
            if (auto* tabs = m_pm.FindControl<DuiLib::CTabLayoutUI>(name)) {
                tabs->SelectItem(0);
            }
        }
    }
    UpdateNoDeviceNotice();
    if (shown < 2) {
        for (const auto& kindPages : m_pages) {
            for (pages::CVexmoorUSBDevice* page : kindPages) {
                page->Link().SetSync(false);
            }
        }
    }
    if (synchro < 2) {
        for (int i = 0; ui::CDeviceOptionUI* option = Option(i); ++i) {
            option->SetSynchro(false);
        }
    }
}

void CMainWnd::HideOption(int index) {
    ui::CDeviceOptionUI* option = Option(index);
    if (option == nullptr) {
        return;
    }
    int replacement = -1;
    if (option->IsShown() && option->IsSelected()) {
        CloseAuxiliaryWindows();
        for (int i = 0; ui::CDeviceOptionUI* other = Option(i); ++i) {
            if (i != index && other->IsShown()) {
                replacement = i;
                break;
            }
        }
        if (replacement < 0) {
            m_selectedOption = -1;
        }
    }
    ShowOption(index, false, false);
    if (replacement >= 0) {
        ShowOption(replacement, true, true);
    }
}

void CMainWnd::OnSelectorEntry(WPARAM position, LPARAM show) {
    const int index = static_cast<int>(position);
    if (show == 0) {
        platform::Trace("2.4gcesvdfherhue 1");
        HideOption(index);
        return;
    }
    ui::CDeviceOptionUI* option = Option(index);
    if (option != nullptr && !option->IsShown()) {
        int first = 0;
        int shown = 0;
        FirstShown(first, shown);
        ShowOption(index, true, shown == 0);
    }
}

void CMainWnd::OnDeviceSelected(TNotifyUI&, const ControlName&) {
    for (int i = 0; ui::CDeviceOptionUI* option = Option(i); ++i) {
        if (!option->IsSelected()) {
            continue;
        }
        m_selectedOption = i;
        m_selectedKind = option->GetKind();
        m_selectedRole = option->GetRole();
        auto* powers = m_pm.FindControl<DuiLib::CTabLayoutUI>(option->GetPowerContainer());
        if (powers != nullptr) {
            powers->SetVisible(option->GetPowerIndex() >= 0);
            if (option->GetPowerIndex() >= 0) {
                powers->SelectItem(option->GetPowerIndex());
            }
        }
        return;
    }
}

// Neither arrow wraps around.
void CMainWnd::OnDeviceSelectorScroll(TNotifyUI&, const ControlName& name) {
    const bool next = name.full == "device_select_next";
    int previousShown = -1;
    bool passedSelected = false;
    for (int i = 0; ui::CDeviceOptionUI* option = Option(i); ++i) {
        if (passedSelected) {
            if (option->IsShown()) {
                ShowOption(i, true, true);
                return;
            }
            continue;
        }
        if (option->IsSelected()) {
            if (!next) {
                if (previousShown >= 0) {
                    ShowOption(previousShown, true, true);
                }
                return;
            }
            passedSelected = true;
            continue;
        }
        if (option->IsShown()) {
            previousShown = i;
        }
    }
}

}  // namespace app
