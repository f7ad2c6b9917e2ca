// The keyboard's profile data: the lighting and keys of the base, the system
// settings ("SystemStages") and the per-key custom colour groups
// ("CustomLightMode").
#pragma once

#include <vector>

#include "profile/CBasicProfiledata.h"

namespace profile {

class CKeyboardProfiledata : public CBasicProfiledata {
public:
    // A = Repeat | RepeatDelay << 16, B = Key6Flag | PollingRate << 16,
    // C = WFlag | WinFlag << 16; all 0 when the section is missing.
    SystemWords ReadSystemStages();
    void WriteSystemStages(uint32_t a, uint32_t b, uint32_t c);

    // The `count` colours of a group. Missing colours are created in the
    // document as black with alpha 0, so the next Save stores the full group.
    std::vector<CustomColor> ReadCustomColors(int group, int count);
    void WriteCustomColors(const std::vector<CustomColor>& list, int group);

    int ReadCustomGroupIndex();
    void WriteCustomGroupIndex(int index);

private:
    SystemWords m_system;
    std::vector<CustomColor> m_customColors;
    int m_customGroupIndex = 0;
};

}  // namespace profile
