// Checks of the data shipped in "DefaultData": every file parses, the default
// profiles agree with the key position tables, and the mode lists are whole.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "TempFolder.h"
#include "profile/CBasicProfiledata.h"
#include "profile/DefaultKeyCodes.h"
#include "profile/JsonFile.h"

namespace profile {
namespace {

using profile_test::TempFolder;

const std::filesystem::path kDefaultData = std::filesystem::path(ZENTOR_SOURCE_DIR) / "DefaultData";

Json::Value Load(const std::string& name) {
    return ReadJsonFile(kDefaultData / name);
}

const char* const kProfiles[] = {"keyboard.Json", "mouse.Json", "MousePad.Json", "HD.Json"};

TEST(DefaultData, EveryFileParses) {
    const char* const files[] = {"keyboard.Json",
                                 "mouse.Json",
                                 "MousePad.Json",
                                 "HD.Json",
                                 "default_light.json",
                                 "Language.config",
                                 "color_option_info.config",
                                 "AudioFile.json",
                                 "ShootData_0.Shoot",
                                 "ShootData_1.Shoot",
                                 "ShootData_2.Shoot",
                                 "ShootData_3.Shoot"};
    for (const char* name : files) {
        EXPECT_TRUE(Load(name).isObject()) << name;
    }
}

TEST(DefaultData, ProfilesHaveTheMembersOfTheirDevice) {
    const struct {
        const char* file;
        std::set<std::string> members;
    } cases[] = {
        {"keyboard.Json",
         {"LightInfo", "AudioLightInfo", "LightList", "KeyList", "SystemStages",
          "CustomLightMode"}},
        {"mouse.Json",
         {"LightInfo", "AudioLightInfo", "LightList", "KeyList", "SystemStages", "ReportStages",
          "DPIStages", "CorrectInfo"}},
        {"MousePad.Json", {"LightInfo", "AudioLightInfo", "LightList"}},
        {"HD.Json",
         {"LightInfo", "AudioLightInfo", "LightList", "SystemSetStages", "EQHzValueInfo",
          "CustomEQNameInfo", "CustomEQHzValueInfo"}},
    };
    for (const auto& c : cases) {
        Json::Value file = Load(c.file);
        ASSERT_TRUE(file["Device"].isArray()) << c.file;
        ASSERT_EQ(file["Device"].size(), 1u) << c.file;
        std::vector<std::string> names = file["Device"][0].getMemberNames();
        EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), c.members) << c.file;
    }
}

TEST(DefaultData, KeyListsMatchTheKeyPositionTables) {
    const struct {
        const char* file;
        int count;
        AssignmentCode (*code)(int);
    } cases[] = {
        {"keyboard.Json", kKeyboardKeyPositions, KeyboardDefaultCode},
        {"mouse.Json", kMouseButtonPositions, MouseDefaultCode},
    };
    for (const auto& c : cases) {
        CBasicProfiledata profile;
        profile.LoadDefaultDocument(kDefaultData / c.file);
        std::vector<KeyEntry> keys = profile.ReadDefaultKeyList();
        ASSERT_EQ(static_cast<int>(keys.size()), c.count) << c.file;
        for (int i = 0; i < c.count; ++i) {
            EXPECT_EQ(keys[i].defaultCode, c.code(i)) << c.file << " position " << i;
            EXPECT_EQ(keys[i].code, c.code(i)) << c.file << " position " << i;
        }
    }
}

TEST(DefaultKeyCodes, SpotChecksAcrossTheTable) {
    const struct {
        int position;
        uint32_t code;
    } cases[] = {
        {0, 0x200029},   {12, 0x200045},  {16, 0xA01B00},  {17, 0xA02400},  {18, 0x200000},
        {21, 0x200035},  {31, 0x200027},  {62, 0x200032},  {83, 0x200088},  {84, 0x200200},
        {95, 0x202000},  {103, 0x200085}, {104, 0x200000}, {105, 0x200100}, {109, 0x204000},
        {110, 0xA00100}, {112, 0x201000}, {119, 0x200057}, {120, 0xD0A201}, {124, 0xD0A205},
        {125, 0x208000}, {126, 0x200000}, {169, 0x200000}, {170, 0x200000}, {-1, 0x200000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyboardDefaultCode(c.position).Value(), c.code) << "position " << c.position;
    }
    // Every position has a family byte; a position missing from the table
    // would read as all zero.
    for (int i = 0; i < kKeyboardKeyPositions; ++i) {
        EXPECT_NE(KeyboardDefaultCode(i).type, 0) << "position " << i;
    }
    EXPECT_EQ(MouseDefaultCode(0).Value(), 0x100100u);
    EXPECT_EQ(MouseDefaultCode(3).Value(), 0x101000u);
    EXPECT_EQ(MouseDefaultCode(9).Value(), 0x169001u);
    EXPECT_EQ(MouseDefaultCode(10).Value(), 0x147802u);
}

