// Every lighting mode the default data names must have a text in each language
// the skin ships; a missing one would show its bare key in the mode list.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "profile/JsonFile.h"

namespace {

namespace fs = std::filesystem;

TEST(ModeNameTexts, EveryDefaultModeNameIsTranslatedInEveryLanguage) {
    const fs::path source = ZENTOR_SOURCE_DIR;
    Json::Value lights = profile::ReadJsonFile(source / "DefaultData" / "default_light.json");
    const Json::Value& models = lights["DefaultLightName"];
    ASSERT_TRUE(models.isArray() && models.size() > 0);
    for (const char* language : {"lan_cn.xml", "lan_en.xml"}) {
        const std::string texts = profile::ReadFileText(source / "skin" / language);
        ASSERT_FALSE(texts.empty()) << language;
        for (Json::ArrayIndex model = 0; model < models.size(); ++model) {
            for (const Json::Value& mode : models[model]) {
                const std::string key = mode["LightName"].asString();
                EXPECT_NE(texts.find("id=\"" + key + "\""), std::string::npos)
                    << language << " has no text for " << key << " (model " << model << ")";
            }
        }
    }
}

}  // namespace
