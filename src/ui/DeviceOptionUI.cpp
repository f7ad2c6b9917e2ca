#include "ui/DeviceOptionUI.h"

#include "pages/VexmoorUSBDevice.h"
#include "platform/Trace.h"
#include "uilib/OptionUI.h"
#include "uilib/PaintManagerUI.h"
#include "uilib/TabLayoutUI.h"
#include "uilib/WindowChannel.h"

namespace ui {
namespace {

struct KindPictures {
    const char* prefix;
    const char* tooltip;
};

// Pictures and tooltip of a kind; nullptr prefix: keep the pictures as they are.
KindPictures PicturesOf(int kind, int role) {
    switch (kind) {
        case 1:
            return {"kb", "kb_device_name_text"};
        case 2:
            return {"ms", "ms_device_name_text"};
        case 3:
            if (role == 0) {
                return {"hard_mp", "hard_mp_device_name_text"};
            }
            if (role == 1) {
                return {"soft_mp", "soft_mp_device_name_text"};
            }
            return {nullptr, nullptr};
        case 4:
        case 7:
            return {"hd", "hd_device_name_text"};
        case 5:
            return {"hub", "hub_device_name_text"};
        default:
            return {"unknow", "unknow_device_name_text"};
    }
}

}  // namespace

void* CDeviceOptionUI::GetInterface(const std::string& name) {
    if (name == "DeviceOption") {
        return this;
    }
    return CHorizontalLayoutUI::GetInterface(name);
}

bool CDeviceOptionUI::Activate() {
    if (!CHorizontalLayoutUI::Activate()) {
        return false;
    }
    if (m_pManager != nullptr) {
        m_pManager->SendNotify(this, "selectchanged");
    }
    return true;
}

DuiLib::CControlUI* CDeviceOptionUI::Child(const char* name) const {
    return m_pManager != nullptr
               ? m_pManager->FindSubControlByName(const_cast<CDeviceOptionUI*>(this), name)
               : nullptr;
}

DuiLib::COptionUI* CDeviceOptionUI::SelectButton() const {
    return dynamic_cast<DuiLib::COptionUI*>(Child("device_select"));
}

void CDeviceOptionUI::SetKind(int kind, int role) {
    m_kind = kind;
    m_role = role;
    KindPictures pictures = PicturesOf(kind, role);
    if (pictures.prefix != nullptr) {
        const std::string base = std::string("common/device_ico/") + pictures.prefix;
        const char* suffixes[4] = {"_device_normal.png", "_device_selected.png",
                                   "_device_synchro_normal.png", "_device_synchro_selected.png"};
        for (int i = 0; i < 4; ++i) {
            m_pictures[i] = base + suffixes[i];
        }
    }
    if (DuiLib::COptionUI* button = SelectButton()) {
        button->SetNormalImage(m_pictures[0]);
        button->SetDisabledImage(m_pictures[0]);
        button->SetSelectedImage(m_pictures[1]);
        if (pictures.tooltip != nullptr) {
            button->SetToolTip(pictures.tooltip);
        }
    }
}

void CDeviceOptionUI::ApplyPictures(bool synchro) {
    if (DuiLib::COptionUI* button = SelectButton()) {
        button->SetNormalImage(m_pictures[synchro ? 2 : 0]);
        button->SetSelectedImage(m_pictures[synchro ? 3 : 1]);
    }
}

void CDeviceOptionUI::SetSynchroVisible(bool visible) {
    if (DuiLib::CControlUI* mark = Child("synchro_device_select")) {
        mark->SetVisible(visible);
    }
    ApplyPictures(IsSynchro());
}

void CDeviceOptionUI::SetSynchro(bool synchro) {
    if (auto* mark = dynamic_cast<DuiLib::COptionUI*>(Child("synchro_device_select"))) {
        mark->Selected(synchro, false);
    }
    ApplyPictures(synchro);
}

bool CDeviceOptionUI::IsSynchro() const {
    auto* mark = dynamic_cast<DuiLib::COptionUI*>(Child("synchro_device_select"));
    return mark != nullptr && mark->IsSelected();
}

void CDeviceOptionUI::SetSelected(bool selected) {
    if (DuiLib::COptionUI* button = SelectButton()) {
        button->Selected(selected, false);
    }
}

bool CDeviceOptionUI::IsSelected() const {
    DuiLib::COptionUI* button = SelectButton();
    return button != nullptr && button->IsSelected();
}

void CDeviceOptionUI::BindTab(const std::string& tabName, int index) {
    if (DuiLib::COptionUI* button = SelectButton()) {
        button->SetBindTabLayoutName(tabName);
        button->SetBindTabLayoutIndex(index);
    }
}

std::string CDeviceOptionUI::GetTabName() const {
    DuiLib::COptionUI* button = SelectButton();
    return button != nullptr ? button->GetBindTabLayoutName() : std::string();
}

int CDeviceOptionUI::GetTabIndex() const {
    DuiLib::COptionUI* button = SelectButton();
    return button != nullptr ? button->GetBindTabLayoutIndex() : -1;
}

void CDeviceOptionUI::SetPowerBinding(const char* containerName, int index) {
    if (containerName == nullptr) {
        return;
    }
    m_powerContainer = containerName;
    if (index >= 0) {
        m_powerIndex = index;
    }
}

void CDeviceOptionUI::SetGroup(const std::string& group) {
    if (DuiLib::COptionUI* button = SelectButton()) {
        button->SetGroup(group);
    }
}

void CDeviceOptionUI::SetKindName(const std::string& name) {
    if (DuiLib::CControlUI* label = Child("device_select_name")) {
        label->SetText(name);
    }
}

void CDeviceOptionUI::SetPage(pages::CVexmoorUSBDevice* page) {
    m_page = page;
    if (page != nullptr) {
        page->SetSelectorEntry(this);
    }
}

void CDeviceOptionUI::SetVisible(bool visible) {
    m_shown = visible;
    CHorizontalLayoutUI::SetVisible(visible);
}

void CDeviceOptionUI::Arm(DuiLib::UINT id, int ms) {
    if (m_pManager != nullptr) {
        m_pManager->SetTimer(this, id, static_cast<DuiLib::UINT>(ms));
    }
}

int CDeviceOptionUI::FramePeriod(bool pictureShown) const {
    if (Wireless()) {
        return kWirelessFrameMs;
    }
    // A frame that stopped changing, on a picture nobody looks at, is sent
    // again at a calm pace; the first change brings the fast pace back.
    if (!pictureShown && m_page->FrameStill()) {
        return kStillFrameMs;
    }
    return kFrameMs;
}

void CDeviceOptionUI::StartTimers() {
    Arm(kTimerFirstContact, 500);
}

void CDeviceOptionUI::SetPresenceTimer(int ms) {
    if (LinkOpen()) {
        Arm(kTimerPresence, ms);
    }
}

bool CDeviceOptionUI::Wireless() const {
    return m_page != nullptr && m_page->Link().IsWireless();
}

bool CDeviceOptionUI::LinkOpen() const {
    return m_page != nullptr && m_page->Link().IsOpen();
}

void CDeviceOptionUI::TellMainWindow(DuiLib::LPARAM shown) {
    if (m_pManager != nullptr && m_page != nullptr) {
        DuiLib::SendMessage(m_pManager->GetPaintWindow(), kMsgSelectorEntry,
                            static_cast<DuiLib::WPARAM>(m_page->GetDeviceTableIndex()), shown);
    }
}

void CDeviceOptionUI::DoEvent(DuiLib::TEventUI& event) {
    if (event.Type == DuiLib::UIEVENT_TIMER) {
        OnTimer(static_cast<DuiLib::UINT>(event.wParam));
    }
    CHorizontalLayoutUI::DoEvent(event);
}

void CDeviceOptionUI::OnTimer(DuiLib::UINT id) {
    if (id < kTimerFrame || id > kTimerPresence || m_pManager == nullptr) {
        return;
    }
    m_pManager->KillTimer(this, id);
    if (m_page == nullptr) {
        return;
    }
    switch (id) {
        case kTimerFrame: {
            m_page->PushFrame();
            const bool pictureShown =
                m_picture != nullptr && IsSelected() && m_page->GetWindowActive() != 0;
            // A picture whose lights did not change would be painted the same.
            if (pictureShown && !m_page->FrameStill()) {
                m_picture->Invalidate();
            }
            if (LinkOpen()) {
                Arm(kTimerFrame, FramePeriod(pictureShown));
            }
            break;
        }
        case kTimerFirstContact:
            if (Wireless() && LinkOpen()) {
                if (m_page->IsWirelessOnline() == 0) {
                    if (m_shown) {
                        SetVisible(false);
                        TellMainWindow(0);
                    }
                    Arm(kTimerFirstContact, 3000);
                    return;
                }
                TellMainWindow(1);
            }
            m_page->ReadDevice();
            Arm(kTimerFrame, kFrameMs);
            if (m_hasPowerStatus && LinkOpen()) {
                Arm(kTimerStatus, 50);
            }
            if (Wireless()) {
                SetPresenceTimer(2000);
            }
            break;
        case kTimerSync:
            m_page->SyncFromDevice();
            break;
        case kTimerAux1:
            m_page->AuxTick1();
            break;
        case kTimerAux2:
            m_page->AuxTick2();
            break;
        case kTimerStatus:
            m_page->PollStatus();
            if (m_hasPowerStatus) {
                Arm(kTimerStatus, 5000);
            }
            break;
        case kTimerPresence:
            if (Wireless()) {
                int online = m_page->IsWirelessOnline();
                if (online == 1 && !m_shown) {
                    TellMainWindow(1);
                    if (m_hasPowerStatus) {
                        m_page->PollStatus();
                    }
                    platform::Trace("2.4gcesvdfherhue  12312423 123342341");
                } else if (online == 0 && m_shown) {
                    TellMainWindow(0);
                    platform::Trace("2.4gcesvdfherhue");
                }
                SetPresenceTimer(3000);
            } else if (LinkOpen()) {
                platform::Trace("2.4gcesvdfherhue  12312423");
            }
            break;
        default:
            break;
    }
}

}  // namespace ui
