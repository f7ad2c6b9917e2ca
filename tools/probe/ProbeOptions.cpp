#include "ProbeOptions.h"

bool ParseProbeOptions(const std::vector<std::string>& args, ProbeOptions* options,
                       std::string* error) {
    *options = ProbeOptions();
    bool haveCommand = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options->command = ProbeCommand::kHelp;
            return true;
        }
        if (arg == "--caps") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                *error = "--caps needs a descriptor file";
                return false;
            }
            if (haveCommand) {
                *error = "only one command at a time";
                return false;
            }
            options->command = ProbeCommand::kCaps;
            options->capsFile = args[++i];
            haveCommand = true;
            continue;
        }
        *error = "unknown option " + arg;
        return false;
    }
    if (!haveCommand) {
        *error = "no command given";
        return false;
    }
    return true;
}

const char* ProbeUsage() {
    return "usage: zentor-probe --caps FILE\n"
           "  --caps FILE  print the capabilities of every top-level collection of the\n"
           "               HID report descriptor in FILE as JSON. FILE holds the raw\n"
           "               bytes, a C array (0x05, 0x0C, ...) or plain hex (05 0c ...).\n";
}
