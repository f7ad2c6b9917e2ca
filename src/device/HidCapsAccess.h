// Reading usages and values out of a report through a collection's capability
// tables: the HidP_GetUsages, HidP_GetUsageValue, HidP_GetScaledUsageValue and
// HidP_MaxUsageListLength services the program relies on, with their status
// codes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/ReportDescriptor.h"

namespace device {

constexpr uint32_t kHidpStatusSuccess = 0x00110000;
constexpr uint32_t kHidpStatusNull = 0x80110001;
constexpr uint32_t kHidpStatusInvalidReportType = 0xC0110002;
constexpr uint32_t kHidpStatusInvalidReportLength = 0xC0110003;
constexpr uint32_t kHidpStatusUsageNotFound = 0xC0110004;
constexpr uint32_t kHidpStatusValueOutOfRange = 0xC0110005;
constexpr uint32_t kHidpStatusBadLogPhyValues = 0xC0110006;
constexpr uint32_t kHidpStatusBufferTooSmall = 0xC0110007;
constexpr uint32_t kHidpStatusIncompatibleReportId = 0xC011000A;

// The most usages HidGetUsages can return for the page (0: every page).
uint32_t HidMaxUsageListLength(const HidCollectionCaps& caps, HidReportType type,
                               uint16_t usagePage);

// The usages of the page that are on in the report: set bits of on/off
// buttons, and the usage each array field names (fields outside the logical
// range or naming usage 0 name none). linkCollection 0 takes the whole
// collection, another value only that node. `report` starts with the report
// ID byte (0 without IDs) and must be the type's report byte length long.
// On entry *usageLength is the room in `usages`; on return the count found.
// Status: success; invalid report length; usage not found (no button
// capability of the page); incompatible report ID (the page is in other
// reports only); buffer too small (the usages that fit are stored and
// *usageLength is the count that would be needed).
uint32_t HidGetUsages(const HidCollectionCaps& caps, HidReportType type, uint16_t usagePage,
                      uint16_t linkCollection, uint16_t* usages, uint32_t* usageLength,
                      const uint8_t* report, size_t reportLength);

// The raw bits of the first field of the value usage (not sign-extended).
uint32_t HidGetUsageValue(const HidCollectionCaps& caps, HidReportType type, uint16_t usagePage,
                          uint16_t linkCollection, uint16_t usage, uint32_t* value,
                          const uint8_t* report, size_t reportLength);

// The value scaled from the logical to the physical range (the logical range
// when no physical range was declared). Status null when the field is outside
// the logical range of a control with a null state, value out of range when
// it is outside without one, bad log/phy values when a range is empty.
uint32_t HidGetScaledUsageValue(const HidCollectionCaps& caps, HidReportType type,
                                uint16_t usagePage, uint16_t linkCollection, uint16_t usage,
                                int32_t* value, const uint8_t* report, size_t reportLength);

}  // namespace device
