// The page's plain operations: function panels, name lists, key fading and
// the sequence that writes a profile to a device.
#include <gtest/gtest.h>

#include <fstream>

#include "PageTestSupport.h"
#include "pages/PageSequences.h"
#include "pages/VexmoorUSBDevice.h"
#include "support/TempFolder.h"
#include "uilib/ControlFactory.h"
#include "uilib/TabLayoutUI.h"

namespace {

using pages::CVexmoorUSBDevice;

TEST(PageFunctionPanelTest, CodesSelectTheFunctionAndKeyTabs) {
    struct Case {
        int kind;
        int code;
        int functionTab;
        int keyTab;  // -1: the key tab keeps its previous selection
    };
    const Case cases[] = {
        {1, 1, 0, 0}, {1, 2, 0, 1},  {1, 3, 1, -1}, {1, 4, 3, -1}, {2, 4, 3, -1}, {3, 4, 0, 2},
        {7, 4, 0, 2}, {1, 5, 2, -1}, {1, 6, 0, 1},  {1, 7, 0, 2},  {1, 8, 1, -1}, {1, 42, 0, 0},
    };
    ui::RegisterCustomControls();
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + " code " + std::to_string(c.code));
        DuiLib::CPaintManagerUI pm;
        auto* page = pagetest::BuildPage(pm, R"(<CVexmoorUSBDevice>
            <TabLayout name="device_function_switch">
              <Control/><Control/><Control/><Control/></TabLayout>
            <TabLayout name="device_key_function_switch"><Control/><Control/><Control/></TabLayout>
          </CVexmoorUSBDevice>)");
        ASSERT_NE(page, nullptr);
        device::DeviceIdentity record;
        record.kind = static_cast<uint16_t>(c.kind);
        page->SetDeviceRecord(record);
        auto* keyTab = pm.FindControl<DuiLib::CTabLayoutUI>("device_key_function_switch");
        keyTab->SelectItem(1);
        page->SelectFunctionPanel(c.code);
        EXPECT_EQ(page->GetFunctionPanel(), c.code);
        EXPECT_EQ(pm.FindControl<DuiLib::CTabLayoutUI>("device_function_switch")->GetCurSel(),
                  c.functionTab);
        EXPECT_EQ(keyTab->GetCurSel(), c.keyTab < 0 ? 1 : c.keyTab);
    }
    DuiLib::CControlFactory::GetInstance().Clear();
}

TEST(PageFunctionPanelTest, MissingTabsOnlyStoreTheCode) {
    CVexmoorUSBDevice page;
    page.SelectFunctionPanel(5);
    EXPECT_EQ(page.GetFunctionPanel(), 5);
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

TEST(PageNameListTest, ListsComeFromTheModelsEntries) {
    testing_support::TempFolder defaults;
    testing_support::TempFolder user;
    WriteText(defaults.Path() / "default_light.json", R"({
        "DefaultLightName": [[{"LightName": "a", "visible": true, "value": 1}],
                             [{"LightName": "wave", "visible": false, "value": 7},
                              {"LightName": "static", "visible": true, "value": 9}]],
        "AreaLightName": [[], [{"LightName": "top"}, {"LightName": "side"}]]})");
    WriteText(user.Path() / "kb" / "macro.config",
              R"({"MacroInfo": [{"MacroName": "m1"}, {"MacroName": "m2"}]})");
    WriteText(user.Path() / "kb" / "tolvar_light.config",
              R"({"LightInfo": [[], [{"LightName": "mine"}]]})");
    CVexmoorUSBDevice page;
    page.SetDeviceFolderName("kb");
    page.SetDataRoots(defaults.Path(), user.Path());
    page.SetModelIndex(1);
    page.LoadNameLists();
    EXPECT_EQ(page.MacroNames(), (std::vector<std::string>{"m1", "m2"}));
    EXPECT_EQ(page.LightModeNames(), (std::vector<std::string>{"wave", "static"}));
    EXPECT_EQ(page.LightModeVisible(), (std::vector<bool>{false, true}));
    EXPECT_EQ(page.DeviceModeCodes(), (std::vector<int>{7, 9}));
    EXPECT_EQ(page.AreaLightNames(), (std::vector<std::string>{"top", "side"}));
    EXPECT_EQ(page.UserPresetNames(), (std::vector<std::string>{"mine"}));

    // Broken files leave the lists as they were, except the macro list,
    // which is emptied first.
    WriteText(defaults.Path() / "default_light.json", "{ broken");
    WriteText(user.Path() / "kb" / "macro.config", "[]");
    std::filesystem::remove(user.Path() / "kb" / "tolvar_light.config");
    page.LoadNameLists();
    EXPECT_TRUE(page.MacroNames().empty());
    EXPECT_EQ(page.LightModeNames(), (std::vector<std::string>{"wave", "static"}));
    EXPECT_EQ(page.UserPresetNames(), (std::vector<std::string>{"mine"}));
}

