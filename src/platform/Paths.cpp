#include "platform/Paths.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace platform {
namespace fs = std::filesystem;

namespace {

const char kAppFolder[] = "Zentor Keyboard";

fs::path DataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return fs::path(xdg);
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return fs::path(home) / ".local" / "share";
    }
    // No home at all (a service account): keep the data beside the program
    // rather than in the current directory.
    return ProgramFolder();
}

}  // namespace

fs::path ProgramFolder() {
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error || exe.empty()) {
        return fs::current_path(error);
    }
    return exe.parent_path();
}

fs::path DefaultDataFolder() {
    return ProgramFolder() / "DefaultData";
}
fs::path SkinFolder() {
    return ProgramFolder() / "skin";
}
fs::path FontFolder() {
    return ProgramFolder() / "Font";
}
fs::path SdkFolder() {
    return ProgramFolder() / "SDK";
}

bool EnsureFolder(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        return true;
    }
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder)) {
        std::fprintf(stderr, "Zentor Keyboard: cannot create the folder \"%s\": %s\n",
                     folder.c_str(),
                     error ? error.message().c_str() : "a file of that name is in the way");
        return false;
    }
    return true;
}

fs::path UserDataFolder() {
    fs::path folder = DataHome() / kAppFolder;
    EnsureFolder(folder);
    return folder;
}

fs::path DeviceDataFolder(const std::string& deviceFolder) {
    fs::path folder = UserDataFolder() / deviceFolder;
    EnsureFolder(folder);
    return folder;
}

}  // namespace platform
