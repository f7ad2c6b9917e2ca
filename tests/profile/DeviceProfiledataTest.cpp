#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "profile/CKeyboardProfiledata.h"
#include "profile/CMouseProfiledata.h"
#include "profile/CVo6533Profiledata.h"
#include "profile/JsonFile.h"

namespace profile {
namespace {

using profile_test::TempFolder;

// Loads `entry` as the device entry of a user profile into `profile`.
void LoadEntry(CBasicProfiledata& profile, const TempFolder& folder, const std::string& entry) {
    folder.Write("user.Json", "{\"Device\": [" + entry + "]}");
    profile.SetProfilePath(folder / "user.Json");
    profile.LoadDocument(folder / "user.Json");
}

TEST(KeyboardProfile, SystemStagesPackSixSixteenBitValues) {
    TempFolder folder;
    CKeyboardProfiledata profile;
    LoadEntry(profile, folder, R"({"SystemStages": {"Repeat": 5, "RepeatDelay": 3,
        "Key6Flag": 1, "PollingRate": 70000, "WFlag": 0, "WinFlag": 1}})");
    SystemWords words = profile.ReadSystemStages();
    EXPECT_EQ(words.a, 5u | 3u << 16);
    EXPECT_EQ(words.b, 1u | (70000u & 0xFFFF) << 16);
    EXPECT_EQ(words.c, 1u << 16);

    profile.WriteSystemStages(0x00020007, 0x00030000, 0x00000001);
    ASSERT_TRUE(profile.Save());
    CKeyboardProfiledata reloaded;
    reloaded.LoadDocument(folder / "user.Json");
    const Json::Value& stages = reloaded.ProfileDocument()["SystemStages"];
    EXPECT_EQ(stages["Repeat"].asInt(), 7);
    EXPECT_EQ(stages["RepeatDelay"].asInt(), 2);
    EXPECT_EQ(stages["Key6Flag"].asInt(), 0);
    EXPECT_EQ(stages["PollingRate"].asInt(), 3);
    EXPECT_EQ(stages["WFlag"].asInt(), 1);
    EXPECT_EQ(stages["WinFlag"].asInt(), 0);

    LoadEntry(profile, folder, "{}");
    words = profile.ReadSystemStages();
    EXPECT_EQ(words.a | words.b | words.c, 0u);
}

TEST(KeyboardProfile, ReadingCustomColorsCreatesTheMissingOnes) {
    TempFolder folder;
    CKeyboardProfiledata profile;
    LoadEntry(profile, folder, R"({"CustomLightMode": {"LightColorInfo": [
        [{"Red": 1, "Green": 2, "Blue": 3, "Alpha": 4}, null]]}})");

    std::vector<CustomColor> colors = profile.ReadCustomColors(0, 3);
    ASSERT_EQ(colors.size(), 3u);
    EXPECT_EQ(colors[0], (CustomColor{1, 2, 3, 4}));
    EXPECT_EQ(colors[1], CustomColor{});
    EXPECT_EQ(colors[2], CustomColor{});
    const Json::Value& groups = profile.ProfileDocument()["CustomLightMode"]["LightColorInfo"];
    ASSERT_EQ(groups[0].size(), 3u);
    EXPECT_EQ(groups[0][2]["Alpha"].asInt(), 0);
    EXPECT_TRUE(groups[0][1].isObject());

    // A group that does not exist yet is created whole.
    EXPECT_EQ(profile.ReadCustomColors(2, 4).size(), 4u);
    EXPECT_TRUE(groups[1].isNull());
    EXPECT_EQ(groups[2].size(), 4u);
}

TEST(KeyboardProfile, WrittenCustomColorsAndGroupIndexSurviveASave) {
    TempFolder folder;
    CKeyboardProfiledata profile;
    LoadEntry(profile, folder, "{}");
    EXPECT_EQ(profile.ReadCustomGroupIndex(), 0);
    profile.WriteCustomColors({{10, 20, 30, 255}, {40, 50, 60, 128}}, 1);
    profile.WriteCustomGroupIndex(1);
    ASSERT_TRUE(profile.Save());

    CKeyboardProfiledata reloaded;
    reloaded.LoadDocument(folder / "user.Json");
    EXPECT_EQ(reloaded.ReadCustomGroupIndex(), 1);
    std::vector<CustomColor> colors = reloaded.ReadCustomColors(1, 2);
    ASSERT_EQ(colors.size(), 2u);
    EXPECT_EQ(colors[1], (CustomColor{40, 50, 60, 128}));
}

