#include "profile/CBasicProfiledata.h"

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "profile/JsonFile.h"

namespace profile {
namespace {

using profile_test::TempFolder;

// A default profile and a user profile in one temporary folder.
class BasicProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_profile.SetDefaultPath(m_folder / "default.Json");
        m_profile.SetProfilePath(m_folder / "user.Json");
    }

    void WriteDefault(const std::string& text) { m_folder.Write("default.Json", text); }
    void WriteUser(const std::string& text) { m_folder.Write("user.Json", text); }
    Json::Value LoadUser() { return m_profile.LoadDocument(m_folder / "user.Json"); }
    Json::Value UserFile() { return ReadJsonFile(m_folder / "user.Json"); }

    TempFolder m_folder;
    CBasicProfiledata m_profile;
};

TEST_F(BasicProfileTest, FirstLoadCreatesTheUserProfileFromTheDefaultByteForByte) {
    WriteDefault(R"({"Device": [{"LightInfo": {"SelectItem": 3, "Red": 255},
                                  "KeyList": [{"DefaultAssignment": 2, "Assignment": 1}]}],
                     "Comment": "not copied"})");
    Json::Value document = LoadUser();

    const std::string expected =
        "{\r\n"
        "   \"Device\" : [\r\n"
        "      {\r\n"
        "         \"KeyList\" : [\r\n"
        "            {\r\n"
        "               \"Assignment\" : 1,\r\n"
        "               \"DefaultAssignment\" : 2\r\n"
        "            }\r\n"
        "         ],\r\n"
        "         \"LightInfo\" : {\r\n"
        "            \"Red\" : 255,\r\n"
        "            \"SelectItem\" : 3\r\n"
        "         }\r\n"
        "      }\r\n"
        "   ]\r\n"
        "}\r\n"
        "\r\n";
    EXPECT_EQ(m_folder.Read("user.Json"), expected);
    EXPECT_EQ(document["LightInfo"]["SelectItem"].asInt(), 3);
    EXPECT_EQ(m_profile.ReadLightInfo().selectItem, 3);
}

TEST_F(BasicProfileTest, SaveKeepsOtherMembersAndDeviceElements) {
    WriteUser(R"({"profilename": "Game", "profileUUID": "2024_01_01_00_00_00_000",
                  "Device": [{"LightInfo": {"SelectItem": 1}}, {"Other": true}]})");
    LoadUser();
    m_profile.WriteLightInfo(0x00000005, 0, 0, 0);
    ASSERT_TRUE(m_profile.Save());

    Json::Value file = UserFile();
    EXPECT_EQ(file["profilename"].asString(), "Game");
    EXPECT_EQ(file["profileUUID"].asString(), "2024_01_01_00_00_00_000");
    ASSERT_EQ(file["Device"].size(), 2u);
    EXPECT_EQ(file["Device"][0]["LightInfo"]["SelectItem"].asInt(), 5);
    EXPECT_TRUE(file["Device"][1]["Other"].asBool());
}

TEST_F(BasicProfileTest, SaveKeepsChangesOtherWritersMadeToTheFile) {
    const struct {
        const char* name;
        bool replace;  // true: replaced by a rename, false: rewritten in place
    } cases[] = {{"replaced", true}, {"rewritten in place", false}};
    for (const auto& c : cases) {
        WriteUser(R"({"profilename": "Old", "Device": [{"LightInfo": {"SelectItem": 1}}]})");
        LoadUser();
        m_profile.WriteLightInfo(2, 0, 0, 0);
        ASSERT_TRUE(m_profile.Save());

        Json::Value renamed = UserFile();
        renamed["profilename"] = "Renamed elsewhere";
        if (c.replace) {
            ASSERT_TRUE(TryWriteJsonFile(renamed, m_folder / "user.Json"));
        } else {
            WriteUser(RenderJsonFileText(renamed));
        }
        m_profile.WriteLightInfo(3, 0, 0, 0);
        ASSERT_TRUE(m_profile.Save());
        Json::Value file = UserFile();
        EXPECT_EQ(file["profilename"].asString(), "Renamed elsewhere") << c.name;
        EXPECT_EQ(file["Device"][0]["LightInfo"]["SelectItem"].asInt(), 3) << c.name;
    }
}

