// The report item tables HidInterface keeps per report type, built once per
// open from a collection's capabilities, and UnpackInputReport, which fills the
// input items from one report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "device/HidCapsAccess.h"
#include "device/ReportDescriptor.h"

namespace device {

// One button capability, or one usage of a value capability.
struct HidReportItem {
    bool IsButton = false;
    uint16_t UsagePage = 0;
    uint32_t Status = kHidpStatusSuccess;  // of the last unpack
    uint32_t ReportID = 0;
    bool IsSet = false;  // the last unpacked report filled this item
    // Button item: the capability's usage range (both the usage when it has no
    // range) and room for HidMaxUsageListLength usages, zero-filled.
    uint16_t UsageMin = 0;
    uint16_t UsageMax = 0;
    uint32_t MaxUsageListLength = 0;
    std::vector<uint16_t> Usages;
    // Value item.
    uint16_t Usage = 0;
    uint32_t RawValue = 0;
    int32_t ScaledValue = 0;
};

// Caps on what a hostile descriptor can make us allocate: the item count of
// one report type, the usage list of one button item, and the usages of all
// button items of one report type together (thousands of button items each
// asking for thousands of usages would otherwise take gigabytes). Real devices
// stay far below all three: a full keyboard needs a few hundred usages.
constexpr size_t kMaxReportItems = 65536;
constexpr uint32_t kMaxItemUsageListLength = 4096;
constexpr size_t kMaxTotalItemUsages = 262144;

// The items of one report type: button items first, in capability order, then
// value items, each ranged value capability expanded usage by usage.
std::vector<HidReportItem> BuildReportItems(const HidCollectionCaps& caps, HidReportType type);

// Fills, from one input report (report ID byte first, the input report byte
// length long), every input item whose report ID equals the report's first
// byte: a button item gets the pressed usages within its range followed by a
// 0 when there is room; a value item its raw and scaled value. Items of other
// reports stay untouched. Returns false for an empty report or when a value
// cannot be read (the item's Status says why); true otherwise.
bool UnpackInputReport(const HidCollectionCaps& caps, std::vector<HidReportItem>& items,
                       const uint8_t* report, size_t length);

}  // namespace device
