// Where the program finds its shipped data (beside the executable) and where it
// keeps the user's data ($XDG_DATA_HOME/Zentor Keyboard).
#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The folder that holds the running executable.
std::filesystem::path ProgramFolder();

// The shipped data folders beside the executable.
std::filesystem::path DefaultDataFolder();
std::filesystem::path SkinFolder();
std::filesystem::path FontFolder();
std::filesystem::path SdkFolder();

// The per-user data folder, created when missing. When it cannot be created a
// message goes to stderr and the path is still returned; writes into it then
// fail and report their failure where they happen.
std::filesystem::path UserDataFolder();

// A device's own sub-folder of the user data folder (for example "keyboard"),
// created when missing, with the same failure handling.
std::filesystem::path DeviceDataFolder(const std::string& deviceFolder);

// Creates a folder and its parents. On failure writes one clear line to stderr
// and returns false.
bool EnsureFolder(const std::filesystem::path& folder);

}  // namespace platform
