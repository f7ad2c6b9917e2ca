#include "platform/hid/HidListWatch.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace platform {

HidrawFolderWatch::HidrawFolderWatch(std::string folder) : m_folder(std::move(folder)) {}

bool HidrawFolderWatch::Snapshot(std::vector<std::string>& entries) const {
    entries.clear();
    DIR* dir = opendir(m_folder.c_str());
    if (dir == nullptr) {
        // No folder: the hidraw class has no node at all yet.
        return errno == ENOENT;
    }
    while (const dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        char target[PATH_MAX];
        ssize_t n = readlink((m_folder + "/" + name).c_str(), target, sizeof target - 1);
        entries.push_back(n > 0 ? name + "\n" + std::string(target, static_cast<std::size_t>(n))
                                : name);
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end());
    return true;
}

bool HidrawFolderWatch::Changed() {
    std::vector<std::string> now;
    if (!Snapshot(now)) {
        m_first = true;
        return true;
    }
    const bool changed = m_first || now != m_last;
    m_first = false;
    m_last.swap(now);
    return changed;
}

}  // namespace platform
