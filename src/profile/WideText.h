// Conversion between the UTF-8 of the files and the wide strings the program
// keeps names in. Malformed UTF-8 becomes U+FFFD; nothing is dropped silently.
#pragma once

#include <string>
#include <string_view>

namespace profile {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace profile
