// Splitting the names of numbered controls ("key_12", "light_0_5"): the part
// up to and including the last '_' is the prefix, the rest the index.
#pragma once

#include <string>
#include <string_view>

namespace pages {

// False for a name without '_' or whose rest is not a decimal number (an
// empty or non-digit rest would otherwise read as index 0 and bind the wrong
// control).
bool SplitNumberedName(std::string_view name, std::string& prefix, int& index);

}  // namespace pages
