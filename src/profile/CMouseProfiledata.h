// The mouse's profile data: the lighting and buttons of the base, the DPI
// stages, the pointer settings ("SystemStages", "ReportStages") and the sensor
// corrections ("CorrectInfo").
#pragma once

#include <vector>

#include "profile/CBasicProfiledata.h"

namespace profile {

class CMouseProfiledata : public CBasicProfiledata {
public:
    // Reads the stages into the stage list by position: read stages replace
    // the entries they reach and extend the list; reading never shortens it.
    std::vector<DpiStage> ReadDPIStages();
    void WriteDPIStages(const std::vector<DpiStage>& list);
    int GetActiveStage() const { return m_activeStage; }
    void WriteActiveStage(int stage);

    // A = DoubleClickTime | MouseSpeed << 16, B = PointerPrecision |
    // ScorllPage << 16, C = WheelScorlllinse | ReportStages.StageActive << 16.
    SystemWords ReadMouseSystem();
    void WriteMouseSystem(uint32_t a, uint32_t b, uint32_t c);

    std::vector<CorrectEntry> ReadCorrectInfo();

private:
    std::vector<DpiStage> m_dpiStages;
    int m_activeStage = 0;
    SystemWords m_system;
    std::vector<CorrectEntry> m_corrections;
};

}  // namespace profile
