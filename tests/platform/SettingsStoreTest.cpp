#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <QSettings>

#include "support/TempFolder.h"

namespace {

using testing_support::ScopedEnv;
using testing_support::TempFolder;

// QSettings reads the configuration home once per process; every test of the
// store shares one temporary home and clears the value it uses.
class SettingsStore : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_home = new TempFolder;
        ::setenv("XDG_CONFIG_HOME", s_home->Path().c_str(), 1);
    }
    static void TearDownTestSuite() {
        delete s_home;
        s_home = nullptr;
    }
    void SetUp() override { QSettings("Zentor Keyboard", "Zentor Keyboard").remove("LANGUAGE"); }
    static TempFolder* s_home;
};
TempFolder* SettingsStore::s_home = nullptr;

TEST_F(SettingsStore, MissingLanguageReadsAsNothing) {
    EXPECT_FALSE(platform::ReadLanguageSetting().has_value());
}

TEST_F(SettingsStore, WrittenLanguageIsReadBackAndKeptOnDisk) {
    ASSERT_TRUE(platform::WriteLanguageSetting(521));
    EXPECT_EQ(platform::ReadLanguageSetting(), 521u);
    auto file = s_home->Path() / "Zentor Keyboard" / "Zentor Keyboard.conf";
    EXPECT_TRUE(std::filesystem::exists(file)) << file;
    ASSERT_TRUE(platform::WriteLanguageSetting(520));
    EXPECT_EQ(platform::ReadLanguageSetting(), 520u);
}

TEST_F(SettingsStore, ValueThatIsNotANumberReadsAsNothing) {
    QSettings("Zentor Keyboard", "Zentor Keyboard").setValue("LANGUAGE", "english");
    EXPECT_FALSE(platform::ReadLanguageSetting().has_value());
    QSettings("Zentor Keyboard", "Zentor Keyboard").setValue("LANGUAGE", "99999999999");
    EXPECT_FALSE(platform::ReadLanguageSetting().has_value());
}

}  // namespace
