// The device side of zentor-probe: lists the HID collections the program can
// see (real ones through hidapi, and simulated ones when asked for), with the
// rows of the supported-interface table each one fits, and runs a
// Begin / ReadInfo / End transaction on one of them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct DeviceProbeOptions {
    std::string simulate;   // --simulate KINDS: "keyboard,mouse,pad,headset"
    std::string target;     // --info TARGET: a path, or an index of the list
    bool wireless = false;  // --wireless: run the link in 2.4G mode
};

// Prints every collection as one JSON object of an array. Returns the exit
// status (0 success, 1 enumeration failed, 2 bad --simulate kinds).
int RunListCommand(const DeviceProbeOptions& options, std::ostream& out, std::ostream& err);

// Opens the target as the link's slot, runs Begin, ReadInfo and End, and
// prints each result code and the decoded device information. With
// ZENTOR_TRACE=1 the link's packet trace goes to stderr. Returns 0 when all
// three succeeded, 1 otherwise, 2 for a bad target or kinds.
int RunInfoCommand(const DeviceProbeOptions& options, std::ostream& out, std::ostream& err);

// True when the arguments ask for a device command: --list, --simulate KINDS or
// --info TARGET (with --wireless).
bool IsDeviceProbeCommand(const std::vector<std::string>& args);

// Parses the device options and runs the command they name: --info when given,
// the list otherwise. Returns the exit status (2 for a bad command line).
int RunDeviceProbe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const char* DeviceProbeUsage();
