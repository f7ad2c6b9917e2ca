// CPrivateFonts: fonts the program loads from its own folder for itself only.
// Identical files (the same bytes under two names) are registered once; the
// fonts are removed again in reverse order when the object goes.
#pragma once

#include <string>
#include <vector>

namespace DuiLib {

class CPrivateFonts {
public:
    CPrivateFonts() = default;
    ~CPrivateFonts();
    CPrivateFonts(const CPrivateFonts&) = delete;
    CPrivateFonts& operator=(const CPrivateFonts&) = delete;

    // Reads the whole file and registers it. False for a missing, unreadable
    // or unusable file, which is then skipped.
    bool Load(const std::string& path);
    // Removes every font, last loaded first.
    void RemoveAll();
    // How many files are held, and how many distinct fonts were registered.
    int FileCount() const { return static_cast<int>(m_files.size()); }
    int RegisteredCount() const;
    // The font families of the files held.
    std::vector<std::string> Families() const;

private:
    struct File {
        std::string path;
        int fontId = -1;
        size_t hash = 0;
        long long size = 0;
        bool owner = false;  // this entry registered the font
    };
    std::vector<File> m_files;
};

}  // namespace DuiLib
