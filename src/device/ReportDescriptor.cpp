#include "device/ReportDescriptor.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>

namespace device {

namespace {

// Short item tags, by item type.
enum MainTag : uint8_t {
    kInput = 0x8,
    kOutput = 0x9,
    kCollection = 0xA,
    kFeature = 0xB,
    kEndCollection = 0xC
};
enum GlobalTag : uint8_t {
    kUsagePage = 0x0,
    kLogicalMinimum = 0x1,
    kLogicalMaximum = 0x2,
    kPhysicalMinimum = 0x3,
    kPhysicalMaximum = 0x4,
    kUnitExponent = 0x5,
    kUnit = 0x6,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB
};
enum LocalTag : uint8_t {
    kUsage = 0x0,
    kUsageMinimum = 0x1,
    kUsageMaximum = 0x2,
    kDelimiter = 0xA
};

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr uint16_t kFlagConstant = 0x01;
constexpr uint16_t kFlagVariable = 0x02;
constexpr uint16_t kFlagRelative = 0x04;
constexpr uint16_t kFlagNullState = 0x40;

struct GlobalState {
    uint16_t usagePage = 0;
    int32_t logicalMin = 0;
    int32_t logicalMax = 0;
    int32_t physicalMin = 0;
    int32_t physicalMax = 0;
    uint32_t unitExp = 0;
    uint32_t unit = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

// A usage as written: a 4-byte usage carries its own page in the high half,
// a shorter one takes the usage page in force at the main item.
struct RawUsage {
    uint32_t value = 0;
    bool extended = false;
};

struct RawUsageEntry {
    RawUsage min;
    RawUsage max;
    bool isRange = false;
};

struct Usage {
    uint16_t page = 0;
    uint16_t min = 0;
    uint16_t max = 0;
    bool isRange = false;
    uint32_t Count() const { return uint32_t(max) - min + 1; }
};

struct LocalState {
    std::vector<RawUsageEntry> usages;
    bool haveMin = false;
    bool haveMax = false;
    RawUsage min;
    RawUsage max;
    bool inDelimiter = false;
    bool delimiterTaken = false;
};

struct CollectionBuild {
    HidCollectionCaps caps;
    std::array<std::vector<HidCap>, kHidReportTypeCount> capsByType;
    std::array<uint32_t, kHidReportTypeCount> dataIndex{};
    std::set<uint8_t> reportIds;
    uint16_t mainItems = 0;
};

class Parser {
public:
    bool Run(const uint8_t* data, size_t size, ReportDescriptorInfo* out);
    std::string error;

private:
    bool Fail(size_t offset, const char* what);
    bool Main(uint8_t tag, uint32_t value, size_t offset);
    bool Global(uint8_t tag, uint32_t value, int32_t signedValue, size_t offset);
    bool Local(uint8_t tag, uint32_t value, bool extended, size_t offset);
    bool OpenCollection(uint32_t value, size_t offset);
    bool ReportItem(HidReportType type, uint16_t flags, size_t offset);
    bool ResolveUsages(std::vector<Usage>* usages, size_t offset);
    void AddVariableCaps(const HidCap& base, const std::vector<Usage>& usages, uint32_t start);
    void AddArrayCaps(const HidCap& base, const std::vector<Usage>& usages, uint32_t start);
    bool AssignDataIndices(std::vector<HidCap>* made, uint32_t* next, bool declarationOrder,
                           size_t offset);
    void AddUsage(const RawUsage& usage);

