#include "device/HidCapsAccess.h"

#include <set>

namespace device {

namespace {

constexpr uint16_t kFlagVariable = 0x02;

// Up to 32 bits starting at an absolute bit of the report, least significant
// bit first; bits past the end read as 0.
uint32_t ExtractBits(const uint8_t* report, size_t length, uint64_t bit, uint32_t count) {
    count = count > 32 ? 32 : count;
    uint32_t value = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t at = bit + i;
        const size_t byte = size_t(at / 8);
        if (byte >= length) {
            break;
        }
        if ((report[byte] >> (at % 8)) & 1) {
            value |= uint32_t(1) << i;
        }
    }
    return value;
}

int64_t SignExtend(uint32_t value, uint32_t bits) {
    if (bits == 0 || bits >= 32) {
        return int32_t(value);
    }
    const uint32_t sign = uint32_t(1) << (bits - 1);
    return int64_t(int32_t((value ^ sign) - sign));
}

uint64_t FieldBit(const HidCap& cap, uint32_t field) {
    return uint64_t(cap.BytePosition) * 8 + cap.BitPosition + uint64_t(field) * cap.BitSize;
}

// Without report IDs the first byte carries no ID and every capability
// belongs to the one report.
bool InReport(const HidCollectionCaps& caps, const HidCap& cap, const uint8_t* report) {
    return caps.ReportIDs.empty() || cap.ReportID == report[0];
}

bool Selected(const HidCap& cap, HidReportType type, uint16_t usagePage, uint16_t linkCollection) {
    return cap.ReportType == type && cap.UsagePage == usagePage &&
           (linkCollection == 0 || cap.LinkCollection == linkCollection);
}

bool LengthFits(const HidCollectionCaps& caps, HidReportType type, const uint8_t* report,
                size_t reportLength) {
    return report != nullptr && reportLength != 0 && reportLength == caps.ReportByteLength(type);
}

// Finds the value capability holding the usage in this report.
uint32_t FindValue(const HidCollectionCaps& caps, HidReportType type, uint16_t usagePage,
                   uint16_t linkCollection, uint16_t usage, const uint8_t* report,
                   size_t reportLength, const HidCap** found, uint32_t* field) {
    if (!LengthFits(caps, type, report, reportLength)) {
        return kHidpStatusInvalidReportLength;
    }
    bool elsewhere = false;
    for (const HidCap& cap : caps.Caps) {
        if (cap.IsButtonCap || !Selected(cap, type, usagePage, linkCollection) ||
            usage < cap.UsageMin || usage > cap.UsageMax) {
            continue;
        }
        if (!InReport(caps, cap, report)) {
            elsewhere = true;
            continue;
        }
        *found = &cap;
        *field = cap.IsRange ? uint32_t(usage - cap.UsageMin) : 0;
        return kHidpStatusSuccess;
    }
    return elsewhere ? kHidpStatusIncompatibleReportId : kHidpStatusUsageNotFound;
}

}  // namespace

uint32_t HidMaxUsageListLength(const HidCollectionCaps& caps, HidReportType type,
                               uint16_t usagePage) {
    uint64_t total = 0;
    std::set<uint16_t> arrays;  // the capabilities of one array share its fields
    for (const HidCap& cap : caps.Caps) {
        if (cap.ReportType != type || !cap.IsButtonCap ||
            (usagePage != 0 && cap.UsagePage != usagePage)) {
            continue;
        }
        if ((cap.BitField & kFlagVariable) == 0 && !arrays.insert(cap.MainItem).second) {
            continue;
        }
        total += cap.ReportCount;
    }
    return uint32_t(total > 0xFFFFFFFFu ? 0xFFFFFFFFu : total);
}

