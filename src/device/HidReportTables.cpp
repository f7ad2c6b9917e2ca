#include "device/HidReportTables.h"

namespace device {

bool BuildCollectionTables(const std::vector<uint8_t>& descriptor, int collectionIndex,
                           HidCollectionTables& out) {
    out = HidCollectionTables{};
    ReportDescriptorInfo info;
    if (collectionIndex < 0 || descriptor.empty() ||
        !ParseReportDescriptor(descriptor.data(), descriptor.size(), &info, nullptr) ||
        static_cast<std::size_t>(collectionIndex) >= info.collections.size()) {
        return false;
    }
    out.caps = std::move(info.collections[static_cast<std::size_t>(collectionIndex)]);
    out.usagePage = out.caps.UsagePage;
    out.usage = out.caps.Usage;
    for (int t = 0; t < kHidReportTypeCount; ++t) {
        const auto type = static_cast<HidReportType>(t);
        HidReportTable& table = out.Of(type);
        table.buffer.assign(out.caps.ReportByteLength(type), 0);
        table.buttonCaps = out.caps.ButtonCaps(type);
        table.valueCaps = out.caps.ValueCaps(type);
        table.items = BuildReportItems(out.caps, type);
    }
    return true;
}

}  // namespace device
