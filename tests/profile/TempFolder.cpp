#include "TempFolder.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace profile_test {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "zentor_profile_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code error;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(m_path, error);
}

fs::path TempFolder::Write(const std::string& name, const std::string& text) const {
    fs::path path = m_path / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return path;
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream in(m_path / name, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string TempFolder::Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_path)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names) {
        listing += name + ";";
    }
    return listing;
}

}  // namespace profile_test