uint32_t HidGetUsages(const HidCollectionCaps& caps, HidReportType type, uint16_t usagePage,
                      uint16_t linkCollection, uint16_t* usages, uint32_t* usageLength,
                      const uint8_t* report, size_t reportLength) {
    if (!LengthFits(caps, type, report, reportLength)) {
        return kHidpStatusInvalidReportLength;
    }
    const uint32_t room = usages == nullptr ? 0 : *usageLength;
    uint32_t count = 0;
    auto add = [&](uint16_t usage) {
        if (count < room) {
            usages[count] = usage;
        }
        ++count;
    };
    bool onPage = false;
    bool inReport = false;
    for (const HidCap& cap : caps.Caps) {
        if (!cap.IsButtonCap || !Selected(cap, type, usagePage, linkCollection)) {
            continue;
        }
        onPage = true;
        if (!InReport(caps, cap, report)) {
            continue;
        }
        inReport = true;
        if (cap.BitField & kFlagVariable) {
            for (uint32_t i = 0; i < cap.ReportCount; ++i) {
                if (ExtractBits(report, reportLength, FieldBit(cap, i), 1) == 0) {
                    continue;
                }
                const uint32_t usage = cap.IsRange ? uint32_t(cap.UsageMin) + i : cap.UsageMin;
                if (usage <= cap.UsageMax) {
                    add(uint16_t(usage));
                }
            }
            continue;
        }
        // An array field holds an index into the item's usages, offset by the
        // logical minimum; this capability names the indexes from its base on.
        const uint32_t names = uint32_t(cap.UsageMax) - cap.UsageMin + 1;
        for (uint32_t i = 0; i < cap.ReportCount; ++i) {
            const uint32_t raw = ExtractBits(report, reportLength, FieldBit(cap, i), cap.BitSize);
            const int64_t value = cap.LogicalMin < 0 ? SignExtend(raw, cap.BitSize) : raw;
            if (value < cap.LogicalMin || value > cap.LogicalMax) {
                continue;
            }
            const int64_t index = value - cap.LogicalMin - cap.ArrayIndexBase;
            if (index < 0 || index >= names) {
                continue;
            }
            const uint16_t usage = uint16_t(cap.UsageMin + index);
            if (usage != 0) {
                add(usage);
            }
        }
    }
    if (!onPage) {
        return kHidpStatusUsageNotFound;
    }
    if (!inReport) {
        return kHidpStatusIncompatibleReportId;
    }
    *usageLength = count;
    return count > room ? kHidpStatusBufferTooSmall : kHidpStatusSuccess;
}

uint32_t HidGetUsageValue(const HidCollectionCaps& caps, HidReportType type, uint16_t usagePage,
                          uint16_t linkCollection, uint16_t usage, uint32_t* value,
                          const uint8_t* report, size_t reportLength) {
    const HidCap* cap = nullptr;
    uint32_t field = 0;
    const uint32_t status =
        FindValue(caps, type, usagePage, linkCollection, usage, report, reportLength, &cap, &field);
    if (status != kHidpStatusSuccess) {
        return status;
    }
    *value = ExtractBits(report, reportLength, FieldBit(*cap, field), cap->BitSize);
    return kHidpStatusSuccess;
}

uint32_t HidGetScaledUsageValue(const HidCollectionCaps& caps, HidReportType type,
                                uint16_t usagePage, uint16_t linkCollection, uint16_t usage,
                                int32_t* value, const uint8_t* report, size_t reportLength) {
    const HidCap* cap = nullptr;
    uint32_t field = 0;
    const uint32_t status =
        FindValue(caps, type, usagePage, linkCollection, usage, report, reportLength, &cap, &field);
    if (status != kHidpStatusSuccess) {
        return status;
    }
    const int64_t logicalMin = cap->LogicalMin;
    const int64_t logicalMax = cap->LogicalMax;
    int64_t physicalMin = cap->PhysicalMin;
    int64_t physicalMax = cap->PhysicalMax;
    if (physicalMin == 0 && physicalMax == 0) {
        physicalMin = logicalMin;
        physicalMax = logicalMax;
    }
    if (logicalMin >= logicalMax || physicalMin >= physicalMax) {
        return kHidpStatusBadLogPhyValues;
    }
    const uint32_t raw = ExtractBits(report, reportLength, FieldBit(*cap, field), cap->BitSize);
    const int64_t logical = logicalMin < 0 ? SignExtend(raw, cap->BitSize) : int64_t(raw);
    if (logical < logicalMin || logical > logicalMax) {
        return cap->HasNull ? kHidpStatusNull : kHidpStatusValueOutOfRange;
    }
    // Both spans can reach 2^32, so the product needs more than 64 bits.
    const __int128 scaled =
        __int128(logical - logicalMin) * (physicalMax - physicalMin) / (logicalMax - logicalMin);
    *value = int32_t(physicalMin + int64_t(scaled));
    return kHidpStatusSuccess;
}

}  // namespace device
