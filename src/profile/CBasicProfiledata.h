// The profile data of one device page: the device entry of the current
// profile file as a JSON document, and the sections decoded from it. Read
// operations decode a section and keep a copy; write operations change the
// record and the document in memory; Save writes the document into the file.
// The mouse pad and headset lighting use this class directly.
#pragma once

#include <json/json.h>

#include <filesystem>
#include <vector>

#include "platform/FileStore.h"
#include "profile/ProfileRecords.h"

namespace profile {

class CBasicProfiledata {
public:
    CBasicProfiledata() = default;
    virtual ~CBasicProfiledata() = default;
    CBasicProfiledata(const CBasicProfiledata&) = delete;
    CBasicProfiledata& operator=(const CBasicProfiledata&) = delete;

    // Writes the profile document into the profile file. False when the file
    // could not be written; the old file then stays as it was.
    virtual bool Save();
    // Puts `document` as element device index of "Device" into the file at
    // `path`, keeping every other member and element of that file.
    virtual bool SaveDocumentTo(const Json::Value& document, const std::filesystem::path& path);
    virtual bool SaveDefaultTo(const std::filesystem::path& path);
    // The file content becomes exactly `document`.
    virtual bool WriteDocument(const Json::Value& document, const std::filesystem::path& path);

    void SetProfilePath(const std::filesystem::path& path);
    std::filesystem::path GetProfilePath() const { return m_profilePath; }
    void SetDefaultPath(const std::filesystem::path& path);
    std::filesystem::path GetDefaultPath() const { return m_defaultPath; }
    void SetLightConfigPath(const std::filesystem::path& path) { m_lightConfigPath = path; }
    std::filesystem::path GetLightConfigPath() const { return m_lightConfigPath; }
    void SetDeviceIndex(int index) { m_deviceIndex = index; }
    int GetDeviceIndex() const { return m_deviceIndex; }

    // Loads the device entry of the file at `path` and returns the loaded
    // document (valid until the next load). A file without the entry gets it
    // from the default profile and is written back at once.
    const Json::Value& LoadDocument(const std::filesystem::path& path);
    const Json::Value& LoadDefaultDocument(const std::filesystem::path& path);

    LightInfo ReadLightInfo();
    void WriteLightInfo(uint32_t w1, uint32_t w2, uint32_t w3, uint16_t w4);
    AudioLightInfo ReadAudioLightInfo();
    void WriteAudioLightInfo(uint32_t w1, uint32_t w2, uint8_t b);
    std::vector<AreaLight> ReadLightList();

    Json::Value LoadLightConfig(const std::filesystem::path& path);
    // The steps of the user light effect the selected mode names, read from
    // the effect file the light config points to; empty when there is none.
    std::vector<EffectStep> LoadCustomEffect();

    std::vector<KeyEntry> ReadKeyList();
    std::vector<KeyEntry> ReadDefaultKeyList();
    // Writes the current codes of the first entries; "DefaultAssignment" and
    // the entries beyond the list stay as they are.
    void WriteKeyList(const std::vector<KeyEntry>& list);
    void WriteDefaultKeyList(const std::vector<KeyEntry>& list);

    const Json::Value& ProfileDocument() const { return m_profileDocument; }
    const Json::Value& DefaultDocument() const { return m_defaultDocument; }
    const Json::Value& LightConfigDocument() const { return m_lightConfigDocument; }

protected:
    // The profile document for writing; it becomes an object when it is not.
    Json::Value& WritableDocument();

    std::filesystem::path m_profilePath;
    std::filesystem::path m_defaultPath;
    int m_builtInModeCount = 0;
    LightInfo m_lightInfo;
    const LightInfo m_fallbackLightInfo;
    AudioLightInfo m_audioLightInfo;
    std::vector<AreaLight> m_areaLights;
    Json::Value m_profileDocument;
    Json::Value m_defaultDocument;
    std::filesystem::path m_lightConfigPath;
    std::vector<EffectStep> m_effectSteps;
    Json::Value m_lightConfigDocument;
    std::vector<KeyEntry> m_keyList;
    std::vector<KeyEntry> m_defaultKeyList;
    int m_deviceIndex = 0;

private:
    // Reads the file and takes the device entry out of it; `keep` keeps the
    // rest of the file for Save.
    Json::Value LoadEntry(const std::filesystem::path& path, bool keep);
    void KeepFile(const std::filesystem::path& path, const platform::FileStamp& stamp,
                  Json::Value& file);

    // The profile file as last read or written, without its device entry, and
    // the stamp of that version. Save reuses it instead of parsing the file
    // again while the file on disk is that version.
    std::filesystem::path m_keptPath;
    platform::FileStamp m_keptStamp;
    Json::Value m_keptFile;
    bool m_hasKeptFile = false;
};

}  // namespace profile
