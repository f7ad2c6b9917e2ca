// What the main window does with the discovery worker's news, as functions of
// the device list: which row is an entry's command interface, which entry
// names its page, whether the device is still served through its other path,
// and what a found or lost entry means. Also the link side of it: opening the
// command slot, closing the link, moving it between cable and receiver and
// asking the receiver whether it reaches its device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "app/DeviceDiscovery.h"
#include "device/DeviceLink.h"

namespace app {

// Kinds 6 and 9: the device behind its 2.4 GHz receiver.
bool IsReceiverKind(uint16_t kind);
// Kinds 1 and 2: a keyboard or mouse on its cable.
bool IsCableSideKind(uint16_t kind);
// Keyboards and mice (1, 2, 6, 9): the link mode follows the path.
bool SetsLinkMode(uint16_t kind);

// Whether a table row has this vendor, product and USB interface number.
bool IsSupportedUsbInterface(uint16_t vendorId, uint16_t productId, int interfaceNumber);

// The command row of an entry's device: same vendor, product and kind, role
// 0; -1 when there is none or the index is outside the list.
int CommandRowOf(const DeviceList& list, std::size_t index);

// The cable-side command entry that names the device's page: an event
// interface goes to its command row, a receiver-side row to its partner.
int CableSideIdentityOf(const DeviceList& list, std::size_t index);

// The entry a command interface's page identity equals: the entry itself,
// or its partner for a receiver-side entry with a partner.
int PageIdentityOf(const DeviceList& list, std::size_t index);

// The entry has a partner that is present with a path and names it back:
// the device is already served through its other path.
bool ServedThroughOtherPath(const DeviceList& list, std::size_t index);

enum class FoundAction {
    kIgnore,         // index outside the list
    kAddCommand,     // open the page's link on this entry
    kAddEvent,       // hand the page this event interface
    kSwitchToCable,  // the cable arrived while the receiver serves the device
    kNothing,        // the receiver arrived while the cable serves the device
};

enum class LostAction {
    kIgnore,            // index outside the list
    kHide,              // close the page's link and hide its entry
    kCloseEvent,        // the page closes this event interface
    kSwitchToReceiver,  // the cable left while the receiver is still there
    kNothing,           // the receiver left while the cable serves the device
};

FoundAction DecideFound(const DeviceList& list, std::size_t index);
LostAction DecideLost(const DeviceList& list, std::size_t index);

// Adds a command interface to a closed link under its I/O lock: reopens the
// receiver slot (receiver kinds) or the wired slot on the entry's path, sets
// the open flag and, for keyboards and mice, the link mode. False when the
// link was open already or the path could not be opened.
bool OpenCommandSlot(device::DeviceLink& link, const DeviceList& list, std::size_t index);

// The device has gone: clears the open flag and closes both slots.
void CloseLink(device::DeviceLink& link);

enum class SwitchResult { kFailed, kNowCable, kNowReceiver };

// Moves the link of entry index's device to the other path: to the entry's
// own path while the link is in receiver mode, to the partner's otherwise.
// On failure the link stays closed.
SwitchResult SwitchLinkPath(device::DeviceLink& link, const DeviceList& list, std::size_t index);

constexpr int kWirelessQueryTries = 26;
constexpr int kWirelessQueryPauseMs = 50;

// Asks the receiver until it confirms its device, at most 26 times with a
// 50 ms pause after each negative answer. True when it confirmed.
bool QueryWirelessUntilConfirmed(device::DeviceLink& link,
                                 const std::function<void(int ms)>& pause = {});

}  // namespace app
