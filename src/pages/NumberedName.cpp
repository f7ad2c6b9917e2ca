#include "pages/NumberedName.h"

namespace pages {

bool SplitNumberedName(std::string_view name, std::string& prefix, int& index) {
    std::size_t cut = name.rfind('_');
    if (cut == std::string_view::npos) {
        return false;
    }
    std::string_view rest = name.substr(cut + 1);
    if (rest.empty() || rest.size() > 9) {
        return false;
    }
    int value = 0;
    for (char c : rest) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    prefix.assign(name.substr(0, cut + 1));
    index = value;
    return true;
}

}  // namespace pages
