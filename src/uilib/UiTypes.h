// Plain value types of the UI library: rectangles, points, sizes, the message
// parameter types of its windows, and the small text helpers the attribute
// parsers share.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

class QPainter;

namespace DuiLib {

// What controls paint on. Controls outside this library hand it to
// CRenderEngine and never need to know what it is.
using HDC = QPainter*;

using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

struct UiPoint {
    int x = 0;
    int y = 0;
};

struct UiSize {
    int cx = 0;
    int cy = 0;
};

// A rectangle with exclusive right and bottom edges.
struct UiRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(UiPoint pt) const {
        return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
    }
    bool Intersects(const UiRect& other) const { return !Intersect(other).IsEmpty(); }
    UiRect Intersect(const UiRect& other) const {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
    UiRect Union(const UiRect& other) const {
        if (IsEmpty()) {
            return other;
        }
        if (other.IsEmpty()) {
            return *this;
        }
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    UiRect Deflate(const UiRect& by) const {
        return {left + by.left, top + by.top, right - by.right, bottom - by.bottom};
    }
    UiRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const UiRect&) const = default;
};

// Text helpers shared by the attribute parsers. Attribute and class names are
// compared without regard to case.
std::string ToLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

// "#AARRGGBB", "#RRGGBB" (opaque) or "0xAARRGGBB"; false when it is none of them.
bool ParseColor(std::string_view text, uint32_t& color);
// "l,t,r,b"; missing trailing values are 0.
UiRect ParseRect(std::string_view text);
// "cx,cy".
UiSize ParseSize(std::string_view text);
bool ParseBool(std::string_view text);
int ParseInt(std::string_view text, int fallback = 0);

}  // namespace DuiLib
