// The headset's profile data: the lighting of the base, the eight audio
// settings ("SystemSetStages"), the built-in equaliser presets
// ("EQHzValueInfo") and the user's custom equalisers.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "profile/CBasicProfiledata.h"

namespace profile {

// The eight audio settings in their stored order.
struct SystemSetStages {
    int32_t magicEnable = 0;
    int32_t magicType = 0;
    int32_t eqType = 0;
    int32_t customEqSeletIndex = 0;
    int32_t micInSelect = 0;
    int32_t micInValue = 0;
    int32_t micMoniterSelect = 0;
    int32_t micMoniterValue = 0;
};

class CVo6533Profiledata : public CBasicProfiledata {
public:
    static constexpr int kBands = 10;
    // EqType of the custom equaliser; it has no preset element.
    static constexpr int kCustomEqType = 13;

    SystemSetStages ReadSystemSetStages();
    void WriteSystemSetStages(const SystemSetStages& values);

    // The ten band values of preset `type` (0 and types above 13 read preset
    // 1). A missing preset is created in the document with zeros. Empty for
    // the custom type 13.
    std::vector<int> ReadEqValues(int type);
    // Writes up to ten values; nothing for type 13.
    void WriteEqValues(int type, const std::vector<int>& values);

    std::vector<std::wstring> ReadCustomEqNames();
    void WriteCustomEqNames(const std::vector<std::wstring>& names);
    std::vector<int> ReadCustomEqValues(int number);
    void WriteCustomEqValues(int number, const std::vector<int>& values);

private:
    SystemSetStages m_settings;
};

}  // namespace profile
