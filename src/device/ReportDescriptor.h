// The HID report descriptor parser: turns the raw descriptor of one USB
// interface into the capability tables of each top-level collection, the same
// tables the Windows HID parser builds (report byte lengths, button and value
// capabilities in its order, link collections). HidInterface builds its report
// items from them; discovery takes the collection numbers and usages from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace device {

enum class HidReportType : uint8_t { kInput = 0, kOutput = 1, kFeature = 2 };
constexpr int kHidReportTypeCount = 3;

// "input", "output" or "feature".
const char* HidReportTypeName(HidReportType type);

// One capability: a HIDP_BUTTON_CAPS or HIDP_VALUE_CAPS record with the field
// names of those records, plus where its fields sit in the report.
struct HidCap {
    HidReportType ReportType = HidReportType::kInput;
    bool IsButtonCap = false;
    uint8_t ReportID = 0;  // 0 when the collection's reports carry no ID
    uint16_t UsagePage = 0;
    bool IsRange = false;
    uint16_t UsageMin = 0;  // both equal the single usage when !IsRange
    uint16_t UsageMax = 0;
    uint16_t DataIndexMin = 0;
    uint16_t DataIndexMax = 0;
    // Buttons: the array's logical range, 0..0 for on/off bits. Values: as
    // declared. Physical range: values only, 0..0 when none was declared.
    int32_t LogicalMin = 0;
    int32_t LogicalMax = 0;
    int32_t PhysicalMin = 0;
    int32_t PhysicalMax = 0;
    uint32_t Units = 0;
    uint32_t UnitsExp = 0;
    uint16_t BitSize = 0;      // bits of one field
    uint16_t ReportCount = 0;  // fields of this capability
    uint16_t BitField = 0;     // the main item's flags (constant, variable, relative...)
    bool IsAbsolute = true;
    bool HasNull = false;
    bool IsAlias = false;
    // Set on every capability of an array item with a usage list except the one
    // of the first usage (which comes last in the table).
    bool IsMultipleItemsForArray = false;
    uint16_t LinkCollection = 0;  // index into HidCollectionCaps::LinkCollections
    uint16_t LinkUsagePage = 0;
    uint16_t LinkUsage = 0;
    // First field: byte in the report counting the report ID byte (so >= 1),
    // and bit within that byte.
    uint16_t BytePosition = 0;
    uint8_t BitPosition = 0;
    // For arrays: how many usages of the same item come before this
    // capability's first usage; a field value LogicalMin + n names usage n.
    uint16_t ArrayIndexBase = 0;
    // Which main item of the collection produced the capability (from 0).
    uint16_t MainItem = 0;
};

// One node of a collection's link collection tree (HIDP_LINK_COLLECTION_NODE).
// Node 0 is the top-level collection; the others follow in descriptor order.
struct HidLinkCollectionNode {
    uint16_t LinkUsage = 0;
    uint16_t LinkUsagePage = 0;
    uint16_t Parent = 0;
    uint16_t NumberOfChildren = 0;
    uint16_t NextSibling = 0;  // 0 ends the list
    uint16_t FirstChild = 0;   // the child declared last; 0 when none
    uint8_t CollectionType = 0;
    bool IsAlias = false;
};

// Everything known about one top-level collection: the HIDP_CAPS summary and
// the capability tables.
struct HidCollectionCaps {
    uint16_t CollectionNumber = 0;  // position among top-level collections, from 1
    uint16_t UsagePage = 0;
    uint16_t Usage = 0;
    uint16_t InputReportByteLength = 0;  // longest report + 1 for the ID byte; 0 when none
    uint16_t OutputReportByteLength = 0;
    uint16_t FeatureReportByteLength = 0;
    // Every capability: input first, then output, then feature, each in the
    // Windows parser's order (main items in descriptor order, the usages of
    // one item from last to first).
    std::vector<HidCap> Caps;
    std::vector<HidLinkCollectionNode> LinkCollections;
    std::vector<uint8_t> ReportIDs;  // ascending, without duplicates; empty without IDs

    uint16_t ReportByteLength(HidReportType type) const;
    // HidP_GetSpecificButtonCaps / HidP_GetSpecificValueCaps without filters.
    std::vector<HidCap> ButtonCaps(HidReportType type) const;
    std::vector<HidCap> ValueCaps(HidReportType type) const;
    size_t NumberOfCaps(HidReportType type) const;
    // HIDP_CAPS.NumberXxxDataIndices: one past the highest data index.
    uint16_t NumberOfDataIndices(HidReportType type) const;
    bool HasReportID(uint8_t id) const;
};

struct ReportDescriptorInfo {
    std::vector<HidCollectionCaps> collections;  // in descriptor order
};

// Limits that keep a hostile descriptor from making the parser or the report
// tables built from it large.
constexpr size_t kMaxReportDescriptorSize = 65536;
constexpr uint32_t kMaxReportByteLength = 65535;
constexpr uint32_t kMaxReportSize = 256;       // bits of one field
constexpr uint32_t kMaxReportCount = 65535;    // fields of one main item
constexpr uint32_t kMaxGlobalStackDepth = 32;  // Push without Pop
constexpr uint32_t kMaxCollectionDepth = 64;

// Parses a whole report descriptor. On success fills *out (replacing its
// contents) and returns true. A truncated or malformed descriptor (an item
// cut short, unbalanced collections, a main item outside any collection,
// report ID 0, sizes over the limits above, Pop without Push, usage minimum
// above maximum, no top-level collection) returns false with a one-line
// reason in *error (which may be null) and leaves *out empty.
bool ParseReportDescriptor(const uint8_t* data, size_t size, ReportDescriptorInfo* out,
                           std::string* error);

// The collection with the given number (from 1), or null.
const HidCollectionCaps* FindCollection(const ReportDescriptorInfo& info, uint16_t number);

}  // namespace device
