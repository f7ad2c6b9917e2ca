#include "CapsJson.h"

#include <memory>
#include <vector>

#include "device/ReportDescriptorText.h"

namespace {

Json::Value CapJson(const device::HidCap& cap) {
    Json::Value json(Json::objectValue);
    json["ReportType"] = device::HidReportTypeName(cap.ReportType);
    json["IsButtonCap"] = cap.IsButtonCap;
    json["ReportID"] = cap.ReportID;
    json["UsagePage"] = cap.UsagePage;
    json["IsRange"] = cap.IsRange;
    json["UsageMin"] = cap.UsageMin;
    json["UsageMax"] = cap.UsageMax;
    json["LogicalMin"] = cap.LogicalMin;
    json["LogicalMax"] = cap.LogicalMax;
    json["PhysicalMin"] = cap.PhysicalMin;
    json["PhysicalMax"] = cap.PhysicalMax;
    json["BitSize"] = cap.BitSize;
    json["ReportCount"] = cap.ReportCount;
    json["LinkCollection"] = cap.LinkCollection;
    return json;
}

}  // namespace

Json::Value BuildCapsJson(const device::ReportDescriptorInfo& info) {
    Json::Value collections(Json::arrayValue);
    for (const device::HidCollectionCaps& caps : info.collections) {
        Json::Value json(Json::objectValue);
        json["CollectionNumber"] = caps.CollectionNumber;
        json["UsagePage"] = caps.UsagePage;
        json["Usage"] = caps.Usage;
        json["InputReportByteLength"] = caps.InputReportByteLength;
        json["OutputReportByteLength"] = caps.OutputReportByteLength;
        json["FeatureReportByteLength"] = caps.FeatureReportByteLength;
        Json::Value list(Json::arrayValue);
        for (const device::HidCap& cap : caps.Caps) {
            list.append(CapJson(cap));
        }
        json["caps"] = list;
        collections.append(json);
    }
    return collections;
}

int RunCapsCommand(const std::string& path, std::ostream& out, std::ostream& err) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!device::LoadReportDescriptorFile(path, &bytes, &error)) {
        err << "zentor-probe: " << error << "\n";
        return 1;
    }
    device::ReportDescriptorInfo info;
    if (!device::ParseReportDescriptor(bytes.data(), bytes.size(), &info, &error)) {
        err << "zentor-probe: " << path << ": not a valid report descriptor: " << error << "\n";
        return 1;
    }
    try {
        Json::StreamWriterBuilder builder;
        builder["indentation"] = "  ";
        std::unique_ptr<Json::StreamWriter> writer(builder.newStreamWriter());
        writer->write(BuildCapsJson(info), &out);
        out << "\n";
    } catch (const std::exception& e) {
        err << "zentor-probe: cannot write the JSON: " << e.what() << "\n";
        return 1;
    }
    return out.good() ? 0 : 1;
}
