// The main window's side of device discovery: the worker's news, the device
// pages created for new kinds, and the paths (command and event interfaces,
// cable and receiver) through which a page reaches its device.
#include <mutex>

#include "app/DeviceRouting.h"
#include "app/MainWnd.h"
#include "app/MainWndMessages.h"
#include "app/RegisteredMessages.h"
#include "device/DeviceTables.h"
#include "pages/VexmoorUSBDevice.h"
#include "platform/Trace.h"
#include "ui/DeviceOptionUI.h"
#include "ui/MpDevicePowerUI.h"
#include "ui/MsgWnd.h"
#include "uilib/TabLayoutUI.h"

namespace app {
namespace {

using DuiLib::CControlUI;

constexpr char kPowerLayout[] = "XML/CustomControlXML/MpDevicePower.xml";
constexpr char kPageTab[] = "device_switch";
constexpr char kStrip[] = "device_select_layout";

// The kind row of a command row: same vendor, product, kind and role.
int KindRowOf(const device::DeviceIdentity& row) {
    const auto& kinds = device::DeviceKindTable();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i].vendorId == row.vendorId && kinds[i].productId == row.productId &&
            kinds[i].kind == row.kind && kinds[i].role == row.role) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The event slot of a page a kind's event interface uses: the cable's or the
// receiver's.
int EventSlotOf(uint16_t kind) {
    return IsReceiverKind(kind) ? 1 : 0;
}

}  // namespace

// Worker thread: the window handles each entry before the worker goes on.
// A stopping worker does not wait for a window that is waiting for it.
void CMainWnd::RunDiscovery(platform::Event& stop, const DuiLib::HWND& wnd) {
    m_discoveryWnd = wnd;
    m_discoveryStop = &stop;
    m_discovery->Run(stop);
}

void CMainWnd::OnDeviceFound(std::size_t index) {
    DuiLib::SendMessage(m_discoveryWnd, kMsgDeviceFound, index, 0, m_discoveryStop);
}

void CMainWnd::OnDeviceLost(std::size_t index) {
    DuiLib::SendMessage(m_discoveryWnd, kMsgDeviceLost, index, 0, m_discoveryStop);
}

void CMainWnd::OnFirstScanDone() {
    DuiLib::PostMessage(m_discoveryWnd, Messages().broadcast, 0, 0);
}

void CMainWnd::OnAccessNotice() {
    DuiLib::PostMessage(m_discoveryWnd, kMsgAccessNotice, 0, 0);
}

void CMainWnd::ShowAccessNotice() {
    std::string text;
    if (m_discovery->TakeAccessNotice(text)) {
        ui::ShowMessage(GetHWND(), {}, text, m_dpi, false, ui::kMsgConfirmOnly);
    }
}

// Pages of the mouse and the keyboard exist from the start (hidden in the
// strip), so that their positions in the strip are their kind rows.
void CMainWnd::CreateFirstPages() {
    const auto& list = m_discovery->Devices();
    const auto& kinds = device::DeviceKindTable();
    for (std::size_t kindRow = 0; kindRow < 2; ++kindRow) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (KindRowOf(list[i]) == static_cast<int>(kindRow) &&
                list[i].role == kinds[kindRow].role) {
                CreatePage(kindRow, i);
                break;
            }
        }
    }
}

