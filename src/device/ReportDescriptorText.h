// Reading report descriptors from files people pass around: the raw bytes, a C
// array ("0x05, 0x0C,  // Usage Page (Consumer)") or plain hex ("05 0c a1 01").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace device {

// Reads descriptor bytes from text. When lines start with C-style bytes
// (0x05) only the bytes of those lines count, and comments (// and /* */) are
// skipped, so a dump with a hex listing and an annotated C array gives the
// array once. Otherwise every word of exactly two hex digits counts. Longer
// C-style numbers ("0x047F" in a heading) are not bytes. Returns false when no
// byte was found.
bool ParseReportDescriptorText(std::string_view text, std::vector<uint8_t>* bytes,
                               std::string* error);

// True when the contents look like a raw binary descriptor rather than text
// (control characters other than tab and line ends).
bool LooksBinary(std::string_view contents);

// Loads a descriptor file: binary as it is, text through
// ParseReportDescriptorText. Returns false with a reason in *error when the
// file cannot be read or holds no descriptor bytes.
bool LoadReportDescriptorFile(const std::string& path, std::vector<uint8_t>* bytes,
                              std::string* error);

}  // namespace device
