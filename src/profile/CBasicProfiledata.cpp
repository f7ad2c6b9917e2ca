#include "profile/CBasicProfiledata.h"

#include "platform/FileStore.h"
#include "profile/JsonAccess.h"
#include "profile/JsonFile.h"

namespace profile {
namespace fs = std::filesystem;

namespace {

// Pages only ever use element 0; a larger index would make a write grow the
// "Device" array by that many nulls.
constexpr int kMaxDeviceIndex = 255;

bool UsableIndex(int index) {
    return index >= 0 && index <= kMaxDeviceIndex;
}

uint8_t ByteOf(const Json::Value& object, const char* key) {
    return static_cast<uint8_t>(IntegerOf(MemberOf(object, key)));
}

uint8_t FlagByteOf(const Json::Value& object, const char* key) {
    return FlagOf(MemberOf(object, key)) ? 1 : 0;
}

std::vector<KeyEntry> DecodeKeyList(const Json::Value& document) {
    std::vector<KeyEntry> list;
    const Json::Value& keys = MemberOf(document, "KeyList");
    if (!keys.isArray()) {
        return list;
    }
    list.reserve(keys.size());
    for (Json::ArrayIndex i = 0; i < keys.size(); ++i) {
        const Json::Value& element = keys[i];
        KeyEntry entry;
        entry.position = static_cast<uint16_t>(i);
        entry.code = AssignmentCode::FromValue(
            static_cast<uint32_t>(IntegerOf(MemberOf(element, "Assignment"))));
        entry.positionAgain = static_cast<uint16_t>(i);
        entry.defaultCode = AssignmentCode::FromValue(
            static_cast<uint32_t>(IntegerOf(MemberOf(element, "DefaultAssignment"))));
        list.push_back(entry);
    }
    return list;
}

void EncodeKeyList(Json::Value& document, const std::vector<KeyEntry>& list) {
    if (list.empty()) {
        return;
    }
    Json::Value& keys = ObjectMember(document, "KeyList");
    for (size_t i = 0; i < list.size(); ++i) {
        Json::Value& element = ArrayElement(keys, static_cast<uint32_t>(i));
        ObjectMember(element, "Assignment") = static_cast<Json::Int>(list[i].code.Value());
    }
}

}  // namespace

bool CBasicProfiledata::Save() {
    if (m_profilePath.empty() || !UsableIndex(m_deviceIndex)) {
        return false;
    }
    Json::Value file;
    platform::FileStamp current;
    if (m_hasKeptFile && m_keptPath == m_profilePath &&
        platform::StampFile(m_profilePath, current) && current == m_keptStamp) {
        file.swap(m_keptFile);
    } else {
        file = ReadJsonFile(m_profilePath);
    }
    m_hasKeptFile = false;
    // The document is lent to the file value instead of copied: a keyboard
    // profile is large and Save runs after every edit.
    Json::Value& slot =
        ArrayElement(ObjectMember(file, "Device"), static_cast<uint32_t>(m_deviceIndex));
    slot.swap(m_profileDocument);
    platform::FileStamp written;
    bool ok = TryWriteJsonFile(file, m_profilePath, &written);
    slot.swap(m_profileDocument);
    if (ok) {
        KeepFile(m_profilePath, written, file);
    }
    return ok;
}

void CBasicProfiledata::KeepFile(const fs::path& path, const platform::FileStamp& stamp,
                                 Json::Value& file) {
    ArrayElement(ObjectMember(file, "Device"), static_cast<uint32_t>(m_deviceIndex)) =
        Json::Value();
    m_keptFile.swap(file);
    m_keptPath = path;
    m_keptStamp = stamp;
    m_hasKeptFile = true;
}

bool CBasicProfiledata::SaveDocumentTo(const Json::Value& document, const fs::path& path) {
    if (path.empty() || !UsableIndex(m_deviceIndex)) {
        return false;
    }
    Json::Value file = ReadJsonFile(path);
    ArrayElement(ObjectMember(file, "Device"), static_cast<uint32_t>(m_deviceIndex)) = document;
    return TryWriteJsonFile(file, path);
}

bool CBasicProfiledata::SaveDefaultTo(const fs::path& path) {
    return SaveDocumentTo(m_defaultDocument, path);
}

bool CBasicProfiledata::WriteDocument(const Json::Value& document, const fs::path& path) {
    return TryWriteJsonFile(document, path);
}

void CBasicProfiledata::SetProfilePath(const fs::path& path) {
    if (!path.empty()) {
        m_profilePath = path;
    }
}

void CBasicProfiledata::SetDefaultPath(const fs::path& path) {
    if (!path.empty()) {
        m_defaultPath = path;
    }
}

Json::Value CBasicProfiledata::LoadEntry(const fs::path& path, bool keep) {
    // The stamp is taken before the read: a change in between makes the kept
    // copy look outdated, never the other way round.
    platform::FileStamp stamp;
    bool stamped = platform::StampFile(path, stamp);
    Json::Value file = ReadJsonFile(path);
    const Json::Value& entry = ElementOf(MemberOf(file, "Device"), m_deviceIndex);
    if (!UsableIndex(m_deviceIndex)) {
        return Json::Value();
    }
    Json::Value taken;
    if (entry.isObject()) {
        taken.swap(file["Device"][static_cast<Json::ArrayIndex>(m_deviceIndex)]);
        if (keep && stamped) {
            KeepFile(path, stamp, file);
        }
        return taken;
    }
    // A device entry that is not an object (null, or of a wrong type) is
    // missing: the default profile's entry takes its place in the file.
    Json::Value defaultFile = ReadJsonFile(m_defaultPath);
    taken = ElementOf(MemberOf(defaultFile, "Device"), m_deviceIndex);
    Json::Value& slot =
        ArrayElement(ObjectMember(file, "Device"), static_cast<uint32_t>(m_deviceIndex));
    slot.swap(taken);
    platform::FileStamp written;
    bool ok = TryWriteJsonFile(file, path, &written);
    slot.swap(taken);
    if (ok && keep) {
        KeepFile(path, written, file);
    }
    return taken;
}

const Json::Value& CBasicProfiledata::LoadDocument(const fs::path& path) {
    m_hasKeptFile = false;
    m_profileDocument = LoadEntry(path, true);
    return m_profileDocument;
}

const Json::Value& CBasicProfiledata::LoadDefaultDocument(const fs::path& path) {
    m_defaultDocument = LoadEntry(path, false);
    return m_defaultDocument;
}

Json::Value& CBasicProfiledata::WritableDocument() {
    if (!m_profileDocument.isObject()) {
        m_profileDocument = Json::Value(Json::objectValue);
    }
    return m_profileDocument;
}

LightInfo CBasicProfiledata::ReadLightInfo() {
    const Json::Value& light = MemberOf(m_profileDocument, "LightInfo");
    if (!light.isObject()) {
        m_lightInfo = m_fallbackLightInfo;
        return m_lightInfo;
    }
    LightInfo info;
    info.selectItem = ByteOf(light, "SelectItem");
    info.light = ByteOf(light, "Light");
    info.speed = ByteOf(light, "Speed");
    info.fx = ByteOf(light, "Fx");
    info.multiColor = FlagByteOf(light, "MultiColor");
    info.red = ByteOf(light, "Red");
    info.green = ByteOf(light, "Green");
    info.blue = ByteOf(light, "Blue");
    info.zzccLedMode = ByteOf(light, "ZZCCLedMode");
    info.customGroup = ByteOf(light, "CustomGroup");
    info.oldLedmode = ByteOf(light, "OldLedmode");
    m_lightInfo = info;
    return m_lightInfo;
}

void CBasicProfiledata::WriteLightInfo(uint32_t w1, uint32_t w2, uint32_t w3, uint16_t w4) {
    m_lightInfo = FromWords({w1, w2, w3, w4});
    Json::Value light(Json::objectValue);
    light["SelectItem"] = m_lightInfo.selectItem;
    light["Light"] = m_lightInfo.light;
    light["Speed"] = m_lightInfo.speed;
    light["Fx"] = m_lightInfo.fx;
    light["MultiColor"] = m_lightInfo.multiColor;
    light["Red"] = m_lightInfo.red;
    light["Green"] = m_lightInfo.green;
    light["Blue"] = m_lightInfo.blue;
    light["ZZCCLedMode"] = m_lightInfo.zzccLedMode;
    light["CustomGroup"] = m_lightInfo.customGroup;
    light["OldLedmode"] = m_lightInfo.oldLedmode;
    WritableDocument()["LightInfo"] = light;
}

AudioLightInfo CBasicProfiledata::ReadAudioLightInfo() {
    const Json::Value& audio = MemberOf(m_profileDocument, "AudioLightInfo");
    AudioLightInfo info;
    if (audio.isObject()) {
        info.audioMode = ByteOf(audio, "AudioMode");
        info.bkColorR = ByteOf(audio, "BkColorR");
        info.bkColorG = ByteOf(audio, "BkColorG");
        info.bkColorB = ByteOf(audio, "BkColorB");
        info.fgColorR = ByteOf(audio, "FgColorR");
        info.fgColorG = ByteOf(audio, "FgColorG");
        info.fgColorB = ByteOf(audio, "FgColorB");
        info.sevenColorFlags = FlagByteOf(audio, "7ColorFlags");
        info.colorTypeFlags = FlagByteOf(audio, "ColorTypeFlags");
    }
    m_audioLightInfo = info;
    return m_audioLightInfo;
}

void CBasicProfiledata::WriteAudioLightInfo(uint32_t w1, uint32_t w2, uint8_t b) {
    AudioLightInfo& info = m_audioLightInfo;
    info.audioMode = static_cast<uint8_t>(w1);
    info.bkColorR = static_cast<uint8_t>(w1 >> 8);
    info.bkColorG = static_cast<uint8_t>(w1 >> 16);
    info.bkColorB = static_cast<uint8_t>(w1 >> 24);
    info.fgColorR = static_cast<uint8_t>(w2);
    info.fgColorG = static_cast<uint8_t>(w2 >> 8);
    info.fgColorB = static_cast<uint8_t>(w2 >> 16);
    info.sevenColorFlags = static_cast<uint8_t>(w2 >> 24);
    info.colorTypeFlags = b;
    Json::Value audio(Json::objectValue);
    audio["AudioMode"] = info.audioMode;
    audio["BkColorR"] = info.bkColorR;
    audio["BkColorG"] = info.bkColorG;
    audio["BkColorB"] = info.bkColorB;
    audio["FgColorR"] = info.fgColorR;
    audio["FgColorG"] = info.fgColorG;
    audio["FgColorB"] = info.fgColorB;
    audio["7ColorFlags"] = info.sevenColorFlags;
    audio["ColorTypeFlags"] = info.colorTypeFlags;
    WritableDocument()["AudioLightInfo"] = audio;
}

std::vector<AreaLight> CBasicProfiledata::ReadLightList() {
    std::vector<AreaLight> list;
    const Json::Value& areas = MemberOf(m_profileDocument, "LightList");
    if (areas.isArray()) {
        for (const Json::Value& element : areas) {
            AreaLight area;
            if (element.isObject()) {
                area.regMode = ByteOf(element, "LEDREGMode");
                area.brightness = ByteOf(element, "LEDBrightness");
                area.speed = ByteOf(element, "LEDSpeed");
                area.direction = FlagByteOf(element, "LEDDirection");
                area.multiColor = FlagByteOf(element, "LEDMultiColor");
                area.red = ByteOf(element, "red");
                area.green = ByteOf(element, "green");
                area.blue = ByteOf(element, "blue");
                area.defined = 1;
            }
            list.push_back(area);
        }
    }
    m_areaLights = list;
    return list;
}

Json::Value CBasicProfiledata::LoadLightConfig(const fs::path& path) {
    m_lightConfigDocument = ReadJsonFile(path);
    return m_lightConfigDocument;
}

std::vector<EffectStep> CBasicProfiledata::LoadCustomEffect() {
    if (m_lightConfigDocument.isNull()) {
        return m_effectSteps;
    }
    int select = m_lightInfo.selectItem;
    if (select < m_builtInModeCount) {
        return m_effectSteps;
    }
    const Json::Value& effects =
        ElementOf(MemberOf(m_lightConfigDocument, "LightInfo"), m_deviceIndex);
    std::string guid = StringOf(MemberOf(ElementOf(effects, select - m_builtInModeCount), "Guid"));
    Json::Value effect = ReadJsonFile(fs::path(guid + ".light"));
    std::vector<EffectStep> steps;
    const Json::Value& list = MemberOf(effect, "LEDEffectList");
    if (list.isArray()) {
        steps.resize(list.size());
        for (Json::ArrayIndex i = 0; i < list.size(); ++i) {
            const Json::Value& element = list[i];
            EffectStep& step = steps[i];
            step.regMode = ByteOf(element, "LEDREGMode");
            step.brightness = ByteOf(element, "LEDBrightness");
            step.speed = ByteOf(element, "LEDSpeed");
            step.direction = ByteOf(element, "LEDDirection");
            step.multiColor = ByteOf(element, "LEDMultiColor");
            step.red = ByteOf(element, "red");
            step.green = ByteOf(element, "green");
            step.blue = ByteOf(element, "blue");
            step.time = static_cast<int32_t>(IntegerOf(MemberOf(element, "Time")));
            step.cyle = static_cast<int32_t>(IntegerOf(MemberOf(element, "Cyle")));
        }
    }
    m_effectSteps = steps;
    return steps;
}

std::vector<KeyEntry> CBasicProfiledata::ReadKeyList() {
    m_keyList = DecodeKeyList(m_profileDocument);
    return m_keyList;
}

std::vector<KeyEntry> CBasicProfiledata::ReadDefaultKeyList() {
    m_defaultKeyList = DecodeKeyList(m_defaultDocument);
    return m_defaultKeyList;
}

void CBasicProfiledata::WriteKeyList(const std::vector<KeyEntry>& list) {
    m_keyList = list;
    EncodeKeyList(m_profileDocument, list);
}

void CBasicProfiledata::WriteDefaultKeyList(const std::vector<KeyEntry>& list) {
    m_defaultKeyList = list;
    EncodeKeyList(m_defaultDocument, list);
}

}  // namespace profile
