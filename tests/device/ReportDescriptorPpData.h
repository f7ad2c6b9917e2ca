// Reads the Windows HID parser's preparsed data as printed in the captured
// fixtures ("pp_data->cap[3]->BitSize = 8"), so tests can hold our capability
// tables against it field by field.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "device/ReportDescriptor.h"

namespace device::test {

using PpFields = std::map<std::string, int64_t>;

struct PpData {
    int64_t usagePage = -1;
    int64_t usage = -1;
    int64_t reportByteLength[kHidReportTypeCount] = {-1, -1, -1};
    int64_t numberOfCaps[kHidReportTypeCount] = {-1, -1, -1};
    int64_t firstCap[kHidReportTypeCount] = {-1, -1, -1};
    std::vector<PpFields> caps;   // by index
    std::vector<PpFields> links;  // link collection nodes by index
};

// Returns false when the file cannot be read or lacks the summary fields.
bool LoadPpData(const std::string& path, PpData* out);

// Every difference between our collection and the Windows tables, one line
// each ("cap 2 UsageMin: ours 0x30, Windows 0x31"); empty when they agree.
std::vector<std::string> ComparePpData(const HidCollectionCaps& ours, const PpData& windows);

// The names of the fixture cases (file names without extension) found in dir.
std::vector<std::string> FixtureCases(const std::string& dir);

}  // namespace device::test
