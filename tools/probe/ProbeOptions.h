// The command line of zentor-probe. Each mode is one command; a new mode adds
// its value here and its options in ParseProbeOptions.
#pragma once

#include <string>
#include <vector>

enum class ProbeCommand { kHelp, kCaps };

struct ProbeOptions {
    ProbeCommand command = ProbeCommand::kHelp;
    std::string capsFile;  // --caps FILE
};

// Fills *options from the arguments (without the program name). Returns false
// with a message in *error for an unknown option, a missing value or no
// command at all.
bool ParseProbeOptions(const std::vector<std::string>& args, ProbeOptions* options,
                       std::string* error);

// The usage text printed by --help and after a bad command line.
const char* ProbeUsage();
