// The HID backend for real devices: hidapi's hidraw implementation. One hidraw
// node carries every top-level collection of a USB interface; this backend
// lists each collection separately (taken from the node's report descriptor,
// not from hidapi's own list, which also counts nested collections) and lets
// an opened collection see only the input reports of its own report IDs.
#pragma once

#include <functional>

#include "platform/hid/HidBackend.h"

namespace platform {

// A top-level collection as the descriptor parser finds it.
struct HidTopCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    std::vector<uint8_t> reportIds;  // every ID of its input, output and feature reports
};

// Splits a report descriptor into its top-level collections; false when the
// descriptor cannot be parsed.
using HidCollectionSplitter =
    std::function<bool(const std::vector<uint8_t>& descriptor, std::vector<HidTopCollection>&)>;

class HidapiBackend : public HidBackend {
public:
    // Reads wait in slices of this length and look at the stop event between
    // slices: hidapi cannot abort a read, and closing a handle under a waiting
    // read is undefined.
    static constexpr int kReadSliceMs = 100;

    explicit HidapiBackend(HidCollectionSplitter splitter);
    ~HidapiBackend() override;

    bool Enumerate(std::vector<HidDeviceEntry>& entries) override;
    std::shared_ptr<HidHandle> Open(const std::string& path, bool read, bool write) override;
    bool IsPresent(const std::string& path) override;

private:
    // The node's report descriptor from sysfs; empty when it cannot be read.
    static std::vector<uint8_t> ReadNodeDescriptor(const std::string& node);
    bool Split(const std::vector<uint8_t>& descriptor, std::vector<HidTopCollection>& out) const;

    HidCollectionSplitter m_splitter;
};

}  // namespace platform
