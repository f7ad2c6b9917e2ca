#include "app/DeviceRouting.h"

#include <chrono>
#include <mutex>
#include <thread>

#include "platform/Trace.h"

namespace app {
namespace {

using device::DeviceIdentity;

bool InList(const DeviceList& list, std::size_t index) {
    return index < list.size();
}

}  // namespace

bool IsReceiverKind(uint16_t kind) {
    return kind == device::kKindMouseReceiver || kind == device::kKindKeyboardReceiver;
}

bool IsCableSideKind(uint16_t kind) {
    return kind == device::kKindKeyboard || kind == device::kKindMouse;
}

bool SetsLinkMode(uint16_t kind) {
    return IsReceiverKind(kind) || IsCableSideKind(kind);
}

bool IsSupportedUsbInterface(uint16_t vendorId, uint16_t productId, int interfaceNumber) {
    for (const DeviceIdentity& row : device::SupportedInterfaceTable()) {
        if (row.vendorId == vendorId && row.productId == productId &&
            static_cast<int>(row.interfaceNumber) == interfaceNumber) {
            return true;
        }
    }
    return false;
}

int CommandRowOf(const DeviceList& list, std::size_t index) {
    if (!InList(list, index)) {
        return -1;
    }
    const DeviceIdentity& entry = list[index];
    const auto& table = device::SupportedInterfaceTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].vendorId == entry.vendorId && table[i].productId == entry.productId &&
            table[i].kind == entry.kind && table[i].role == device::kRoleCommand) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int PageIdentityOf(const DeviceList& list, std::size_t index) {
    if (!InList(list, index)) {
        return -1;
    }
    const DeviceIdentity& entry = list[index];
    if (IsReceiverKind(entry.kind) && entry.hasPartner != 0 && InList(list, entry.partnerIndex)) {
        return entry.partnerIndex;
    }
    return static_cast<int>(index);
}

int CableSideIdentityOf(const DeviceList& list, std::size_t index) {
    if (!InList(list, index)) {
        return -1;
    }
    int command = static_cast<int>(index);
    if (list[index].role == device::kRoleEvent) {
        command = CommandRowOf(list, index);
        if (command < 0) {
            return -1;
        }
    }
    return PageIdentityOf(list, static_cast<std::size_t>(command));
}

bool ServedThroughOtherPath(const DeviceList& list, std::size_t index) {
    if (!InList(list, index) || list[index].hasPartner == 0) {
        return false;
    }
    const std::size_t partner = list[index].partnerIndex;
    return InList(list, partner) && list[partner].present != 0 && !list[partner].path.empty() &&
           list[partner].partnerIndex == index;
}

FoundAction DecideFound(const DeviceList& list, std::size_t index) {
    if (!InList(list, index)) {
        return FoundAction::kIgnore;
    }
    if (list[index].role != device::kRoleCommand) {
        return FoundAction::kAddEvent;
    }
    if (ServedThroughOtherPath(list, index)) {
        return IsCableSideKind(list[index].kind) ? FoundAction::kSwitchToCable
                                                 : FoundAction::kNothing;
    }
    return FoundAction::kAddCommand;
}

LostAction DecideLost(const DeviceList& list, std::size_t index) {
    if (!InList(list, index)) {
        return LostAction::kIgnore;
    }
    if (list[index].role != device::kRoleCommand) {
        return LostAction::kCloseEvent;
    }
    if (ServedThroughOtherPath(list, index)) {
        return IsCableSideKind(list[index].kind) ? LostAction::kSwitchToReceiver
                                                 : LostAction::kNothing;
    }
    return LostAction::kHide;
}

bool OpenCommandSlot(device::DeviceLink& link, const DeviceList& list, std::size_t index) {
    if (!InList(list, index) || link.IsOpen()) {
        return false;
    }
    const DeviceIdentity& entry = list[index];
    std::lock_guard<std::recursive_mutex> lock(link.IoLock());
    const bool receiver = IsReceiverKind(entry.kind);
    device::HidInterface& slot = receiver ? link.WirelessInterface() : link.WiredInterface();
    slot.Close();
    if (!slot.Open(entry.path, true, true, true, false)) {
        return false;
    }
    link.SetOpen(true);
    if (SetsLinkMode(entry.kind)) {
        link.SetMode(receiver ? device::LINK_MODE_24G : device::LINK_MODE_WIRED);
    }
    return true;
}

void CloseLink(device::DeviceLink& link) {
    std::lock_guard<std::recursive_mutex> lock(link.IoLock());
    link.SetOpen(false);
    link.WiredInterface().Close();
    link.WirelessInterface().Close();
}

SwitchResult SwitchLinkPath(device::DeviceLink& link, const DeviceList& list, std::size_t index) {
    if (!InList(list, index) || list[index].hasPartner == 0 ||
        !InList(list, list[index].partnerIndex)) {
        return SwitchResult::kFailed;
    }
    const bool leavingReceiver = link.IsWireless();
    const DeviceIdentity& target = leavingReceiver ? list[index] : list[list[index].partnerIndex];
    bool reopened;
    {
        std::lock_guard<std::recursive_mutex> lock(link.IoLock());
        link.SetOpen(false);
        device::HidInterface& slot =
            leavingReceiver ? link.WiredInterface() : link.WirelessInterface();
        slot.Close();
        reopened = slot.Open(target.path, true, true, true, false);
    }
    if (!reopened) {
        return SwitchResult::kFailed;
    }
    link.SetOpen(true);
    link.SetMode(leavingReceiver ? device::LINK_MODE_WIRED : device::LINK_MODE_24G);
    return leavingReceiver ? SwitchResult::kNowCable : SwitchResult::kNowReceiver;
}

bool QueryWirelessUntilConfirmed(device::DeviceLink& link,
                                 const std::function<void(int ms)>& pause) {
    bool confirmed = false;
    for (int attempt = 1; attempt <= kWirelessQueryTries && !confirmed; ++attempt) {
        confirmed = link.QueryWireless();
        if (confirmed) {
            break;
        }
        if (attempt < kWirelessQueryTries) {
            platform::Trace("获取2.4G模式失败");
        }
        if (pause) {
            pause(kWirelessQueryPauseMs);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(kWirelessQueryPauseMs));
        }
    }
    platform::Trace("获取2");
    return confirmed;
}

}  // namespace app