    GlobalState m_global;
    std::vector<GlobalState> m_globalStack;
    LocalState m_local;
    std::vector<CollectionBuild> m_collections;
    std::vector<uint16_t> m_open;  // link collection nodes of the current top-level collection
    // Bits used so far in each report, by report type and ID, over the whole
    // descriptor: a report ID names one report layout whichever collection
    // declares its fields.
    std::array<std::array<uint32_t, 256>, kHidReportTypeCount> m_reportBits{};
};

bool Parser::Fail(size_t offset, const char* what) {
    char text[160];
    std::snprintf(text, sizeof(text), "%s (item at byte %zu)", what, offset);
    error = text;
    return false;
}

bool Parser::Run(const uint8_t* data, size_t size, ReportDescriptorInfo* out) {
    if (size > kMaxReportDescriptorSize) {
        error = "descriptor longer than 65536 bytes";
        return false;
    }
    size_t pos = 0;
    while (pos < size) {
        const size_t offset = pos;
        const uint8_t prefix = data[pos++];
        if (prefix == kLongItemPrefix) {
            // Long items carry vendor data the capability tables do not use.
            if (size - pos < 2) {
                return Fail(offset, "long item cut short");
            }
            const size_t length = data[pos];
            if (size - pos - 2 < length) {
                return Fail(offset, "long item cut short");
            }
            pos += 2 + length;
            continue;
        }
        static const uint8_t kSizes[4] = {0, 1, 2, 4};
        const size_t length = kSizes[prefix & 0x03];
        if (size - pos < length) {
            return Fail(offset, "item cut short");
        }
        uint32_t value = 0;
        for (size_t i = 0; i < length; ++i) {
            value |= uint32_t(data[pos + i]) << (8 * i);
        }
        int32_t signedValue = int32_t(value);
        if (length == 1) {
            signedValue = int8_t(value);
        } else if (length == 2) {
            signedValue = int16_t(value);
        }
        pos += length;
        const uint8_t tag = prefix >> 4;
        bool ok = true;
        switch ((prefix >> 2) & 0x03) {
            case 0:
                ok = Main(tag, value, offset);
                break;
            case 1:
                ok = Global(tag, value, signedValue, offset);
                break;
            case 2:
                ok = Local(tag, value, length == 4, offset);
                break;
            default:
                ok = Fail(offset, "reserved item type");
                break;
        }
        if (!ok) {
            return false;
        }
    }
    if (!m_open.empty()) {
        return Fail(size, "collection not closed at the end");
    }
    if (m_collections.empty()) {
        error = "no top-level collection";
        return false;
    }
    out->collections.clear();
    for (CollectionBuild& build : m_collections) {
        HidCollectionCaps& caps = build.caps;
        for (auto& typed : build.capsByType) {
            caps.Caps.insert(caps.Caps.end(), typed.begin(), typed.end());
        }
        caps.ReportIDs.assign(build.reportIds.begin(), build.reportIds.end());
        out->collections.push_back(std::move(caps));
    }
    return true;
}

bool Parser::Main(uint8_t tag, uint32_t value, size_t offset) {
    bool ok = true;
    switch (tag) {
        case kInput:
            ok = ReportItem(HidReportType::kInput, uint16_t(value), offset);
            break;
        case kOutput:
            ok = ReportItem(HidReportType::kOutput, uint16_t(value), offset);
            break;
        case kFeature:
            ok = ReportItem(HidReportType::kFeature, uint16_t(value), offset);
            break;
        case kCollection:
            ok = OpenCollection(value, offset);
            break;
        case kEndCollection:
            if (m_open.empty()) {
                return Fail(offset, "End Collection without Collection");
            }
            m_open.pop_back();
            break;
        default:
            return Fail(offset, "unknown main item");
    }
    m_local = LocalState();
    return ok;
}

bool Parser::Global(uint8_t tag, uint32_t value, int32_t signedValue, size_t offset) {
    switch (tag) {
        case kUsagePage:
            if (value > 0xFFFF) {
                return Fail(offset, "usage page wider than 16 bits");
            }
            m_global.usagePage = uint16_t(value);
            break;
        case kLogicalMinimum:
            m_global.logicalMin = signedValue;
            break;
        case kLogicalMaximum:
            m_global.logicalMax = signedValue;
            break;
        case kPhysicalMinimum:
            m_global.physicalMin = signedValue;
            break;
        case kPhysicalMaximum:
            m_global.physicalMax = signedValue;
            break;
        case kUnitExponent:
            m_global.unitExp = value;
            break;
        case kUnit:
            m_global.unit = value;
            break;
        case kReportSize:
            if (value > kMaxReportSize) {
                return Fail(offset, "report size over 256 bits");
            }
            m_global.reportSize = value;
            break;
        case kReportId:
            if (value == 0 || value > 0xFF) {
                return Fail(offset, "report ID outside 1..255");
            }
            m_global.reportId = uint8_t(value);
            break;
        case kReportCount:
            if (value > kMaxReportCount) {
                return Fail(offset, "report count over 65535");
            }
            m_global.reportCount = value;
            break;
        case kPush:
            if (m_globalStack.size() >= kMaxGlobalStackDepth) {
                return Fail(offset, "Push nested too deep");
            }
            m_globalStack.push_back(m_global);
            break;
        case kPop:
            if (m_globalStack.empty()) {
                return Fail(offset, "Pop without Push");
            }
            m_global = m_globalStack.back();
            m_globalStack.pop_back();
            break;
        default:
            break;  // reserved global tags carry nothing the tables use
    }
    return true;
}

void Parser::AddUsage(const RawUsage& usage) {
    // Inside a delimiter set the first usage stands for the set; the others
    // are alternative names of the same control.
    if (m_local.inDelimiter) {
        if (m_local.delimiterTaken) {
            return;
        }
        m_local.delimiterTaken = true;
    }
    RawUsageEntry entry;
    entry.min = usage;
    entry.max = usage;
    m_local.usages.push_back(entry);
}

bool Parser::Local(uint8_t tag, uint32_t value, bool extended, size_t offset) {
    const RawUsage usage{value, extended};
    switch (tag) {
        case kUsage:
            AddUsage(usage);
            break;
        case kUsageMinimum:
        case kUsageMaximum:
            if (tag == kUsageMinimum) {
                m_local.min = usage;
                m_local.haveMin = true;
            } else {
                m_local.max = usage;
                m_local.haveMax = true;
            }
            if (m_local.haveMin && m_local.haveMax) {
                if ((m_local.min.value & 0xFFFF) > (m_local.max.value & 0xFFFF)) {
                    return Fail(offset, "usage minimum above usage maximum");
                }
                m_local.usages.push_back({m_local.min, m_local.max, true});
                m_local.haveMin = false;
                m_local.haveMax = false;
            }
            break;
        case kDelimiter:
            if (value == 1) {
                if (m_local.inDelimiter) {
                    return Fail(offset, "nested delimiter");
                }
                m_local.inDelimiter = true;
                m_local.delimiterTaken = false;
            } else if (value == 0) {
                if (!m_local.inDelimiter) {
                    return Fail(offset, "delimiter closed without opening");
                }
                m_local.inDelimiter = false;
            } else {
                return Fail(offset, "bad delimiter");
            }
            break;
        default:
            break;  // designator and string indexes are not part of the tables we use
    }
    return true;
}

bool Parser::ResolveUsages(std::vector<Usage>* usages, size_t offset) {
    std::vector<RawUsageEntry> raw = m_local.usages;
    // A lone minimum or maximum names a single usage.
    if (m_local.haveMin) {
        raw.push_back({m_local.min, m_local.min, false});
    }
    if (m_local.haveMax) {
        raw.push_back({m_local.max, m_local.max, false});
    }
    usages->clear();
    for (const RawUsageEntry& entry : raw) {
        Usage usage;
        usage.page = entry.min.extended ? uint16_t(entry.min.value >> 16) : m_global.usagePage;
        usage.min = uint16_t(entry.min.value);
        usage.max = uint16_t(entry.max.value);
        usage.isRange = entry.isRange;
        if (!entry.min.extended && entry.min.value > 0xFFFF) {
            return Fail(offset, "usage wider than 16 bits");
        }
        usages->push_back(usage);
    }
    return true;
}

bool Parser::OpenCollection(uint32_t value, size_t offset) {
    if (m_open.size() >= kMaxCollectionDepth) {
        return Fail(offset, "collections nested too deep");
    }
    std::vector<Usage> usages;
    if (!ResolveUsages(&usages, offset)) {
        return false;
    }
    HidLinkCollectionNode node;
    node.LinkUsagePage = usages.empty() ? m_global.usagePage : usages.front().page;
    node.LinkUsage = usages.empty() ? 0 : usages.front().min;
    node.CollectionType = uint8_t(value);
    if (m_open.empty()) {
        if (m_collections.size() >= 0xFFFF) {
            return Fail(offset, "too many top-level collections");
        }
        CollectionBuild build;
        build.caps.CollectionNumber = uint16_t(m_collections.size() + 1);
        build.caps.UsagePage = node.LinkUsagePage;
        build.caps.Usage = node.LinkUsage;
        build.caps.LinkCollections.push_back(node);
        m_collections.push_back(std::move(build));
        m_open.push_back(0);
        return true;
    }
    std::vector<HidLinkCollectionNode>& nodes = m_collections.back().caps.LinkCollections;
    if (nodes.size() >= 0xFFFF) {
        return Fail(offset, "too many collections");
    }
    const uint16_t index = uint16_t(nodes.size());
    const uint16_t parent = m_open.back();
    node.Parent = parent;
    // Children are chained newest first, as the Windows parser links them.
    node.NextSibling = nodes[parent].FirstChild;
    nodes[parent].FirstChild = index;
    ++nodes[parent].NumberOfChildren;
    nodes.push_back(node);
    m_open.push_back(index);
    return true;
}

bool Parser::ReportItem(HidReportType type, uint16_t flags, size_t offset) {
    if (m_open.empty()) {
        return Fail(offset, "main item outside any collection");
    }
    const uint32_t bits = m_global.reportSize * m_global.reportCount;
    if (bits == 0) {
        return true;
    }
    const int typeIndex = int(type);
    uint32_t& used = m_reportBits[typeIndex][m_global.reportId];
    const uint32_t start = used;
    const uint64_t end = uint64_t(start) + bits;
    const uint64_t byteLength = (end + 7) / 8 + 1;
    if (byteLength > kMaxReportByteLength) {
        return Fail(offset, "report longer than 65535 bytes");
    }
    used = uint32_t(end);
    CollectionBuild& build = m_collections.back();
    uint16_t* length = type == HidReportType::kInput    ? &build.caps.InputReportByteLength
                       : type == HidReportType::kOutput ? &build.caps.OutputReportByteLength
                                                        : &build.caps.FeatureReportByteLength;
    *length = std::max<uint16_t>(*length, uint16_t(byteLength));
    if (m_global.reportId != 0) {
        build.reportIds.insert(m_global.reportId);
    }

    std::vector<Usage> usages;
    if (!ResolveUsages(&usages, offset)) {
        return false;
    }
    if (usages.empty()) {
        if (flags & kFlagConstant) {
            return true;  // padding: takes room in the report, no capability
        }
        usages.push_back(Usage{m_global.usagePage, 0, 0, false});
    }
    const bool variable = (flags & kFlagVariable) != 0;
    const HidLinkCollectionNode& link = build.caps.LinkCollections[m_open.back()];

    HidCap base;
    base.ReportType = type;
    base.IsButtonCap = !variable || m_global.reportSize == 1;
    base.ReportID = m_global.reportId;
    base.BitSize = uint16_t(m_global.reportSize);
    base.BitField = flags;
    base.IsAbsolute = (flags & kFlagRelative) == 0;
    base.LinkCollection = m_open.back();
    base.LinkUsagePage = link.LinkUsagePage;
    base.LinkUsage = link.LinkUsage;
    base.MainItem = build.mainItems++;
    if (!base.IsButtonCap) {
        base.LogicalMin = m_global.logicalMin;
        base.LogicalMax = m_global.logicalMax;
        base.PhysicalMin = m_global.physicalMin;
        base.PhysicalMax = m_global.physicalMax;
        base.Units = m_global.unit;
        base.UnitsExp = m_global.unitExp;
        base.HasNull = (flags & kFlagNullState) != 0;
    } else if (!variable) {
        base.LogicalMin = m_global.logicalMin;
        base.LogicalMax = m_global.logicalMax;
    }

    std::vector<HidCap>& typed = build.capsByType[typeIndex];
    const size_t first = typed.size();
    if (variable) {
        AddVariableCaps(base, usages, start);
    } else {
        AddArrayCaps(base, usages, start);
    }
    std::vector<HidCap> made(typed.begin() + first, typed.end());
    if (!AssignDataIndices(&made, &build.dataIndex[typeIndex], !variable, offset)) {
        return false;
    }
    std::copy(made.begin(), made.end(), typed.begin() + first);
    return true;
}

void Parser::AddVariableCaps(const HidCap& base, const std::vector<Usage>& usages, uint32_t start) {
    // Each usage (or range) takes as many fields as it names; the last one
    // takes all fields left. The capabilities are stored last usage first.
    std::vector<HidCap> made;
    uint32_t remaining = m_global.reportCount;
    uint32_t field = 0;
    for (size_t i = 0; i < usages.size() && remaining > 0; ++i) {
        const Usage& usage = usages[i];
        const bool last = i + 1 == usages.size();
        const uint32_t count = last ? remaining : std::min(usage.Count(), remaining);
        HidCap cap = base;
        cap.UsagePage = usage.page;
        cap.IsRange = usage.isRange;
        cap.UsageMin = usage.min;
        cap.UsageMax =
            usage.isRange && count < usage.Count() ? uint16_t(usage.min + count - 1) : usage.max;
        cap.ReportCount = uint16_t(count);
        const uint32_t bit = start + field * m_global.reportSize;
        cap.BytePosition = uint16_t(bit / 8 + 1);
        cap.BitPosition = uint8_t(bit % 8);
        made.push_back(cap);
        field += count;
        remaining -= count;
    }
    std::vector<HidCap>& typed = m_collections.back().capsByType[int(base.ReportType)];
    typed.insert(typed.end(), made.rbegin(), made.rend());
}

void Parser::AddArrayCaps(const HidCap& base, const std::vector<Usage>& usages, uint32_t start) {
    // Every field of an array can hold any of the item's usages, so each usage
    // (or range) becomes a capability over all the fields.
    std::vector<HidCap> made;
    uint32_t index = 0;
    for (size_t i = 0; i < usages.size(); ++i) {
        const Usage& usage = usages[i];
        HidCap cap = base;
        cap.UsagePage = usage.page;
        cap.IsRange = usage.isRange;
        cap.UsageMin = usage.min;
        cap.UsageMax = usage.max;
        cap.ReportCount = uint16_t(m_global.reportCount);
        cap.BytePosition = uint16_t(start / 8 + 1);
        cap.BitPosition = uint8_t(start % 8);
        cap.IsMultipleItemsForArray = i != 0;
        cap.ArrayIndexBase = uint16_t(std::min<uint32_t>(index, 0xFFFF));
        index += usage.Count();
        made.push_back(cap);
    }
    std::vector<HidCap>& typed = m_collections.back().capsByType[int(base.ReportType)];
    typed.insert(typed.end(), made.rbegin(), made.rend());
}

bool Parser::AssignDataIndices(std::vector<HidCap>* made, uint32_t* next, bool declarationOrder,
                               size_t offset) {
    // Variables number their data indices in table order; the usages of an
    // array keep the order in which they were declared.
    auto assign = [&](HidCap& cap) {
        const uint32_t count = uint32_t(cap.UsageMax) - cap.UsageMin + 1;
        cap.DataIndexMin = uint16_t(*next);
        cap.DataIndexMax = uint16_t(*next + count - 1);
        *next += count;
        return *next <= 0x10000;
    };
    bool ok = true;
    if (declarationOrder) {
        for (auto it = made->rbegin(); it != made->rend() && ok; ++it) {
            ok = assign(*it);
        }
    } else {
        for (auto it = made->begin(); it != made->end() && ok; ++it) {
            ok = assign(*it);
        }
    }
    return ok || Fail(offset, "more than 65536 data indices in one report type");
}

}  // namespace

const char* HidReportTypeName(HidReportType type) {
    switch (type) {
        case HidReportType::kInput:
            return "input";
        case HidReportType::kOutput:
            return "output";
        case HidReportType::kFeature:
            return "feature";
    }
    return "";
}

uint16_t HidCollectionCaps::ReportByteLength(HidReportType type) const {
    switch (type) {
        case HidReportType::kInput:
            return InputReportByteLength;
        case HidReportType::kOutput:
            return OutputReportByteLength;
        case HidReportType::kFeature:
            return FeatureReportByteLength;
    }
    return 0;
}

std::vector<HidCap> HidCollectionCaps::ButtonCaps(HidReportType type) const {
    std::vector<HidCap> result;
    for (const HidCap& cap : Caps) {
        if (cap.ReportType == type && cap.IsButtonCap) {
            result.push_back(cap);
        }
    }
    return result;
}

std::vector<HidCap> HidCollectionCaps::ValueCaps(HidReportType type) const {
    std::vector<HidCap> result;
    for (const HidCap& cap : Caps) {
        if (cap.ReportType == type && !cap.IsButtonCap) {
            result.push_back(cap);
        }
    }
    return result;
}

size_t HidCollectionCaps::NumberOfCaps(HidReportType type) const {
    return size_t(std::count_if(Caps.begin(), Caps.end(),
                                [type](const HidCap& cap) { return cap.ReportType == type; }));
}

uint16_t HidCollectionCaps::NumberOfDataIndices(HidReportType type) const {
    uint32_t count = 0;
    for (const HidCap& cap : Caps) {
        if (cap.ReportType == type) {
            count = std::max<uint32_t>(count, uint32_t(cap.DataIndexMax) + 1);
        }
    }
    return uint16_t(std::min<uint32_t>(count, 0xFFFF));
}

bool HidCollectionCaps::HasReportID(uint8_t id) const {
    return std::binary_search(ReportIDs.begin(), ReportIDs.end(), id);
}

bool ParseReportDescriptor(const uint8_t* data, size_t size, ReportDescriptorInfo* out,
                           std::string* error) {
    out->collections.clear();
    if (data == nullptr && size != 0) {
        if (error) {
            *error = "no descriptor data";
        }
        return false;
    }
    Parser parser;
    if (!parser.Run(data, size, out)) {
        out->collections.clear();
        if (error) {
            *error = parser.error;
        }
        return false;
    }
    return true;
}

const HidCollectionCaps* FindCollection(const ReportDescriptorInfo& info, uint16_t number) {
    if (number == 0 || number > info.collections.size()) {
        return nullptr;
    }
    return &info.collections[number - 1];
}

}  // namespace device
