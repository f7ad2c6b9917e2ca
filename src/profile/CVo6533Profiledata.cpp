#include "profile/CVo6533Profiledata.h"

#include "profile/JsonAccess.h"
#include "profile/WideText.h"

namespace profile {
namespace {

// More custom equalisers than the editor allows (20) are tolerated, but an
// absurd number would only make a write create a huge array of nulls.
constexpr int kMaxCustomEqualisers = 256;

struct SettingKey {
    const char* key;
    int32_t SystemSetStages::*field;
};

constexpr SettingKey kSettingKeys[] = {
    {"MagicEnable", &SystemSetStages::magicEnable},
    {"MagicType", &SystemSetStages::magicType},
    {"EqType", &SystemSetStages::eqType},
    {"CustomEqSeletIndex", &SystemSetStages::customEqSeletIndex},
    {"MicInSelect", &SystemSetStages::micInSelect},
    {"MicInValue", &SystemSetStages::micInValue},
    {"MicMoniterSelect", &SystemSetStages::micMoniterSelect},
    {"MicMoniterValue", &SystemSetStages::micMoniterValue},
};

// The preset element of an equaliser type; -1 for the custom type.
int PresetElement(int type) {
    if (type == CVo6533Profiledata::kCustomEqType) {
        return -1;
    }
    return type >= 1 && type <= 12 ? type : 1;
}

// Reads ten bands of `bands`; when the element is missing it is created with
// zeros, as the editor expects every preset to exist after a read.
std::vector<int> ReadBands(Json::Value& list, uint32_t element) {
    std::vector<int> values(CVo6533Profiledata::kBands, 0);
    const Json::Value& existing = ElementOf(list, element);
    if (!existing.isArray()) {
        Json::Value& bands = ArrayElement(list, element);
        bands = Json::Value(Json::arrayValue);
        for (uint32_t b = 0; b < CVo6533Profiledata::kBands; ++b) {
            ArrayElement(bands, b)["value"] = 0;
        }
        return values;
    }
    for (uint32_t b = 0; b < CVo6533Profiledata::kBands; ++b) {
        values[b] = static_cast<int>(IntegerOf(MemberOf(ElementOf(existing, b), "value")));
    }
    return values;
}

void WriteBands(Json::Value& list, uint32_t element, const std::vector<int>& values) {
    Json::Value& bands = ArrayElement(list, element);
    for (size_t b = 0; b < values.size() && b < CVo6533Profiledata::kBands; ++b) {
        ObjectMember(ArrayElement(bands, static_cast<uint32_t>(b)), "value") = values[b];
    }
}

}  // namespace

SystemSetStages CVo6533Profiledata::ReadSystemSetStages() {
    const Json::Value& stages = MemberOf(m_profileDocument, "SystemSetStages");
    SystemSetStages values;
    for (const SettingKey& setting : kSettingKeys) {
        values.*setting.field = static_cast<int32_t>(IntegerOf(MemberOf(stages, setting.key)));
    }
    m_settings = values;
    return values;
}

void CVo6533Profiledata::WriteSystemSetStages(const SystemSetStages& values) {
    m_settings = values;
    Json::Value& stages = ObjectMember(WritableDocument(), "SystemSetStages");
    for (const SettingKey& setting : kSettingKeys) {
        ObjectMember(stages, setting.key) = values.*setting.field;
    }
}

std::vector<int> CVo6533Profiledata::ReadEqValues(int type) {
    int element = PresetElement(type);
    if (element < 0) {
        return {};
    }
    Json::Value& presets = ObjectMember(WritableDocument(), "EQHzValueInfo");
    return ReadBands(presets, static_cast<uint32_t>(element));
}

void CVo6533Profiledata::WriteEqValues(int type, const std::vector<int>& values) {
    int element = PresetElement(type);
    if (element < 0) {
        return;
    }
    WriteBands(ObjectMember(WritableDocument(), "EQHzValueInfo"), static_cast<uint32_t>(element),
               values);
}

std::vector<std::wstring> CVo6533Profiledata::ReadCustomEqNames() {
    std::vector<std::wstring> names;
    const Json::Value& list = MemberOf(m_profileDocument, "CustomEQNameInfo");
    if (list.isArray()) {
        for (const Json::Value& element : list) {
            names.push_back(Utf8ToWide(StringOf(MemberOf(element, "Name"))));
        }
    }
    return names;
}

void CVo6533Profiledata::WriteCustomEqNames(const std::vector<std::wstring>& names) {
    Json::Value list(Json::arrayValue);
    for (const std::wstring& name : names) {
        Json::Value element(Json::objectValue);
        element["Name"] = WideToUtf8(name);
        list.append(element);
    }
    WritableDocument()["CustomEQNameInfo"] = list;
}

std::vector<int> CVo6533Profiledata::ReadCustomEqValues(int number) {
    if (number < 0 || number >= kMaxCustomEqualisers) {
        return std::vector<int>(kBands, 0);
    }
    Json::Value& custom = ObjectMember(WritableDocument(), "CustomEQHzValueInfo");
    return ReadBands(custom, static_cast<uint32_t>(number));
}

void CVo6533Profiledata::WriteCustomEqValues(int number, const std::vector<int>& values) {
    if (number < 0 || number >= kMaxCustomEqualisers) {
        return;
    }
    WriteBands(ObjectMember(WritableDocument(), "CustomEQHzValueInfo"),
               static_cast<uint32_t>(number), values);
}

}  // namespace profile
