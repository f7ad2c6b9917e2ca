#include "DeviceProbe.h"

#include <json/json.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "device/DeviceLink.h"
#include "device/DeviceTables.h"
#include "device/HidBackendDefault.h"
#include "firmware/SimBackend.h"
#include "platform/hid/HidapiBackend.h"

namespace {

// Real devices and simulated ones side by side: each path belongs to the
// backend that listed it.
class CombinedBackend : public platform::HidBackend {
public:
    CombinedBackend(std::shared_ptr<platform::HidBackend> real,
                    std::shared_ptr<sim::SimBackend> simulated)
        : m_real(std::move(real)), m_sim(std::move(simulated)) {}

    bool Enumerate(std::vector<platform::HidDeviceEntry>& entries) override {
        std::vector<platform::HidDeviceEntry> real;
        const bool realOk = m_real->Enumerate(real);
        m_sim->Enumerate(entries);
        entries.insert(entries.end(), real.begin(), real.end());
        return realOk || !entries.empty();
    }
    std::shared_ptr<platform::HidHandle> Open(const std::string& path, bool read,
                                              bool write) override {
        if (m_sim->IsPresent(path)) {
            return m_sim->Open(path, read, write);
        }
        return m_real->Open(path, read, write);
    }
    bool IsPresent(const std::string& path) override {
        return m_sim->IsPresent(path) || m_real->IsPresent(path);
    }

private:
    std::shared_ptr<platform::HidBackend> m_real;
    std::shared_ptr<sim::SimBackend> m_sim;
};

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*x", digits, value);
    return text;
}

// Installs the backend the options ask for; false for unknown kinds.
bool InstallBackend(const DeviceProbeOptions& options, std::ostream& err) {
    auto real = std::make_shared<platform::HidapiBackend>(&device::SplitTopLevelCollections);
    if (options.simulate.empty()) {
        platform::InstallHidBackend(real);
        return true;
    }
    auto simulated = std::make_shared<sim::SimBackend>();
    if (!sim::PlugKinds(*simulated, options.simulate)) {
        err << "zentor-probe: --simulate takes keyboard, mouse, pad and headset, each "
               "optionally with :receiver, separated by commas\n";
        return false;
    }
    platform::InstallHidBackend(std::make_shared<CombinedBackend>(real, simulated));
    return true;
}

Json::Value Describe(const platform::HidDeviceEntry& entry) {
    Json::Value item;
    item["Path"] = entry.path;
    item["VendorID"] = Hex(entry.vendorId, 4);
    item["ProductID"] = Hex(entry.productId, 4);
    item["Interface"] = entry.interfaceNumber;
    item["Collection"] = entry.collectionNumber;
    item["UsagePage"] = Hex(entry.usagePage, 4);
    item["Usage"] = Hex(entry.usage, 4);
    // Every table row this collection could fill; several rows share the
    // same identity (the receiver, mouse and pad rows all use product ID 0).
    Json::Value rows(Json::arrayValue);
    const auto& table = device::SupportedInterfaceTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const device::DeviceIdentity& row = table[i];
        if (row.vendorId == entry.vendorId && row.productId == entry.productId &&
            row.interfaceNumber == device::HidInterface::ParseInterfaceNumber(entry.path) &&
            row.collection == device::HidInterface::ParseCollection(entry.path) &&
            row.usagePage == entry.usagePage && row.usage == entry.usage) {
            Json::Value match;
            match["Row"] = static_cast<int>(i);
            match["Kind"] = row.kind;
            match["KindName"] = device::KindCodeName(row.kind);
            match["Role"] = row.role == device::kRoleCommand ? "command" : "event";
            rows.append(match);
        }
    }
    item["TableRows"] = rows;
    return item;
}

void PrintInfo(const uint8_t* info, std::ostream& out) {
    out << "DeviceInfo:";
    for (std::size_t i = 0; i < device::DeviceLink::kInfoSize; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, " %02x", info[i]);
        out << byte;
    }
    out << "\n";
    const unsigned keys = info[5];
    const unsigned macroUnits = info[6];
    out << "  key table entries (byte 5): " << keys << "\n"
        << "  macro capacity (byte 6): " << macroUnits << " x 128 = " << macroUnits * 128
        << " bytes\n"
        << "  mouse sensor code (bytes 9-10): " << (info[9] | info[10] << 8) << "\n"
        << "  mouse DPI step (byte 11): " << unsigned(info[11]) << "\n"
        << "  mouse slider maximum (bytes 12-13): " << (info[12] | info[13] << 8) << "\n"
        << "  mouse DPI minimum (bytes 14-15): " << (info[14] | info[15] << 8) << "\n";
}

}  // namespace

