#include "ReportDescriptorPpData.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

namespace device::test {

namespace {

bool ParseNumber(const std::string& text, int64_t* value) {
    char* end = nullptr;
    *value = std::strtoll(text.c_str(), &end, 0);
    return end != text.c_str();
}

PpFields& Slot(std::vector<PpFields>* list, size_t index) {
    if (list->size() <= index) {
        list->resize(index + 1);
    }
    return (*list)[index];
}

class Differences {
public:
    void Check(const std::string& where, const char* field, int64_t ours, int64_t windows) {
        if (ours != windows) {
            char text[200];
            std::snprintf(text, sizeof(text), "%s %s: ours %" PRId64 ", Windows %" PRId64,
                          where.c_str(), field, ours, windows);
            lines.emplace_back(text);
        }
    }
    // A field the Windows table must hold; its absence is a broken fixture.
    void CheckField(const std::string& where, const PpFields& fields, const char* name,
                    int64_t ours) {
        auto it = fields.find(name);
        if (it == fields.end()) {
            lines.push_back(where + " " + name + ": missing in the Windows table");
            return;
        }
        Check(where, name, ours, it->second);
    }
    std::vector<std::string> lines;
};

}  // namespace

bool LoadPpData(const std::string& path, PpData* out) {
    std::ifstream file(path);
    if (!file) {
        return false;
    }
    static const std::regex kCap(R"(^pp_data->cap\[(\d+)\]->([\w.]+)\s*=\s*(\S+))");
    static const std::regex kInfo(R"(^pp_data->caps_info\[(\d)\]->(\w+)\s*=\s*(\S+))");
    static const std::regex kLink(R"(^pp_data->LinkCollectionArray\[(\d+)\]->(\w+)\s*=\s*(\S+))");
    static const std::regex kTop(R"(^pp_data->(Usage|UsagePage)\s*=\s*(\S+))");
    std::string line;
    std::smatch m;
    while (std::getline(file, line)) {
        int64_t value = 0;
        if (std::regex_search(line, m, kCap) && ParseNumber(m[3], &value)) {
            Slot(&out->caps, std::stoul(m[1]))[m[2]] = value;
        } else if (std::regex_search(line, m, kInfo) && ParseNumber(m[3], &value)) {
            const int type = std::stoi(m[1]);
            if (type >= kHidReportTypeCount) {
                continue;
            }
            if (m[2] == "ReportByteLength") {
                out->reportByteLength[type] = value;
            } else if (m[2] == "NumberOfCaps") {
                out->numberOfCaps[type] = value;
            } else if (m[2] == "FirstCap") {
                out->firstCap[type] = value;
            }
        } else if (std::regex_search(line, m, kLink) && ParseNumber(m[3], &value)) {
            Slot(&out->links, std::stoul(m[1]))[m[2]] = value;
        } else if (std::regex_search(line, m, kTop) && ParseNumber(m[2], &value)) {
            (m[1] == "Usage" ? out->usage : out->usagePage) = value;
        }
    }
    for (int type = 0; type < kHidReportTypeCount; ++type) {
        if (out->reportByteLength[type] < 0 || out->numberOfCaps[type] < 0 ||
            out->firstCap[type] < 0) {
            return false;
        }
    }
    return out->usagePage >= 0 && out->usage >= 0;
}

std::vector<std::string> ComparePpData(const HidCollectionCaps& ours, const PpData& windows) {
    Differences diff;
    diff.Check("collection", "UsagePage", ours.UsagePage, windows.usagePage);
    diff.Check("collection", "Usage", ours.Usage, windows.usage);
    for (int type = 0; type < kHidReportTypeCount; ++type) {
        const auto reportType = HidReportType(type);
        const std::string where = HidReportTypeName(reportType);
        diff.Check(where, "ReportByteLength", ours.ReportByteLength(reportType),
                   windows.reportByteLength[type]);
        diff.Check(where, "NumberOfCaps", int64_t(ours.NumberOfCaps(reportType)),
                   windows.numberOfCaps[type]);
    }
    // Our table lists input, output and feature capabilities back to back, as
    // the Windows table does; compare position by position.
    const size_t count = std::min(ours.Caps.size(), windows.caps.size());
    diff.Check("collection", "total caps", int64_t(ours.Caps.size()), int64_t(windows.caps.size()));
    for (size_t i = 0; i < count; ++i) {
        const HidCap& cap = ours.Caps[i];
        const PpFields& w = windows.caps[i];
        const std::string where = "cap " + std::to_string(i);
        int expectedType = 0;
        for (int type = 0; type < kHidReportTypeCount; ++type) {
            if (int64_t(i) >= windows.firstCap[type]) {
                expectedType = type;
            }
        }
        diff.Check(where, "ReportType", int(cap.ReportType), expectedType);
        diff.CheckField(where, w, "UsagePage", cap.UsagePage);
        diff.CheckField(where, w, "ReportID", cap.ReportID);
        diff.CheckField(where, w, "BitSize", cap.BitSize);
        diff.CheckField(where, w, "ReportCount", cap.ReportCount);
        diff.CheckField(where, w, "IsButtonCap", cap.IsButtonCap);
        diff.CheckField(where, w, "IsRange", cap.IsRange);
        diff.CheckField(where, w, "IsAbsolute", cap.IsAbsolute);
        diff.CheckField(where, w, "IsAlias", cap.IsAlias);
        diff.CheckField(where, w, "IsMultipleItemsForArray", cap.IsMultipleItemsForArray);
        diff.CheckField(where, w, "BitField", cap.BitField & 0xFF);
        diff.CheckField(where, w, "LinkCollection", cap.LinkCollection);
        diff.CheckField(where, w, "LinkUsagePage", cap.LinkUsagePage);
        diff.CheckField(where, w, "LinkUsage", cap.LinkUsage);
        diff.CheckField(where, w, "BytePosition", cap.BytePosition);
        diff.CheckField(where, w, "BitPosition", cap.BitPosition);
        diff.CheckField(where, w, "BitCount", int64_t(cap.BitSize) * cap.ReportCount);
        diff.CheckField(where, w, "Units", cap.IsButtonCap ? 0 : cap.Units);
        diff.CheckField(where, w, "UnitsExp", cap.IsButtonCap ? 0 : cap.UnitsExp);
        if (cap.IsRange) {
            diff.CheckField(where, w, "Range.UsageMin", cap.UsageMin);
            diff.CheckField(where, w, "Range.UsageMax", cap.UsageMax);
            diff.CheckField(where, w, "Range.DataIndexMin", cap.DataIndexMin);
            diff.CheckField(where, w, "Range.DataIndexMax", cap.DataIndexMax);
        } else {
            diff.CheckField(where, w, "NotRange.Usage", cap.UsageMin);
            diff.Check(where, "UsageMax (not a range)", cap.UsageMax, cap.UsageMin);
            diff.CheckField(where, w, "NotRange.DataIndex", cap.DataIndexMin);
        }
        if (cap.IsButtonCap) {
            diff.CheckField(where, w, "Button.LogicalMin", cap.LogicalMin);
            diff.CheckField(where, w, "Button.LogicalMax", cap.LogicalMax);
        } else {
            diff.CheckField(where, w, "NotButton.LogicalMin", cap.LogicalMin);
            diff.CheckField(where, w, "NotButton.LogicalMax", cap.LogicalMax);
            diff.CheckField(where, w, "NotButton.PhysicalMin", cap.PhysicalMin);
            diff.CheckField(where, w, "NotButton.PhysicalMax", cap.PhysicalMax);
            diff.CheckField(where, w, "NotButton.HasNull", cap.HasNull);
        }
    }
    diff.Check("collection", "link collection nodes", int64_t(ours.LinkCollections.size()),
               int64_t(windows.links.size()));
    const size_t links = std::min(ours.LinkCollections.size(), windows.links.size());
    for (size_t i = 0; i < links; ++i) {
        const HidLinkCollectionNode& node = ours.LinkCollections[i];
        const PpFields& w = windows.links[i];
        const std::string where = "link " + std::to_string(i);
        diff.CheckField(where, w, "LinkUsage", node.LinkUsage);
        diff.CheckField(where, w, "LinkUsagePage", node.LinkUsagePage);
        diff.CheckField(where, w, "Parent", node.Parent);
        diff.CheckField(where, w, "NumberOfChildren", node.NumberOfChildren);
        diff.CheckField(where, w, "NextSibling", node.NextSibling);
        diff.CheckField(where, w, "FirstChild", node.FirstChild);
        diff.CheckField(where, w, "CollectionType", node.CollectionType);
        diff.CheckField(where, w, "IsAlias", node.IsAlias);
    }
    return diff.lines;
}

std::vector<std::string> FixtureCases(const std::string& dir) {
    std::vector<std::string> cases;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (entry.path().extension() == ".pp_data") {
            cases.push_back(entry.path().stem().string());
        }
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

}  // namespace device::test
