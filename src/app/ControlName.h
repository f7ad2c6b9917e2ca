// How the notification router reads a control's name: numbered controls end
// in "_" and a decimal index ("DPI_slider_2"), and are routed by the prefix up
// to and including that last "_".
#pragma once

#include <string>
#include <string_view>

namespace app {

struct ControlName {
    std::string full;
    std::string prefix;  // empty when the name is not numbered
    int index = -1;      // -1 when the name is not numbered
};

// Splits at the last "_" when the rest is a non-empty decimal number that fits
// an int; otherwise the name has no prefix.
ControlName SplitControlName(std::string_view name);

}  // namespace app
