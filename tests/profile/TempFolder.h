// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace profile_test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    // Writes `text` as the whole content of `name`.
    std::filesystem::path Write(const std::string& name, const std::string& text) const;
    // The whole content of `name`.
    std::string Read(const std::string& name) const;
    // The names of all entries of the folder, sorted.
    std::string Listing() const;

private:
    std::filesystem::path m_path;
};

}  // namespace profile_test
