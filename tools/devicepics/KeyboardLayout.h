// Where every key position of the keyboard picture sits on a real full-size
// keyboard: x and y of the key's top-left corner and its size, in key units
// (1 unit = the pitch of one ordinary key), with the legend printed on it.
#pragma once

#include <vector>

namespace devicepics {

struct KeyPlace {
    int position;
    double x;
    double y;
    double w;
    double h;
    const char* legend;
};

// The keys of the picture: the ANSI full-size block with navigation cluster
// and keypad, five macro keys on the left and two function keys above the
// keypad. Positions the keyboard leaves empty have no key.
const std::vector<KeyPlace>& KeyboardPlaces();

// The picture's size in key units.
constexpr double kKeyboardUnitsWide = 24.0;
constexpr double kKeyboardUnitsHigh = 6.5;

}  // namespace devicepics