// The shipped profiles are kept in the form the program writes, so the user
// profile a first load creates is the shipped file byte for byte.
TEST(DefaultData, FirstLoadCopiesEachDefaultProfileByteForByte) {
    for (const char* name : kProfiles) {
        TempFolder user;
        CBasicProfiledata profile;
        profile.SetDefaultPath(kDefaultData / name);
        Json::Value document = profile.LoadDocument(user / name);
        EXPECT_TRUE(document.isObject()) << name;
        EXPECT_EQ(user.Read(name), ReadFileText(kDefaultData / name)) << name;
    }
}

TEST(DefaultData, ModeListsHaveOneEntryPerModeOfEachDevice) {
    Json::Value file = Load("default_light.json");
    // Model index 0 keyboard, 1 mouse, 2 mouse pad, 3 headset.
    const int counts[] = {31, 10, 9, 9};
    ASSERT_EQ(file["DefaultLightName"].size(), 4u);
    ASSERT_EQ(file["AreaLightName"].size(), 4u);
    for (Json::ArrayIndex model = 0; model < 4; ++model) {
        const Json::Value& modes = file["DefaultLightName"][model];
        ASSERT_EQ(static_cast<int>(modes.size()), counts[model]) << "model " << model;
        std::set<int> codes;
        for (Json::ArrayIndex i = 0; i < modes.size(); ++i) {
            const Json::Value& mode = modes[i];
            EXPECT_EQ(mode["LightName"].asString().rfind("light_mode_", 0), 0u);
            EXPECT_TRUE(mode["visible"].isBool());
            EXPECT_TRUE(mode["value"].isInt());
            codes.insert(mode["value"].asInt());
        }
        // Every mode has its own device code, and none is the 0xFE the keyboard
        // writes for the host-rendered modes.
        EXPECT_EQ(codes.size(), modes.size()) << "model " << model;
        EXPECT_EQ(codes.count(0xFE), 0u);
        EXPECT_TRUE(file["AreaLightName"][model].isArray());
    }
}

TEST(DefaultData, HeadsetPresetsAreTheBuiltInEqualisers) {
    const int presets[12][10] = {
        {7, 11, 2, -3, -1, 4, 9, 12, 9, 5},   {7, 11, 6, -3, -11, -1, 6, 13, 6, 13},
        {10, 4, 0, -3, -4, -3, -2, -1, 0, 0}, {2, 1, -2, -3, -5, -7, 0, 4, 9, 8},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},       {7, 14, -13, -6, -1, 8, 13, 7, 2, 6},
        {14, 10, 4, 0, -4, -3, -1, 1, 2, 3},  {2, 1, -2, -3, -5, -1, 7, 11, 15, 13},
        {8, 2, -4, -8, 1, 3, 8, 11, 14, 16},  {-3, 4, 10, 0, -11, 3, 9, 13, 6, 0},
        {18, 14, 8, 2, -3, -6, -1, 2, 5, 6},  {2, 1, -2, -4, -8, 4, 12, 16, 18, 15},
    };
    const Json::Value eq = Load("HD.Json")["Device"][0]["EQHzValueInfo"];
    ASSERT_EQ(eq.size(), 13u);
    for (Json::ArrayIndex type = 1; type <= 12; ++type) {
        ASSERT_EQ(eq[type].size(), 10u) << "type " << type;
        for (Json::ArrayIndex band = 0; band < 10; ++band) {
            EXPECT_EQ(eq[type][band]["value"].asInt(), presets[type - 1][band])
                << "type " << type << " band " << band;
        }
    }
}

