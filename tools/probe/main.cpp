// zentor-probe: looks at HID report descriptors from the command line.
// "zentor-probe --caps FILE" prints what the program would learn from a
// device's descriptor: its top-level collections, report lengths and
// capabilities.
#include <iostream>
#include <string>
#include <vector>

#include "CapsJson.h"
#include "DeviceProbe.h"
#include "ProbeOptions.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (IsDeviceProbeCommand(args)) {
        return RunDeviceProbe(args, std::cout, std::cerr);
    }
    ProbeOptions options;
    std::string error;
    if (!ParseProbeOptions(args, &options, &error)) {
        std::cerr << "zentor-probe: " << error << "\n" << ProbeUsage();
        return 2;
    }
    switch (options.command) {
        case ProbeCommand::kHelp:
            std::cout << ProbeUsage() << DeviceProbeUsage();
            return 0;
        case ProbeCommand::kCaps:
            return RunCapsCommand(options.capsFile, std::cout, std::cerr);
    }
    return 2;
}