TEST_F(BasicProfileTest, AUserFileWithoutTheDeviceEntryGetsItAndKeepsItsMembers) {
    WriteDefault(R"({"Device": [{"LightInfo": {"Light": 4}}]})");
    WriteUser(R"({"profilename": "Mine", "Device": []})");
    LoadUser();
    Json::Value file = UserFile();
    EXPECT_EQ(file["profilename"].asString(), "Mine");
    EXPECT_EQ(file["Device"][0]["LightInfo"]["Light"].asInt(), 4);
}

TEST_F(BasicProfileTest, ADeviceEntryOfTheWrongTypeIsReplacedByTheDefault) {
    WriteDefault(R"({"Device": [{"LightInfo": {"Light": 4}}]})");
    WriteUser(R"({"profilename": "Mine", "Device": ["not an entry"]})");
    EXPECT_EQ(LoadUser()["LightInfo"]["Light"].asInt(), 4);
    EXPECT_EQ(UserFile()["profilename"].asString(), "Mine");
}

TEST_F(BasicProfileTest, WithoutAnyEntryTheFileGetsANullEntryThatTheFirstWriteFills) {
    WriteDefault("{}");
    EXPECT_TRUE(LoadUser().isNull());
    EXPECT_EQ(UserFile(), ReadJsonFile(m_folder.Write("expect.json", R"({"Device": [null]})")));
    EXPECT_EQ(m_profile.ReadLightInfo().light, 0);

    m_profile.WriteLightInfo(0x00000300, 0, 0, 0);
    ASSERT_TRUE(m_profile.Save());
    EXPECT_EQ(UserFile()["Device"][0]["LightInfo"]["Light"].asInt(), 3);
}

TEST_F(BasicProfileTest, AFailedSaveKeepsThePreviousFileAndReportsIt) {
    WriteUser(R"({"Device": [{"LightInfo": {"SelectItem": 1}}]})");
    LoadUser();
    const std::string before = m_folder.Read("user.Json");
    m_profile.WriteLightInfo(9, 0, 0, 0);
    platform::FileWriteHook previous = platform::SetFileWriteHook(
        [](platform::FileWriteStep step) { return step != platform::FileWriteStep::kWrite; });
    EXPECT_FALSE(m_profile.Save());
    platform::SetFileWriteHook(previous);
    EXPECT_EQ(m_folder.Read("user.Json"), before);
    EXPECT_TRUE(m_profile.Save());
    EXPECT_EQ(UserFile()["Device"][0]["LightInfo"]["SelectItem"].asInt(), 9);
}

TEST_F(BasicProfileTest, MembersOfTheWrongTypeReadAsMissing) {
    WriteUser(R"({"Device": [{
        "LightInfo": {"SelectItem": "3", "Light": 2, "Speed": [1], "MultiColor": "yes", "Red": 1.9,
                      "Green": 18446744073709551615, "Blue": 1e300, "Fx": null},
        "AudioLightInfo": [1, 2, 3],
        "LightList": {"LEDREGMode": 1},
        "KeyList": "none",
        "SystemStages": 12}]})");
    LoadUser();
    LightInfo light = m_profile.ReadLightInfo();
    EXPECT_EQ(light.selectItem, 0);
    EXPECT_EQ(light.light, 2);
    EXPECT_EQ(light.speed, 0);
    EXPECT_EQ(light.multiColor, 0);
    EXPECT_EQ(light.red, 1);
    EXPECT_EQ(light.green, 0);
    EXPECT_EQ(light.blue, 0);
    EXPECT_EQ(light.fx, 0);
    EXPECT_EQ(m_profile.ReadAudioLightInfo().audioMode, 0);
    EXPECT_TRUE(m_profile.ReadLightList().empty());
    EXPECT_TRUE(m_profile.ReadKeyList().empty());

    // Writing below a member of the wrong type replaces it.
    KeyEntry entry;
    entry.code = {0x20, 0, 0x04};
    m_profile.WriteKeyList({entry});
    ASSERT_TRUE(m_profile.Save());
    EXPECT_EQ(UserFile()["Device"][0]["KeyList"][0]["Assignment"].asInt(), 0x200004);
}

