// Builds each device page from the skin, lights it in a test pattern and
// renders it to a PNG file, to look at the device pictures.
#pragma once

#include <string>

namespace devicepics {

// Renders keyboard.png, mouse.png, mousepad.png and headset.png into
// outFolder using the skin in skinFolder. False when a page cannot be built.
bool RenderPages(const std::string& skinFolder, const std::string& outFolder);

}  // namespace devicepics
