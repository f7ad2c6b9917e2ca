#include "profile/WideText.h"

#include <gtest/gtest.h>

namespace profile {
namespace {

TEST(WideText, ConvertsBothWaysAndReplacesMalformedUtf8) {
    const struct {
        const char* name;
        std::string utf8;
        std::wstring wide;
        bool roundTrips;
    } cases[] = {
        {"ascii", "Bass", L"Bass", true},
        {"two and three bytes", "\xC3\xA9\xE4\xBA\xBA", L"\u00E9\u4EBA", true},
        {"four bytes", "\xF0\x9F\x8E\xA7", L"\U0001F3A7", true},
        {"stray continuation byte",
         "a\x80"
         "b",
         L"a\uFFFD"
         L"b",
         false},
        {"cut sequence at the end", "a\xE4\xBA", L"a\uFFFD\uFFFD", false},
        {"overlong slash", "\xC0\xAF", L"\uFFFD\uFFFD", false},
        {"encoded surrogate", "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToWide(c.utf8), c.wide) << c.name;
        if (c.roundTrips) {
            EXPECT_EQ(WideToUtf8(c.wide), c.utf8) << c.name;
        }
    }
}

}  // namespace
}  // namespace profile
