// A compact expected capability for table-driven descriptor tests, printed in
// one line so a mismatch shows the whole row.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "device/ReportDescriptor.h"

namespace device::test {

struct CapRow {
    HidReportType type;
    bool button;
    uint8_t reportId;
    uint16_t usagePage;
    uint16_t usageMin;
    uint16_t usageMax;
    bool range;
    uint16_t bitSize;
    uint16_t reportCount;
    uint16_t bytePosition;
    uint8_t bitPosition;
};

inline std::string Describe(const CapRow& row) {
    char text[160];
    std::snprintf(text, sizeof(text),
                  "%s %s id=%u page=0x%04X usage=0x%04X..0x%04X%s size=%u count=%u at %u.%u",
                  HidReportTypeName(row.type), row.button ? "button" : "value",
                  unsigned(row.reportId), unsigned(row.usagePage), unsigned(row.usageMin),
                  unsigned(row.usageMax), row.range ? " range" : "", unsigned(row.bitSize),
                  unsigned(row.reportCount), unsigned(row.bytePosition), unsigned(row.bitPosition));
    return text;
}

inline CapRow RowOf(const HidCap& cap) {
    return {cap.ReportType,  cap.IsButtonCap,  cap.ReportID,   cap.UsagePage,
            cap.UsageMin,    cap.UsageMax,     cap.IsRange,    cap.BitSize,
            cap.ReportCount, cap.BytePosition, cap.BitPosition};
}

inline std::vector<std::string> Describe(const std::vector<HidCap>& caps) {
    std::vector<std::string> lines;
    for (const HidCap& cap : caps) {
        lines.push_back(Describe(RowOf(cap)));
    }
    return lines;
}

inline std::vector<std::string> Describe(const std::vector<CapRow>& rows) {
    std::vector<std::string> lines;
    for (const CapRow& row : rows) {
        lines.push_back(Describe(row));
    }
    return lines;
}

}  // namespace device::test
