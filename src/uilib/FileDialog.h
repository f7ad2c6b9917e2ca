// CFileDialog: the open and save file dialogs. Filters are written as the
// program writes them, "Profile Files(*.json)".
#pragma once

#include <string>

#include "uilib/WindowChannel.h"

namespace DuiLib {

class CFileDialog {
public:
    // True with the chosen path; false when the user cancelled.
    static bool Open(const std::string& filter, std::string& path);
    static bool Save(const std::string& filter, const std::string& defaultName, std::string& path);
    // The Qt form of a filter: "Profile Files (*.json)".
    static std::string ToQtFilter(const std::string& filter);
};

}  // namespace DuiLib