bool CMainWnd::CreatePage(std::size_t kindRow, std::size_t entry) {
    const device::DeviceKindRow& kind = device::DeviceKindTable()[kindRow];
    const device::DevicePageRow& pageRow = device::DevicePageTable()[kindRow];
    auto* powers = m_pm.FindControl<DuiLib::CTabLayoutUI>(kind.powerSwitch);
    auto* tabs = m_pm.FindControl<DuiLib::CTabLayoutUI>(kPageTab);
    auto* strip = m_pm.FindControl<DuiLib::CContainerUI>(kStrip);
    if (powers == nullptr || tabs == nullptr || strip == nullptr) {
        return false;
    }
    std::unique_ptr<CControlUI> powerControl(BuildLayout(kPowerLayout));
    std::unique_ptr<CControlUI> pageControl(BuildLayout(pageRow.pageLayout));
    std::unique_ptr<CControlUI> optionControl(BuildLayout(kind.optionLayout));
    auto* power = dynamic_cast<ui::CMpDevicePowerUI*>(powerControl.get());
    auto* page = dynamic_cast<pages::CVexmoorUSBDevice*>(pageControl.get());
    auto* option = dynamic_cast<ui::CDeviceOptionUI*>(optionControl.get());
    if (power == nullptr || page == nullptr || option == nullptr) {
        platform::TraceF("设备页面创建失败：%s", kind.kindName);
        return false;
    }
    const device::DeviceIdentity& record = m_discovery->Devices()[entry];

    powers->Add(powerControl.release());
    power->SetKindAndRole(record.kind, record.role);
    power->SetPowerLayoutVisible(pageRow.hasPower != 0);

    page->AttachManager(&m_pm);
    page->SetPageXml(pageRow.pageLayout);
    page->SetMainWindow(GetHWND());
    page->SetKeyButtonCount(pageRow.keyCount);
    page->SetLedCount(pageRow.ledCount);
    page->SetDeviceTableIndex(static_cast<int>(kindRow));
    page->SetHasPowerStatus(pageRow.hasPower);
    page->SetDeviceFolderName(kind.kindName);
    page->SetPowerControl(power);
    page->SetDeviceRecord(record);
    page->SetModelIndex(kind.defaultLightIndex);
    page->SetLightConfigName(pageRow.lightConfiguration);
    page->InitPage();
    tabs->Add(pageControl.release());
    m_pages[kindRow].push_back(page);

    strip->Add(optionControl.release());
    option->SetGroup(kind.tabHeader);
    option->SetSelected(false);
    option->BindTab(kPageTab, tabs->GetItemIndex(page));
    option->SetPowerBinding(kind.powerSwitch, powers->GetItemIndex(power));
    option->SetKind(record.kind, record.role);
    option->SetKindName(kind.kindName);
    option->SetPage(page);
    option->SetPicture(page->GetKeyContainer());
    option->SetHasPowerStatus(pageRow.hasPower != 0);
    option->SetVisible(false);
    return true;
}

pages::CVexmoorUSBDevice* CMainWnd::PageOfEntry(std::size_t entry) {
    const auto& list = m_discovery->Devices();
    int identity = PageIdentityOf(list, entry);
    if (identity < 0) {
        return nullptr;
    }
    for (const auto& kindPages : m_pages) {
        for (pages::CVexmoorUSBDevice* page : kindPages) {
            if (device::IdentityEquals(page->GetDeviceRecord(), list[identity])) {
                return page;
            }
        }
    }
    return nullptr;
}

int CMainWnd::OptionIndexOf(const pages::CVexmoorUSBDevice* page) {
    auto* strip = m_pm.FindControl<DuiLib::CContainerUI>(kStrip);
    if (strip == nullptr || page == nullptr) {
        return -1;
    }
    for (int i = 0; i < strip->GetCount(); ++i) {
        auto* option = dynamic_cast<ui::CDeviceOptionUI*>(strip->GetItemAt(i));
        if (option != nullptr && option->GetPage() == page) {
            return i;
        }
    }
    return -1;
}

void CMainWnd::HandleDeviceFound(WPARAM index) {
    const auto& list = m_discovery->Devices();
    if (index >= list.size()) {
        return;
    }
    Observe("OnDeviceFound");
    // A device seen for the first time gets its page, named by its
    // cable-side command interface.
    int cableSide = CableSideIdentityOf(list, index);
    if (cableSide >= 0 && PageOfEntry(static_cast<std::size_t>(cableSide)) == nullptr) {
        int kindRow = KindRowOf(list[cableSide]);
        if (kindRow >= 0) {
            CreatePage(static_cast<std::size_t>(kindRow), static_cast<std::size_t>(cableSide));
        }
    }
    switch (DecideFound(list, index)) {
        case FoundAction::kAddCommand:
            AddCommandInterface(index);
            break;
        case FoundAction::kAddEvent:
            AddEventInterface(index);
            break;
        case FoundAction::kSwitchToCable:
            SwitchPath(index);
            break;
        case FoundAction::kIgnore:
        case FoundAction::kNothing:
            break;
    }
    ShowAndRaise();
}