TEST_F(BasicProfileTest, FlagsReadAsBooleans) {
    const struct {
        const char* stored;
        uint8_t expected;
    } cases[] = {{"5", 1}, {"1", 1}, {"0", 0}, {"true", 1}, {"false", 0}, {"\"1\"", 0}, {"0.5", 1}};
    for (const auto& c : cases) {
        WriteUser(std::string(R"({"Device": [{"LightInfo": {"MultiColor": )") + c.stored +
                  R"(}, "AudioLightInfo": {"7ColorFlags": )" + c.stored +
                  R"(, "ColorTypeFlags": )" + c.stored + "}}]}");
        LoadUser();
        EXPECT_EQ(m_profile.ReadLightInfo().multiColor, c.expected) << c.stored;
        AudioLightInfo audio = m_profile.ReadAudioLightInfo();
        EXPECT_EQ(audio.sevenColorFlags, c.expected) << c.stored;
        EXPECT_EQ(audio.colorTypeFlags, c.expected) << c.stored;
    }
}

TEST_F(BasicProfileTest, LightInfoWordsMapToTheirMembers) {
    WriteUser(R"({"Device": [{"LightInfo": {"Unknown": 1}}]})");
    LoadUser();
    m_profile.WriteLightInfo(0x01030412, 0xC0B0A001, 0x07AABBCC, 0x0502);
    const Json::Value& light = m_profile.ProfileDocument()["LightInfo"];
    const struct {
        const char* key;
        int value;
    } expected[] = {{"SelectItem", 0x12},  {"Light", 0x04},      {"Speed", 0x03},
                    {"Fx", 0x01},          {"MultiColor", 0x01}, {"Red", 0xA0},
                    {"Green", 0xB0},       {"Blue", 0xC0},       {"ZZCCLedMode", 0x07},
                    {"CustomGroup", 0x02}, {"OldLedmode", 0x05}};
    for (const auto& e : expected) {
        EXPECT_EQ(light[e.key].asInt(), e.value) << e.key;
    }
    // The member is replaced as a whole and the three middle bytes are not stored.
    EXPECT_EQ(light.size(), 11u);

    ASSERT_TRUE(m_profile.Save());
    LoadUser();
    LightWords words = ToWords(m_profile.ReadLightInfo());
    EXPECT_EQ(words.w1, 0x01030412u);
    EXPECT_EQ(words.w2, 0xC0B0A001u);
    EXPECT_EQ(words.w3, 0x07000000u);
    EXPECT_EQ(words.w4, 0x0502u);
}

TEST_F(BasicProfileTest, AudioLightInfoWordsMapToTheirMembers) {
    m_profile.WriteAudioLightInfo(0x30201004, 0x01605040, 0x01);
    const Json::Value& audio = m_profile.ProfileDocument()["AudioLightInfo"];
    const struct {
        const char* key;
        int value;
    } expected[] = {{"AudioMode", 4},   {"BkColorR", 0x10}, {"BkColorG", 0x20},
                    {"BkColorB", 0x30}, {"FgColorR", 0x40}, {"FgColorG", 0x50},
                    {"FgColorB", 0x60}, {"7ColorFlags", 1}, {"ColorTypeFlags", 1}};
    for (const auto& e : expected) {
        EXPECT_EQ(audio[e.key].asInt(), e.value) << e.key;
    }
    AudioLightInfo read = m_profile.ReadAudioLightInfo();
    EXPECT_EQ(read.fgColorB, 0x60);
    EXPECT_EQ(read.bkColorR, 0x10);
}

TEST_F(BasicProfileTest, WriteKeyListChangesOnlyTheCurrentCodesOfTheGivenEntries) {
    WriteUser(R"({"Device": [{"KeyList": [
        {"Assignment": 1, "DefaultAssignment": 11},
        {"Assignment": 2, "DefaultAssignment": 12},
        {"Assignment": 3, "DefaultAssignment": 13}]}]})");
    LoadUser();
    std::vector<KeyEntry> keys = m_profile.ReadKeyList();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[1].position, 1);
    EXPECT_EQ(keys[1].positionAgain, 1);
    EXPECT_EQ(keys[1].defaultCode.Value(), 12u);

    keys.resize(2);
    keys[0].code = {0x70, 3, 1};
    keys[0].defaultCode = {0x99, 0x99, 0x99};
    keys[1].code = {0x20, 0x02, 0x1D};
    m_profile.WriteKeyList(keys);
    const Json::Value& list = m_profile.ProfileDocument()["KeyList"];
    EXPECT_EQ(list[0]["Assignment"].asInt(), 7340801);
    EXPECT_EQ(list[1]["Assignment"].asInt(), 0x20021D);
    EXPECT_EQ(list[2]["Assignment"].asInt(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list[i]["DefaultAssignment"].asInt(), 11 + i);
    }
}