TEST(MouseProfile, ReadingFewerStagesKeepsTheRestOfTheList) {
    TempFolder folder;
    CMouseProfiledata profile;
    LoadEntry(profile, folder, R"({"DPIStages": {"StageActive": 4, "StageDPIs": [
        {"StageActive": 1, "StageXY": 1, "StageDPIX": 7, "StageDPIY": 70000,
         "StageColorR": 255, "StageColorG": 1, "StageColorB": 2}]}})");
    std::vector<DpiStage> five(5);
    for (int i = 0; i < 5; ++i) {
        five[i].stageDPIX = static_cast<uint16_t>(100 + i);
    }
    profile.WriteDPIStages(five);

    LoadEntry(profile, folder, R"({"DPIStages": {"StageActive": 2, "StageDPIs": [
        {"StageDPIX": 1}, {"StageDPIX": 2}, {"StageDPIX": 3}]}})");
    std::vector<DpiStage> stages = profile.ReadDPIStages();
    ASSERT_EQ(stages.size(), 5u);
    EXPECT_EQ(stages[2].stageDPIX, 3);
    EXPECT_EQ(stages[3].stageDPIX, 103);
    EXPECT_EQ(stages[4].stageDPIX, 104);
    EXPECT_EQ(profile.GetActiveStage(), 2);

    LoadEntry(profile, folder, R"({"DPIStages": {"StageDPIs": [
        {"StageActive": 1, "StageXY": 1, "StageDPIX": 7, "StageDPIY": 70000,
         "StageColorR": 255, "StageColorG": 1, "StageColorB": 2}]}})");
    DpiStage first = profile.ReadDPIStages()[0];
    EXPECT_EQ(first, (DpiStage{1, 1, 7, static_cast<uint16_t>(70000 & 0xFFFF), 255, 1, 2}));
}

TEST(MouseProfile, WrittenStagesAndActiveStageSurviveASave) {
    TempFolder folder;
    CMouseProfiledata profile;
    LoadEntry(profile, folder, R"({"DPIStages": {"StageActive": 1}})");
    profile.WriteDPIStages({{1, 0, 7, 7, 255, 0, 0}, {0, 1, 15, 31, 0, 0, 255}});
    profile.WriteActiveStage(3);
    EXPECT_EQ(profile.GetActiveStage(), 3);
    ASSERT_TRUE(profile.Save());

    CMouseProfiledata reloaded;
    reloaded.LoadDocument(folder / "user.Json");
    std::vector<DpiStage> stages = reloaded.ReadDPIStages();
    ASSERT_EQ(stages.size(), 2u);
    EXPECT_EQ(stages[1], (DpiStage{0, 1, 15, 31, 0, 0, 255}));
    EXPECT_EQ(reloaded.GetActiveStage(), 3);
    EXPECT_EQ(reloaded.ProfileDocument()["DPIStages"]["StageDPIs"][0].size(), 7u);
}

TEST(MouseProfile, SystemWordsTakeTheReportRateOnlyWithTheSystemSection) {
    TempFolder folder;
    CMouseProfiledata profile;
    LoadEntry(profile, folder, R"({"SystemStages": {"DoubleClickTime": 500, "MouseSpeed": 10,
        "PointerPrecision": 1, "ScorllPage": 1, "WheelScorlllinse": 3},
        "ReportStages": {"StageActive": 2}})");
    SystemWords words = profile.ReadMouseSystem();
    EXPECT_EQ(words.a, 500u | 10u << 16);
    EXPECT_EQ(words.b, 1u | 1u << 16);
    EXPECT_EQ(words.c, 3u | 2u << 16);

    LoadEntry(profile, folder, R"({"ReportStages": {"StageActive": 2}})");
    words = profile.ReadMouseSystem();
    EXPECT_EQ(words.c, 0u);

    profile.WriteMouseSystem(400 | 5 << 16, 0 | 1 << 16, 6 | 4 << 16);
    const Json::Value& document = profile.ProfileDocument();
    EXPECT_EQ(document["SystemStages"]["DoubleClickTime"].asInt(), 400);
    EXPECT_EQ(document["SystemStages"]["MouseSpeed"].asInt(), 5);
    EXPECT_EQ(document["SystemStages"]["ScorllPage"].asInt(), 1);
    EXPECT_EQ(document["SystemStages"]["WheelScorlllinse"].asInt(), 6);
    EXPECT_EQ(document["ReportStages"]["StageActive"].asInt(), 4);
}

