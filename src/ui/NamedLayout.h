// The layout file a window builds: the name the skin's resource description
// gives it ("XML_MAIN"), or the file the program ships under that name when
// the description does not list it.
#pragma once

#include <string>

namespace ui {

std::string NamedLayout(const std::string& resourceName, const std::string& shippedFile);

}  // namespace ui