TEST_F(BasicProfileTest, DefaultKeyListIsReadAndSavedSeparately) {
    WriteDefault(R"({"Device": [{"KeyList": [{"Assignment": 5, "DefaultAssignment": 5}]}]})");
    m_profile.LoadDefaultDocument(m_folder / "default.Json");
    std::vector<KeyEntry> keys = m_profile.ReadDefaultKeyList();
    ASSERT_EQ(keys.size(), 1u);
    keys[0].code = {0, 0, 6};
    m_profile.WriteDefaultKeyList(keys);
    ASSERT_TRUE(m_profile.SaveDefaultTo(m_folder / "export.Json"));
    Json::Value exported = ReadJsonFile(m_folder / "export.Json");
    EXPECT_EQ(exported["Device"][0]["KeyList"][0]["Assignment"].asInt(), 6);
    EXPECT_TRUE(m_profile.ReadKeyList().empty());
}

TEST_F(BasicProfileTest, LightListElementsAreDefinedOnlyWhenTheyAreObjects) {
    WriteUser(R"({"Device": [{"LightList": [null,
        {"LEDREGMode": 2, "LEDBrightness": 3, "LEDSpeed": 4, "LEDDirection": 7,
         "LEDMultiColor": true, "red": 10, "green": 20, "blue": 30}, 5]}]})");
    LoadUser();
    std::vector<AreaLight> areas = m_profile.ReadLightList();
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(areas[0].defined, 0);
    EXPECT_EQ(areas[1].defined, 1);
    EXPECT_EQ(areas[1].regMode, 2);
    EXPECT_EQ(areas[1].brightness, 3);
    EXPECT_EQ(areas[1].speed, 4);
    EXPECT_EQ(areas[1].direction, 1);
    EXPECT_EQ(areas[1].multiColor, 1);
    EXPECT_EQ(areas[1].blue, 30);
    EXPECT_EQ(areas[2].defined, 0);
}

TEST_F(BasicProfileTest, CustomEffectIsLoadedFromTheSelectedEffectFile) {
    m_folder.Write("wave.light", R"({"LEDEffectList": [
        {"LEDREGMode": 4, "LEDBrightness": 3, "LEDSpeed": 2, "LEDDirection": 1,
         "LEDMultiColor": 1, "red": 9, "green": 8, "blue": 7, "Time": 1500, "Cyle": 2},
        {"LEDREGMode": 1, "Time": 300}]})");
    const std::string guid = (m_folder / "wave").string();
    m_folder.Write("tolvar_light.config",
                   R"({"LightInfo": [[{"LightName": "a", "Guid": ")" + guid + R"("}]]})");
    WriteUser(R"({"Device": [{"LightInfo": {"SelectItem": 0}}]})");
    LoadUser();
    m_profile.ReadLightInfo();
    m_profile.LoadLightConfig(m_folder / "tolvar_light.config");
    std::vector<EffectStep> steps = m_profile.LoadCustomEffect();
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].regMode, 4);
    EXPECT_EQ(steps[0].blue, 7);
    EXPECT_EQ(steps[0].time, 1500);
    EXPECT_EQ(steps[0].cyle, 2);
    EXPECT_EQ(steps[1].time, 300);

    // SelectItem 2 with a one-entry list: no Guid, no ".light" file, no steps.
    m_profile.WriteLightInfo(2, 0, 0, 0);
    EXPECT_TRUE(m_profile.LoadCustomEffect().empty());
}

TEST_F(BasicProfileTest, PathSetters) {
    m_profile.SetProfilePath("");
    EXPECT_EQ(m_profile.GetProfilePath(), m_folder / "user.Json");
    m_profile.SetDefaultPath("");
    EXPECT_EQ(m_profile.GetDefaultPath(), m_folder / "default.Json");
    m_profile.SetLightConfigPath("a.config");
    m_profile.SetLightConfigPath("");
    EXPECT_TRUE(m_profile.GetLightConfigPath().empty());
}

}  // namespace
}  // namespace profile