TEST(DefaultData, MouseHasFiveEnabledStagesWithDistinctValues) {
    const Json::Value stages = Load("mouse.Json")["Device"][0]["DPIStages"];
    ASSERT_EQ(stages["StageDPIs"].size(), 5u);
    std::set<int> values;
    for (const Json::Value& stage : stages["StageDPIs"]) {
        EXPECT_EQ(stage["StageActive"].asInt(), 1);
        EXPECT_EQ(stage.size(), 7u);
        values.insert(stage["StageDPIX"].asInt());
    }
    EXPECT_EQ(values.size(), 5u);
    EXPECT_LT(stages["StageActive"].asInt(), 5);
}

TEST(DefaultData, SettingFilesHaveTheirLayouts) {
    Json::Value languages = Load("Language.config")["Language"];
    ASSERT_GE(languages.size(), 2u);
    for (const Json::Value& language : languages) {
        EXPECT_TRUE(language["Language_name"].isString());
        EXPECT_TRUE(language["Language_file"].isString());
        EXPECT_TRUE(language["Language_ID"].isInt());
        EXPECT_TRUE(language["Language_text"].isString());
    }
    EXPECT_EQ(languages[0]["Language_file"].asString(), "lan_cn.xml");

    Json::Value colors = Load("color_option_info.config")["coloroptioninfo"];
    ASSERT_EQ(colors["palletDialogcoloroption"].size(), 20u);
    ASSERT_EQ(colors["palletDialogcollectcoloroption"].size(), 20u);
    for (Json::ArrayIndex i = 0; i < 20; ++i) {
        std::string color = colors["palletDialogcoloroption"][i]["color"].asString();
        EXPECT_EQ(color.size(), 8u);
        EXPECT_EQ(color.find_first_not_of("0123456789ABCDEF"), std::string::npos) << color;
        EXPECT_EQ(colors["palletDialogcollectcoloroption"][i]["UserData"].asString(), "0");
    }
    EXPECT_EQ(colors["palletDialogcoloroption_selectitem"].asInt(), 4);
    EXPECT_EQ(colors["palletDialogcollectcoloroption_selectitem"].asInt(), -1);

    Json::Value audio = Load("AudioFile.json")["Device"]["AudioLightInfo"];
    EXPECT_EQ(audio.size(), 17u);
    for (int k = 0; k < 4; ++k) {
        for (const char* channel : {"R", "G", "B"}) {
            int level = audio[std::string("nStyle") + channel + std::to_string(k)].asInt();
            EXPECT_GE(level, 0);
            EXPECT_LE(level, 9);
        }
        EXPECT_TRUE(audio["nStyleName" + std::to_string(k + 1)].isString());
    }
}

TEST(DefaultData, RecoilPatternsHoldThirtyBulletsOfSixEvents) {
    for (int gun = 0; gun < 4; ++gun) {
        Json::Value events = Load("ShootData_" + std::to_string(gun) + ".Shoot")["Events"];
        ASSERT_EQ(events.size(), 180u) << "gun " << gun;
        for (Json::ArrayIndex j = 0; j < 30; ++j) {
            EXPECT_EQ(events[6 * j]["Action"].asString(), "down");
            EXPECT_EQ(events[6 * j]["Type"].asInt(), 1);
            EXPECT_EQ(events[6 * j]["Button"].asInt(), 1);
            EXPECT_EQ(events[6 * j]["Delay"].asInt(), 10);
            EXPECT_EQ(events[6 * j + 1]["Action"].asString(), "up");
            EXPECT_EQ(events[6 * j + 1]["Type"].asInt(), 1);
            EXPECT_EQ(events[6 * j + 2]["Type"].asInt(), 4);
            EXPECT_EQ(events[6 * j + 2]["Delay"].asInt(), 5);
            EXPECT_EQ(events[6 * j + 3]["Type"].asInt(), 5);
            EXPECT_GT(events[6 * j + 3]["Delay"].asInt(), 0);
            EXPECT_EQ(events[6 * j + 4]["Type"].asInt(), 4);
            EXPECT_EQ(events[6 * j + 4]["Button"].asInt(), 0);
            EXPECT_EQ(events[6 * j + 4]["Action"], events[6 * j + 2]["Action"]);
            EXPECT_EQ(events[6 * j + 5]["Type"].asInt(), 5);
            EXPECT_EQ(events[6 * j + 5]["Action"], events[6 * j + 3]["Action"]);
        }
    }
}

}  // namespace
}  // namespace profile
