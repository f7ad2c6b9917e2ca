#include "profile/CKeyboardProfiledata.h"

#include "profile/JsonAccess.h"

namespace profile {
namespace {

// Larger groups or counts than any keyboard has would only make a write
// create huge arrays of nulls.
constexpr int kMaxGroups = 256;
constexpr int kMaxColors = 512;

uint32_t Half(const Json::Value& object, const char* key) {
    return static_cast<uint32_t>(IntegerOf(MemberOf(object, key))) & 0xFFFF;
}

Json::Value ZeroColor() {
    Json::Value color(Json::objectValue);
    color["Red"] = 0;
    color["Green"] = 0;
    color["Blue"] = 0;
    color["Alpha"] = 0;
    return color;
}

}  // namespace

SystemWords CKeyboardProfiledata::ReadSystemStages() {
    const Json::Value& stages = MemberOf(m_profileDocument, "SystemStages");
    SystemWords words;
    if (stages.isObject()) {
        words.a = Half(stages, "Repeat") | Half(stages, "RepeatDelay") << 16;
        words.b = Half(stages, "Key6Flag") | Half(stages, "PollingRate") << 16;
        words.c = Half(stages, "WFlag") | Half(stages, "WinFlag") << 16;
    }
    m_system = words;
    return words;
}

void CKeyboardProfiledata::WriteSystemStages(uint32_t a, uint32_t b, uint32_t c) {
    m_system = {a, b, c};
    Json::Value& stages = ObjectMember(WritableDocument(), "SystemStages");
    ObjectMember(stages, "Repeat") = a & 0xFFFF;
    ObjectMember(stages, "RepeatDelay") = a >> 16;
    ObjectMember(stages, "Key6Flag") = b & 0xFFFF;
    ObjectMember(stages, "PollingRate") = b >> 16;
    ObjectMember(stages, "WFlag") = c & 0xFFFF;
    ObjectMember(stages, "WinFlag") = c >> 16;
}

std::vector<CustomColor> CKeyboardProfiledata::ReadCustomColors(int group, int count) {
    std::vector<CustomColor> list;
    if (group < 0 || group >= kMaxGroups || count <= 0 || count > kMaxColors) {
        m_customColors = list;
        return list;
    }
    Json::Value& groups =
        ObjectMember(ObjectMember(WritableDocument(), "CustomLightMode"), "LightColorInfo");
    Json::Value& colors = ArrayElement(groups, static_cast<uint32_t>(group));
    if (!colors.isArray()) {
        colors = Json::Value(Json::arrayValue);
    }
    list.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Json::Value& element = ArrayElement(colors, static_cast<uint32_t>(i));
        if (!element.isObject()) {
            element = ZeroColor();
            continue;
        }
        CustomColor& color = list[static_cast<size_t>(i)];
        color.red = static_cast<uint8_t>(IntegerOf(MemberOf(element, "Red")));
        color.green = static_cast<uint8_t>(IntegerOf(MemberOf(element, "Green")));
        color.blue = static_cast<uint8_t>(IntegerOf(MemberOf(element, "Blue")));
        color.alpha = static_cast<uint8_t>(IntegerOf(MemberOf(element, "Alpha")));
    }
    m_customColors = list;
    return list;
}

void CKeyboardProfiledata::WriteCustomColors(const std::vector<CustomColor>& list, int group) {
    m_customColors = list;
    if (group < 0 || group >= kMaxGroups || list.empty()) {
        return;
    }
    Json::Value& groups =
        ObjectMember(ObjectMember(WritableDocument(), "CustomLightMode"), "LightColorInfo");
    Json::Value& colors = ArrayElement(groups, static_cast<uint32_t>(group));
    for (size_t i = 0; i < list.size() && i < static_cast<size_t>(kMaxColors); ++i) {
        Json::Value& element = ArrayElement(colors, static_cast<uint32_t>(i));
        ObjectMember(element, "Red") = list[i].red;
        ObjectMember(element, "Green") = list[i].green;
        ObjectMember(element, "Blue") = list[i].blue;
        ObjectMember(element, "Alpha") = list[i].alpha;
    }
}

int CKeyboardProfiledata::ReadCustomGroupIndex() {
    m_customGroupIndex = static_cast<int>(IntegerOf(
        MemberOf(MemberOf(m_profileDocument, "CustomLightMode"), "CustomLightModeGroupIndex")));
    return m_customGroupIndex;
}

void CKeyboardProfiledata::WriteCustomGroupIndex(int index) {
    m_customGroupIndex = index;
    ObjectMember(ObjectMember(WritableDocument(), "CustomLightMode"), "CustomLightModeGroupIndex") =
        index;
}

}  // namespace profile