TEST(MouseProfile, CorrectionNamesAreDecodedFromUtf8) {
    TempFolder folder;
    CMouseProfiledata profile;
    LoadEntry(profile, folder, R"({"CorrectInfo": [
        {"CorrectPixThresh": 8, "CorrectMinSq": 16, "CorrectSelect": 1, "CorrectName": "直线修正"},
        {"CorrectName": 5}]})");
    std::vector<CorrectEntry> list = profile.ReadCorrectInfo();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].correctPixThresh, 8);
    EXPECT_EQ(list[0].correctMinSq, 16);
    EXPECT_EQ(list[0].correctSelect, 1);
    EXPECT_EQ(list[0].correctName, L"直线修正");
    EXPECT_EQ(list[1].correctName, L"");
}

TEST(HeadsetProfile, EqualiserTypesMapToTheirPresetElements) {
    TempFolder folder;
    CVo6533Profiledata profile;
    LoadEntry(profile, folder, R"({"EQHzValueInfo": [null,
        [{"value": 1}, {"value": 2}, {"value": 3}, {"value": 4}, {"value": 5},
         {"value": 6}, {"value": 7}, {"value": 8}, {"value": 9}, {"value": 10}],
        [{"value": -5}, {"value": "x"}]]})");
    const std::vector<int> preset1 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const struct {
        int type;
        std::vector<int> expected;
    } cases[] = {
        {0, preset1},
        {1, preset1},
        {20, preset1},
        {-1, preset1},
        {2, {-5, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {13, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile.ReadEqValues(c.type), c.expected) << "type " << c.type;
    }
    const Json::Value& presets = profile.ProfileDocument()["EQHzValueInfo"];
    // A short preset is read, not filled up; the custom type writes nothing.
    EXPECT_EQ(presets.size(), 3u);
    EXPECT_EQ(presets[2].size(), 2u);

    profile.WriteEqValues(13, preset1);
    EXPECT_EQ(presets.size(), 3u);
    profile.WriteEqValues(0, {9, 9});
    EXPECT_EQ(presets[1][0]["value"].asInt(), 9);
    EXPECT_EQ(presets[1][2]["value"].asInt(), 3);
}

TEST(HeadsetProfile, AMissingPresetIsCreatedWithZeros) {
    TempFolder folder;
    CVo6533Profiledata profile;
    LoadEntry(profile, folder, "{}");
    EXPECT_EQ(profile.ReadEqValues(5), std::vector<int>(10, 0));
    const Json::Value& presets = profile.ProfileDocument()["EQHzValueInfo"];
    ASSERT_EQ(presets.size(), 6u);
    ASSERT_EQ(presets[5].size(), 10u);
    EXPECT_EQ(presets[5][9]["value"].asInt(), 0);
    EXPECT_TRUE(presets[4].isNull());
}

TEST(HeadsetProfile, SettingsNamesAndCustomEqualisersSurviveASave) {
    TempFolder folder;
    CVo6533Profiledata profile;
    LoadEntry(profile, folder, "{}");
    SystemSetStages settings{1, 2, 13, 1, 0, 80, 1, 50};
    profile.WriteSystemSetStages(settings);
    profile.WriteCustomEqNames({L"Bass", L"人声"});
    profile.WriteCustomEqValues(1, {-1, -2, -3, -4, -5, -6, -7, -8, -9, -10});
    ASSERT_TRUE(profile.Save());

    CVo6533Profiledata reloaded;
    reloaded.LoadDocument(folder / "user.Json");
    SystemSetStages read = reloaded.ReadSystemSetStages();
    EXPECT_EQ(read.eqType, 13);
    EXPECT_EQ(read.customEqSeletIndex, 1);
    EXPECT_EQ(read.micInValue, 80);
    EXPECT_EQ(read.micMoniterValue, 50);
    EXPECT_EQ(reloaded.ReadCustomEqNames(), (std::vector<std::wstring>{L"Bass", L"人声"}));
    EXPECT_EQ(reloaded.ReadCustomEqValues(1),
              (std::vector<int>{-1, -2, -3, -4, -5, -6, -7, -8, -9, -10}));
    EXPECT_EQ(reloaded.ReadCustomEqValues(0), std::vector<int>(10, 0));
}

}  // namespace
}  // namespace profile
