// The --caps output of zentor-probe: every top-level collection of a report
// descriptor with its report lengths and capabilities, as JSON with the field
// names of the Windows HID records.
#pragma once

#include <json/json.h>

#include <ostream>
#include <string>

#include "device/ReportDescriptor.h"

// One object per top-level collection, in descriptor order.
Json::Value BuildCapsJson(const device::ReportDescriptorInfo& info);

// Reads and parses the descriptor file and writes the JSON to out. A file
// that cannot be read or parsed gives a one-line message on err and exit code
// 1; success gives 0.
int RunCapsCommand(const std::string& path, std::ostream& out, std::ostream& err);
