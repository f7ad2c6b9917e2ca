// How the hand-image buttons find their picture: a file under the skin folder
// is drawn as the render engine resolves it; any other name (a drive path, or
// a file outside the skin) is loaded by that name as given.
#pragma once

#include <string>

namespace DuiLib {

// The file name to draw for a file named in an image description.
std::string HandImageFile(const std::string& file);

// An image description override that points the description at that file;
// empty when the description names no file.
std::string HandImageOverride(const std::string& description);

}  // namespace DuiLib
