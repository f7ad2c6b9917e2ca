#include "platform/RegisteredMessage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(RegisteredMessage, SameNameAlwaysGivesTheSameNumberInRange) {
    uint32_t first = platform::RegisterMessage("RegisteredMessageTest.A");
    EXPECT_TRUE(platform::IsRegisteredMessageNumber(first));
    EXPECT_EQ(platform::RegisterMessage("RegisteredMessageTest.A"), first);
    EXPECT_EQ(platform::FindRegisteredMessage("RegisteredMessageTest.A"), first);
    EXPECT_EQ(platform::RegisteredMessageName(first), "RegisteredMessageTest.A");
}

TEST(RegisteredMessage, DistinctNamesGetDistinctNumbers) {
    std::set<uint32_t> numbers;
    for (int i = 0; i < 50; ++i) {
        numbers.insert(platform::RegisterMessage("RegisteredMessageTest.N" + std::to_string(i)));
    }
    EXPECT_EQ(numbers.size(), 50u);
    EXPECT_EQ(numbers.count(0), 0u);
}

TEST(RegisteredMessage, NamesDifferingOnlyInCaseAreDifferentMessages) {
    // The companion GUID strings mix cases; each must keep its own number.
    EXPECT_NE(platform::RegisterMessage("{ab-cd}"), platform::RegisterMessage("{AB-CD}"));
}

TEST(RegisteredMessage, EmptyOrUnknownNamesGiveZero) {
    EXPECT_EQ(platform::RegisterMessage(""), 0u);
    EXPECT_EQ(platform::FindRegisteredMessage("RegisteredMessageTest.never"), 0u);
    EXPECT_EQ(platform::RegisteredMessageName(0x1234), "");
    EXPECT_EQ(platform::RegisteredMessageName(0xFFFF), "");
}

}  // namespace
