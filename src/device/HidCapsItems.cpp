#include "device/HidCapsItems.h"

#include <algorithm>
#include <map>

namespace device {

std::vector<HidReportItem> BuildReportItems(const HidCollectionCaps& caps, HidReportType type) {
    std::vector<HidReportItem> items;
    const std::vector<HidCap> buttons = caps.ButtonCaps(type);
    const uint32_t listLimit = uint32_t(std::min<size_t>(
        kMaxItemUsageListLength,
        std::max<size_t>(1, kMaxTotalItemUsages / std::max<size_t>(1, buttons.size()))));
    std::map<uint16_t, uint32_t> listLengths;  // by usage page
    for (const HidCap& cap : buttons) {
        if (items.size() >= kMaxReportItems) {
            return items;
        }
        HidReportItem item;
        item.IsButton = true;
        item.UsagePage = cap.UsagePage;
        item.ReportID = cap.ReportID;
        item.UsageMin = cap.UsageMin;
        item.UsageMax = cap.UsageMax;
        auto known = listLengths.find(cap.UsagePage);
        if (known == listLengths.end()) {
            known =
                listLengths
                    .emplace(cap.UsagePage,
                             std::min(HidMaxUsageListLength(caps, type, cap.UsagePage), listLimit))
                    .first;
        }
        item.MaxUsageListLength = known->second;
        item.Usages.assign(item.MaxUsageListLength, 0);
        items.push_back(std::move(item));
    }
    for (const HidCap& cap : caps.ValueCaps(type)) {
        for (uint32_t usage = cap.UsageMin; usage <= cap.UsageMax; ++usage) {
            if (items.size() >= kMaxReportItems) {
                return items;
            }
            HidReportItem item;
            item.UsagePage = cap.UsagePage;
            item.ReportID = cap.ReportID;
            item.Usage = uint16_t(usage);
            items.push_back(item);
        }
    }
    return items;
}

bool UnpackInputReport(const HidCollectionCaps& caps, std::vector<HidReportItem>& items,
                       const uint8_t* report, size_t length) {
    if (report == nullptr || length == 0) {
        return false;
    }
    const HidReportType kIn = HidReportType::kInput;
    for (HidReportItem& item : items) {
        if (item.ReportID != report[0]) {
            continue;
        }
        if (item.IsButton) {
            const uint32_t room = uint32_t(item.Usages.size());
            uint32_t found = room;
            item.Status = HidGetUsages(caps, kIn, item.UsagePage, 0, item.Usages.data(), &found,
                                       report, length);
            // On "buffer too small" the count is what would have been needed;
            // only the stored usages are there to read.
            if (item.Status != kHidpStatusSuccess && item.Status != kHidpStatusBufferTooSmall) {
                found = 0;
            }
            found = std::min(found, room);
            uint32_t kept = 0;
            for (uint32_t i = 0; i < found; ++i) {
                const uint16_t usage = item.Usages[i];
                if (usage >= item.UsageMin && usage <= item.UsageMax) {
                    item.Usages[kept++] = usage;
                }
            }
            if (kept < room) {
                item.Usages[kept] = 0;
            }
        } else {
            item.Status = HidGetUsageValue(caps, kIn, item.UsagePage, 0, item.Usage, &item.RawValue,
                                           report, length);
            if (item.Status != kHidpStatusSuccess) {
                return false;
            }
            item.Status = HidGetScaledUsageValue(caps, kIn, item.UsagePage, 0, item.Usage,
                                                 &item.ScaledValue, report, length);
        }
        item.IsSet = true;
    }
    return true;
}

}  // namespace device
