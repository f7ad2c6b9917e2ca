// Draws the images of the device pictures and writes the four page layouts
// whose key and light buttons sit on them.
#pragma once

#include <string>

namespace devicepics {

// Writes skin/device/*.png and skin/XML/DeviceXml/*.xml under skinFolder.
// False (with a line on stderr) when a file cannot be written.
bool GenerateSkin(const std::string& skinFolder);

}  // namespace devicepics