void CMainWnd::HandleDeviceLost(WPARAM index) {
    const auto& list = m_discovery->Devices();
    if (index >= list.size()) {
        return;
    }
    Observe("OnDeviceLost");
    switch (DecideLost(list, index)) {
        case LostAction::kHide:
            LoseCommandInterface(index);
            break;
        case LostAction::kCloseEvent:
            LoseEventInterface(index);
            break;
        case LostAction::kSwitchToReceiver:
            SwitchPath(index);
            break;
        case LostAction::kIgnore:
        case LostAction::kNothing:
            break;
    }
}

void CMainWnd::AddCommandInterface(std::size_t entry) {
    const auto& list = m_discovery->Devices();
    pages::CVexmoorUSBDevice* page = PageOfEntry(entry);
    if (page == nullptr) {
        return;
    }
    if (OpenCommandSlot(page->Link(), list, entry)) {
        std::lock_guard<std::recursive_mutex> lock(page->Link().IoLock());
        page->SetDeviceRecord(list[PageIdentityOf(list, entry)]);
    }
    int position = OptionIndexOf(page);
    ui::CDeviceOptionUI* option = Option(position);
    if (option == nullptr) {
        return;
    }
    // A device behind its receiver shows itself once it answers there.
    if (!IsReceiverKind(list[entry].kind)) {
        int first = 0;
        int shown = 0;
        FirstShown(first, shown);
        bool select = shown == 0 || (shown == 1 && option->IsShown());
        ShowOption(position, true, select);
    }
    option->StartTimers();
}

void CMainWnd::AddEventInterface(std::size_t entry) {
    const auto& list = m_discovery->Devices();
    if (pages::CVexmoorUSBDevice* page = PageOfEntry(entry)) {
        page->OpenEventInterface(EventSlotOf(list[entry].kind), list[entry].path);
    }
}

void CMainWnd::LoseCommandInterface(std::size_t entry) {
    pages::CVexmoorUSBDevice* page = PageOfEntry(entry);
    if (page == nullptr) {
        return;
    }
    CloseLink(page->Link());
    HideOption(OptionIndexOf(page));
}

void CMainWnd::LoseEventInterface(std::size_t entry) {
    const auto& list = m_discovery->Devices();
    if (pages::CVexmoorUSBDevice* page = PageOfEntry(entry)) {
        page->CloseEventInterface(EventSlotOf(list[entry].kind));
    }
}

void CMainWnd::SwitchPath(std::size_t entry) {
    const auto& list = m_discovery->Devices();
    pages::CVexmoorUSBDevice* page = PageOfEntry(entry);
    if (page == nullptr) {
        return;
    }
    ui::CDeviceOptionUI* option = Option(OptionIndexOf(page));
    switch (SwitchLinkPath(page->Link(), list, entry)) {
        case SwitchResult::kNowReceiver:
            if (page->GetPowerControl() != nullptr) {
                QueryWirelessUntilConfirmed(page->Link());
                page->ReadDevice();
            }
            if (option != nullptr) {
                option->SetPresenceTimer(2000);
            }
            break;
        case SwitchResult::kNowCable:
            if (option != nullptr) {
                option->StartTimers();
            }
            OnSelectorEntry(static_cast<WPARAM>(page->GetDeviceTableIndex()), 1);
            if (page->GetPowerControl() != nullptr) {
                page->ReadDevice();
            }
            break;
        case SwitchResult::kFailed:
            break;
    }
}

// A page animates its picture only while the window is active or the mouse is
// over it; a hidden or background window costs no repaints.
void CMainWnd::GivePagesWindowFlags() {
    const int flag = (m_active || m_mouseInside) ? 1 : 0;
    for (const auto& kindPages : m_pages) {
        for (pages::CVexmoorUSBDevice* page : kindPages) {
            page->SetWindowActive(flag);
        }
    }
}

}  // namespace app
