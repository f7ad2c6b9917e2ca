// The parsing tables HidInterface builds once per open from the collection's
// capabilities: per report type a zero-filled report buffer, the button and
// value capabilities, and the report items that an input report fills.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "device/HidCapsItems.h"
#include "device/ReportDescriptor.h"

namespace device {

struct HidReportTable {
    std::vector<uint8_t> buffer;
    std::vector<HidReportItem> items;
    std::vector<HidCap> buttonCaps;
    std::vector<HidCap> valueCaps;
};

struct HidCollectionTables {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    HidCollectionCaps caps;
    std::array<HidReportTable, kHidReportTypeCount> reports;

    HidReportTable& Of(HidReportType type) { return reports[static_cast<int>(type)]; }
    const HidReportTable& Of(HidReportType type) const { return reports[static_cast<int>(type)]; }
};

// Builds the tables of the collection at collectionIndex (from 0) of a whole
// interface's descriptor; false when the descriptor does not parse or has no
// such collection.
bool BuildCollectionTables(const std::vector<uint8_t>& descriptor, int collectionIndex,
                           HidCollectionTables& out);

}  // namespace device
