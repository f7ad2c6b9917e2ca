#include "KeyboardLayout.h"

namespace devicepics {
namespace {

// The main block starts right of the macro key column.
constexpr double X0 = 1.5;
// Rows: the function row, a half-unit gap, then five rows.
constexpr double kRow[6] = {0.0, 1.5, 2.5, 3.5, 4.5, 5.5};

std::vector<KeyPlace> Build() {
    std::vector<KeyPlace> k;
    auto add = [&k](int position, double x, double y, double w, const char* legend,
                    double h = 1.0) {
        k.push_back({position, x, y, w, h, legend});
    };
    // Function row.
    add(0, X0, kRow[0], 1, "Esc");
    const char* fKeys[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                           "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int i = 0; i < 12; ++i) {
        add(1 + i, X0 + 2 + i + (i / 4) * 0.5, kRow[0], 1, fKeys[i]);
    }
    add(13, X0 + 15.25, kRow[0], 1, "PrtSc");
    add(14, X0 + 16.25, kRow[0], 1, "ScrLk");
    add(15, X0 + 17.25, kRow[0], 1, "Pause");
    add(16, X0 + 20.5, kRow[0], 1, "LED");
    add(17, X0 + 21.5, kRow[0], 1, "Lock");
    // Number row.
    add(21, X0, kRow[1], 1, "`");
    const char* digits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int i = 0; i < 9; ++i) {
        add(22 + i, X0 + 1 + i, kRow[1], 1, digits[i]);
    }
    add(31, X0 + 10, kRow[1], 1, "0");
    add(32, X0 + 11, kRow[1], 1, "-");
    add(33, X0 + 12, kRow[1], 1, "=");
    add(34, X0 + 13, kRow[1], 2, "Backspace");
    add(35, X0 + 15.25, kRow[1], 1, "Ins");
    add(36, X0 + 16.25, kRow[1], 1, "Home");
    add(37, X0 + 17.25, kRow[1], 1, "PgUp");
    add(38, X0 + 18.5, kRow[1], 1, "Num");
    add(39, X0 + 19.5, kRow[1], 1, "/");
    add(40, X0 + 20.5, kRow[1], 1, "*");
    add(41, X0 + 21.5, kRow[1], 1, "-");
    // Top letter row.
    add(42, X0, kRow[2], 1.5, "Tab");
    const char* top[] = {"Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P"};
    for (int i = 0; i < 10; ++i) {
        add(43 + i, X0 + 1.5 + i, kRow[2], 1, top[i]);
    }
    add(53, X0 + 11.5, kRow[2], 1, "[");
    add(54, X0 + 12.5, kRow[2], 1, "]");
    add(55, X0 + 13.5, kRow[2], 1.5, "\\");
    add(56, X0 + 15.25, kRow[2], 1, "Del");
    add(57, X0 + 16.25, kRow[2], 1, "End");
    add(58, X0 + 17.25, kRow[2], 1, "PgDn");
    add(59, X0 + 18.5, kRow[2], 1, "7");
    add(60, X0 + 19.5, kRow[2], 1, "8");
    add(61, X0 + 20.5, kRow[2], 1, "9");
    add(119, X0 + 21.5, kRow[2], 1, "+", 2);
    // Home row.
    add(63, X0, kRow[3], 1.75, "Caps");
    const char* home[] = {"A", "S", "D", "F", "G", "H", "J", "K", "L"};
    for (int i = 0; i < 9; ++i) {
        add(64 + i, X0 + 1.75 + i, kRow[3], 1, home[i]);
    }
    add(73, X0 + 10.75, kRow[3], 1, ";");
    add(74, X0 + 11.75, kRow[3], 1, "'");
    add(75, X0 + 12.75, kRow[3], 2.25, "Enter");
    add(76, X0 + 18.5, kRow[3], 1, "4");
    add(77, X0 + 19.5, kRow[3], 1, "5");
    add(78, X0 + 20.5, kRow[3], 1, "6");
    // Bottom letter row.
    add(84, X0, kRow[4], 2.25, "Shift");
    const char* bottom[] = {"Z", "X", "C", "V", "B", "N", "M"};
    for (int i = 0; i < 7; ++i) {
        add(85 + i, X0 + 2.25 + i, kRow[4], 1, bottom[i]);
    }
    add(92, X0 + 9.25, kRow[4], 1, ",");
    add(93, X0 + 10.25, kRow[4], 1, ".");
    add(94, X0 + 11.25, kRow[4], 1, "/");
    add(95, X0 + 12.25, kRow[4], 2.75, "Shift");
    add(96, X0 + 16.25, kRow[4], 1, "\u2191");
    add(97, X0 + 18.5, kRow[4], 1, "1");
    add(98, X0 + 19.5, kRow[4], 1, "2");
    add(99, X0 + 20.5, kRow[4], 1, "3");
    add(118, X0 + 21.5, kRow[4], 1, "Ent", 2);
    // Space row.
    add(105, X0, kRow[5], 1.25, "Ctrl");
    add(106, X0 + 1.25, kRow[5], 1.25, "Win");
    add(107, X0 + 2.5, kRow[5], 1.25, "Alt");
    add(108, X0 + 3.75, kRow[5], 6.25, "");
    add(109, X0 + 10, kRow[5], 1.25, "Alt");
    add(110, X0 + 11.25, kRow[5], 1.25, "Fn");
    add(111, X0 + 12.5, kRow[5], 1.25, "Menu");
    add(112, X0 + 13.75, kRow[5], 1.25, "Ctrl");
    add(113, X0 + 15.25, kRow[5], 1, "\u2190");
    add(114, X0 + 16.25, kRow[5], 1, "\u2193");
    add(115, X0 + 17.25, kRow[5], 1, "\u2192");
    add(116, X0 + 18.5, kRow[5], 2, "0");
    add(117, X0 + 20.5, kRow[5], 1, ".");
    // Macro keys beside the main block.
    const char* macro[] = {"G1", "G2", "G3", "G4", "G5"};
    for (int i = 0; i < 5; ++i) {
        add(120 + i, 0, kRow[1 + i], 1, macro[i]);
    }
    return k;
}

}  // namespace

const std::vector<KeyPlace>& KeyboardPlaces() {
    static const std::vector<KeyPlace> places = Build();
    return places;
}

}  // namespace devicepics
