#include "device/ReportDescriptorText.h"

#include <cctype>
#include <filesystem>
#include <fstream>

namespace device {

namespace {

// A text listing of the largest legal descriptor stays far below this.
constexpr uintmax_t kMaxDescriptorFileSize = 16 * 1024 * 1024;

bool IsHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return (std::tolower(static_cast<unsigned char>(c)) - 'a') + 10;
}

// The text without its // and /* */ comments.
std::string StripComments(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n') {
                ++i;
            }
        } else if (text.compare(i, 2, "/*") == 0) {
            const size_t end = text.find("*/", i + 2);
            i = end == std::string_view::npos ? text.size() : end + 2;
            result.push_back(' ');
        } else {
            result.push_back(text[i++]);
        }
    }
    return result;
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// Collects 0xNN bytes from the lines that start with one, so a heading such
// as "Type: 0x22 (Report Descriptor)" is not taken for data. A C-style number
// with more digits ("0x047F") is not a descriptor byte and is passed over.
void CollectCBytes(const std::string& text, std::vector<uint8_t>* bytes) {
    bool lineOpen = true;  // nothing but blanks since the line began
    bool inArrayLine = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            lineOpen = true;
            inArrayLine = false;
            continue;
        }
        const bool startsNumber = c == '0' && i + 1 < text.size() &&
                                  (text[i + 1] == 'x' || text[i + 1] == 'X') &&
                                  (i == 0 || !IsWordChar(text[i - 1]));
        if (!startsNumber) {
            if (lineOpen && !std::isspace(static_cast<unsigned char>(c))) {
                lineOpen = false;
            }
            continue;
        }
        if (lineOpen) {
            inArrayLine = true;
            lineOpen = false;
        }
        size_t j = i + 2;
        while (j < text.size() && IsHex(text[j])) {
            ++j;
        }
        const size_t digits = j - (i + 2);
        if (inArrayLine && digits >= 1 && digits <= 2 &&
            (j == text.size() || !IsWordChar(text[j]))) {
            int value = 0;
            for (size_t k = i + 2; k < j; ++k) {
                value = value * 16 + HexValue(text[k]);
            }
            bytes->push_back(uint8_t(value));
        }
        i = j - 1;
    }
}

void CollectPlainBytes(const std::string& text, std::vector<uint8_t>* bytes) {
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() &&
               (std::isspace(static_cast<unsigned char>(text[i])) || text[i] == ',')) {
            ++i;
        }
        size_t j = i;
        while (j < text.size() && !std::isspace(static_cast<unsigned char>(text[j])) &&
               text[j] != ',') {
            ++j;
        }
        if (j - i == 2 && IsHex(text[i]) && IsHex(text[i + 1])) {
            bytes->push_back(uint8_t(HexValue(text[i]) * 16 + HexValue(text[i + 1])));
        }
        i = j;
    }
}

}  // namespace

bool ParseReportDescriptorText(std::string_view text, std::vector<uint8_t>* bytes,
                               std::string* error) {
    bytes->clear();
    const std::string code = StripComments(text);
    CollectCBytes(code, bytes);
    if (bytes->empty()) {
        CollectPlainBytes(code, bytes);
    }
    if (bytes->empty()) {
        if (error) {
            *error = "no descriptor bytes found (expected 0x05, 0x0C, ... or 05 0c ...)";
        }
        return false;
    }
    return true;
}

bool LooksBinary(std::string_view contents) {
    for (char c : contents) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7F) {
            return true;
        }
    }
    return false;
}

bool LoadReportDescriptorFile(const std::string& path, std::vector<uint8_t>* bytes,
                              std::string* error) {
    bytes->clear();
    auto fail = [error](const std::string& text) {
        if (error) {
            *error = text;
        }
        return false;
    };
    // Only regular files: a directory or a device node such as /dev/zero
    // would fail or never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return fail(std::filesystem::exists(path, ec) ? path + " is not a regular file"
                                                      : "cannot open " + path);
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxDescriptorFileSize) {
        return fail(path + " is too large for a report descriptor file");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return fail("cannot open " + path);
    }
    std::string contents(size_t(size), '\0');
    file.read(contents.data(), std::streamsize(size));
    if (file.gcount() != std::streamsize(size)) {
        return fail("cannot read " + path);
    }
    if (contents.empty()) {
        if (error) {
            *error = path + " is empty";
        }
        return false;
    }
    if (LooksBinary(contents)) {
        bytes->assign(contents.begin(), contents.end());
        return true;
    }
    if (!ParseReportDescriptorText(contents, bytes, error)) {
        if (error) {
            *error = path + ": " + *error;
        }
        return false;
    }
    return true;
}

}  // namespace device