int RunListCommand(const DeviceProbeOptions& options, std::ostream& out, std::ostream& err) {
    if (!InstallBackend(options, err)) {
        return 2;
    }
    device::HidInterface hid;
    if (!hid.Enumerate()) {
        err << "zentor-probe: the HID interfaces cannot be listed\n";
        return 1;
    }
    Json::Value list(Json::arrayValue);
    int index = 0;
    for (const platform::HidDeviceEntry& entry : hid.Entries()) {
        Json::Value item = Describe(entry);
        item["Index"] = index++;
        list.append(item);
    }
    Json::StreamWriterBuilder writer;
    writer["indentation"] = "  ";
    out << Json::writeString(writer, list) << "\n";
    return 0;
}

int RunInfoCommand(const DeviceProbeOptions& options, std::ostream& out, std::ostream& err) {
    if (!InstallBackend(options, err)) {
        return 2;
    }
    std::string path = options.target;
    if (!path.empty() && path.find_first_not_of("0123456789") == std::string::npos) {
        device::HidInterface lister;
        const std::size_t index = std::stoul(path);
        if (!lister.Enumerate() || index >= lister.Entries().size()) {
            err << "zentor-probe: there is no interface " << path << " in the list\n";
            return 2;
        }
        path = lister.Entries()[index].path;
    }
    device::DeviceLink link;
    device::HidInterface& slot =
        options.wireless ? link.WirelessInterface() : link.WiredInterface();
    {
        std::lock_guard<std::recursive_mutex> lock(link.IoLock());
        if (!slot.Open(path, true, true, true, false)) {
            err << "zentor-probe: cannot open " << path << "\n";
            return 2;
        }
        link.SetOpen(true);
        link.SetMode(options.wireless ? device::LINK_MODE_24G : device::LINK_MODE_WIRED);
    }
    out << "Interface: " << path << "\n";
    uint8_t info[device::DeviceLink::kInfoSize] = {};
    const int begin = link.Begin();
    out << "Begin: " << begin << "\n";
    const int read = link.ReadInfo(info);
    out << "ReadInfo: " << read << "\n";
    const int end = link.End();
    out << "End: " << end << "\n";
    if (read == device::kResultSuccess) {
        PrintInfo(info, out);
    }
    return begin == 1 && read == 1 && end == 1 ? 0 : 1;
}

bool IsDeviceProbeCommand(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--list" || arg == "--simulate" || arg == "--info") {
            return true;
        }
    }
    return false;
}

int RunDeviceProbe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    DeviceProbeOptions options;
    bool info = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size() && !args[i + 1].empty();
        if (arg == "--list") {
            continue;
        }
        if (arg == "--wireless") {
            options.wireless = true;
        } else if (arg == "--simulate" && hasValue) {
            options.simulate = args[++i];
        } else if (arg == "--info" && hasValue) {
            options.target = args[++i];
            info = true;
        } else {
            err << "zentor-probe: unknown option or missing value: " << arg << "\n"
                << DeviceProbeUsage();
            return 2;
        }
    }
    return info ? RunInfoCommand(options, out, err) : RunListCommand(options, out, err);
}

const char* DeviceProbeUsage() {
    return "       zentor-probe --list [--simulate KINDS]\n"
           "       zentor-probe --info TARGET [--wireless] [--simulate KINDS]\n"
           "  --list           list the HID collections (JSON) with the table rows they fit\n"
           "  --simulate KINDS add simulated devices: keyboard, mouse, pad, headset, comma\n"
           "                   separated; KIND:receiver plugs one in through its receiver\n"
           "  --info TARGET    run Begin, ReadInfo, End on TARGET (a path, or an Index of\n"
           "                   the list) and print the device information; ZENTOR_TRACE=1\n"
           "                   prints the packet trace\n"
           "  --wireless       talk to TARGET as to a receiver (2.4G mode)\n";
}
