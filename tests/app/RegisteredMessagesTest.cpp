#include "app/RegisteredMessages.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/RegisteredMessage.h"

namespace {

TEST(RegisteredMessages, TheVocabularyHasTwentyNineDistinctNames) {
    auto names = app::AllRegisteredMessageNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    EXPECT_EQ(names.size(), 29u);
    EXPECT_EQ(names.front(), "Zentor Keyboard");
    EXPECT_EQ(app::HookAndGameMessageNames().size(), 23u);
}

TEST(RegisteredMessages, CompanionGuidsAreExactlyTheAgreedStrings) {
    auto names = app::AllRegisteredMessageNames();
    const char* expected[] = {
        "{4695579F-999A-41d4-9FAF-EFFCE93EBF15}", "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}",
        "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}", "{4695579F-999A-41d4-9FAF-EFFCE93EBF18}",
        // The audio capture companion's message ends in EBE19, not EBF19.
        "{4695579F-999A-41d4-9FAF-EFFCE93EBE19}"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(names[1 + i], expected[i]) << "GUID " << i;
    }
}

TEST(RegisteredMessages, RegistrationFillsEveryNumberWithTheNameItWasRegisteredUnder) {
    const app::RegisteredMessages& m = app::RegisterAllMessages();
    struct Case {
        const char* name;
        uint32_t number;
    } cases[] = {
        {"Zentor Keyboard", m.broadcast},
        {"{4695579F-999A-41d4-9FAF-EFFCE93EBF17}", m.lightControlRequest},
        {"{4695579F-999A-41d4-9FAF-EFFCE93EBE19}", m.audioRecordCommand},
        {"WM_HOOK_KEY_SINGLEKEY_MSG", m.hookKeySingleKey},
        {"WM_HOOK_KEY_MSMACROSINGLE_MSG", m.hookKeyMsMacroSingle},
        {"WM_HOOK_MOU_MSMACRO_MSG", m.hookMouMsMacro},
        {"UWM_MOUSERBUTTONUP_USER_MSG", m.mouseRButtonUp},
        {"Game_Start", m.gameStart},
        {"Game_Death", m.gameDeath},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(platform::IsRegisteredMessageNumber(c.number)) << c.name;
        EXPECT_EQ(platform::RegisteredMessageName(c.number), c.name);
    }
    // Registering again (as every module does) gives the same numbers.
    EXPECT_EQ(app::RegisterAllMessages().gameKill, m.gameKill);
}

}  // namespace
