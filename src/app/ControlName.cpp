#include "app/ControlName.h"

#include <cstddef>

namespace app {

ControlName SplitControlName(std::string_view name) {
    ControlName result;
    result.full = std::string(name);
    std::size_t underscore = name.rfind('_');
    if (underscore == std::string_view::npos || underscore + 1 >= name.size()) {
        return result;
    }
    std::string_view digits = name.substr(underscore + 1);
    // Nine digits always fit an int; a longer run is not an index of ours.
    if (digits.size() > 9) {
        return result;
    }
    int index = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return result;
        }
        index = index * 10 + (c - '0');
    }
    result.prefix = std::string(name.substr(0, underscore + 1));
    result.index = index;
    return result;
}

}  // namespace app
