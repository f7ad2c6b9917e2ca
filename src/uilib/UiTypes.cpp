#include "uilib/UiTypes.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace DuiLib {
namespace {

std::vector<int> ParseInts(std::string_view text) {
    std::vector<int> values;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t comma = text.find(',', pos);
        std::string_view part =
            text.substr(pos, comma == std::string_view::npos ? text.size() - pos : comma - pos);
        values.push_back(ParseInt(part));
        if (comma == std::string_view::npos) {
            break;
        }
        pos = comma + 1;
    }
    return values;
}

}  // namespace

std::string ToLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool ParseColor(std::string_view text, uint32_t& color) {
    if (text.starts_with('#')) {
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
    } else {
        return false;
    }
    if (text.size() != 6 && text.size() != 8) {
        return false;
    }
    uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    color = text.size() == 6 ? (0xFF000000u | value) : value;
    return true;
}

UiRect ParseRect(std::string_view text) {
    std::vector<int> v = ParseInts(text);
    v.resize(4, 0);
    return {v[0], v[1], v[2], v[3]};
}

UiSize ParseSize(std::string_view text) {
    std::vector<int> v = ParseInts(text);
    v.resize(2, 0);
    return {v[0], v[1]};
}

bool ParseBool(std::string_view text) {
    return EqualsNoCase(text, "true") || text == "1";
}

int ParseInt(std::string_view text, int fallback) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    return error == std::errc() ? value : fallback;
}

}  // namespace DuiLib