TEST(PageKeyFadeTest, OneFadeStepByIntensityAndKind) {
    struct Case {
        int value;
        int kind;
        int after;
    };
    const Case cases[] = {
        {20, 29, 15},  {20, 0, 12},   {20, 10, 12}, {200, 29, 155}, {140, 29, 100}, {200, 0, 160},
        {120, 29, 85}, {100, 29, 70}, {85, 29, 60}, {70, 29, 50},   {100, 0, 70},   {40, 0, 25},
        {40, 29, 30},  {40, 8, 30},   {16, 0, 15},  {1, 29, 0},     {0, 0, 0},
    };
    CVexmoorUSBDevice page;
    for (const Case& c : cases) {
        page.SetKeyIntensity(5, static_cast<uint8_t>(c.value));
        page.DecayKey(5, c.kind);
        EXPECT_EQ(page.KeyIntensity(5), c.after) << c.value << " kind " << c.kind;
    }
    page.DecayKey(-1, 0);
    page.DecayKey(171, 0);
    page.ClearKeyState();
    EXPECT_EQ(page.KeyIntensity(5), 0);
}

// A page that answers the writing sequence with a chosen macro result.
class ScriptedPage : public CVexmoorUSBDevice {
public:
    explicit ScriptedPage(int macroResult) : m_macroResult(macroResult) {}
    int LoadProfile() override {
        Log("LoadProfile");
        return 1;
    }
    void OnMacrosChanged() override { Log("OnMacrosChanged"); }
    void RefreshUi() override { Log("RefreshUi"); }
    int WriteSettings(int slot, int value, int flag, int, int) override {
        Log("WriteSettings " + std::to_string(slot) + std::to_string(value) + std::to_string(flag));
        return 1;
    }
    std::vector<int> CollectMacroRefs() override {
        Log("CollectMacroRefs");
        return {4, 2};
    }
    int WriteMacros(const std::vector<int>& list) override {
        Log("WriteMacros " + std::to_string(list.size()));
        return m_macroResult;
    }
    int WriteKeyTableSlot(int slot) override {
        Log("WriteKeyTableSlot " + std::to_string(slot));
        return 1;
    }
    void Log(const std::string& call) { calls.push_back(call); }
    std::vector<std::string> calls;

private:
    int m_macroResult;
};

TEST(PageProfileWriteTest, MacrosThatDoNotFitStopBeforeTheKeyTable) {
    struct Case {
        int macroResult;
        bool keyTable;
        const char* message;
    };
    const Case cases[] = {
        {0, true, ""}, {-1, true, "message_text_7"}, {3, false, "message_text_16"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.macroResult);
        ScriptedPage page(c.macroResult);
        const pages::ProfileWriteResult result = pages::WriteProfileToDevice(page, "Game");
        EXPECT_EQ(page.GetCurrentProfileName(), "Game");
        EXPECT_EQ(result.macroResult, c.macroResult);
        EXPECT_EQ(result.keyTableWritten, c.keyTable);
        EXPECT_EQ(result.messageKey, c.message);
        std::vector<std::string> expected = {"LoadProfile",      "OnMacrosChanged",
                                             "RefreshUi",        "WriteSettings 001",
                                             "CollectMacroRefs", "WriteMacros 2"};
        if (c.keyTable) {
            expected.push_back("WriteKeyTableSlot 0");
        }
        EXPECT_EQ(page.calls, expected);
    }
}

}  // namespace
