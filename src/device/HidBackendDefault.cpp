#include "device/HidBackendDefault.h"

#include "device/ReportDescriptor.h"

namespace device {

bool SplitTopLevelCollections(const std::vector<uint8_t>& descriptor,
                              std::vector<platform::HidTopCollection>& out) {
    out.clear();
    ReportDescriptorInfo info;
    if (!ParseReportDescriptor(descriptor.data(), descriptor.size(), &info, nullptr)) {
        return false;
    }
    for (const HidCollectionCaps& caps : info.collections) {
        out.push_back({caps.UsagePage, caps.Usage, caps.ReportIDs});
    }
    return true;
}

std::shared_ptr<platform::HidBackend> ActiveBackend() {
    return platform::ActiveHidBackend(
        [] { return std::make_shared<platform::HidapiBackend>(&SplitTopLevelCollections); });
}

}  // namespace device
