#include "profile/CMouseProfiledata.h"

#include "profile/JsonAccess.h"
#include "profile/WideText.h"

namespace profile {
namespace {

uint32_t Half(const Json::Value& object, const char* key) {
    return static_cast<uint32_t>(IntegerOf(MemberOf(object, key))) & 0xFFFF;
}

uint8_t ByteOf(const Json::Value& object, const char* key) {
    return static_cast<uint8_t>(IntegerOf(MemberOf(object, key)));
}

}  // namespace

std::vector<DpiStage> CMouseProfiledata::ReadDPIStages() {
    const Json::Value& stages = MemberOf(m_profileDocument, "DPIStages");
    if (stages.isObject()) {
        m_activeStage = static_cast<int>(IntegerOf(MemberOf(stages, "StageActive")));
        const Json::Value& list = MemberOf(stages, "StageDPIs");
        if (list.isArray()) {
            if (m_dpiStages.size() < list.size()) {
                m_dpiStages.resize(list.size());
            }
            for (Json::ArrayIndex i = 0; i < list.size(); ++i) {
                const Json::Value& element = list[i];
                DpiStage& stage = m_dpiStages[i];
                stage.stageActive = ByteOf(element, "StageActive");
                stage.stageXY = ByteOf(element, "StageXY");
                stage.stageDPIX = static_cast<uint16_t>(Half(element, "StageDPIX"));
                stage.stageDPIY = static_cast<uint16_t>(Half(element, "StageDPIY"));
                stage.stageColorR = ByteOf(element, "StageColorR");
                stage.stageColorG = ByteOf(element, "StageColorG");
                stage.stageColorB = ByteOf(element, "StageColorB");
            }
        }
    }
    return m_dpiStages;
}

void CMouseProfiledata::WriteDPIStages(const std::vector<DpiStage>& list) {
    m_dpiStages = list;
    if (list.empty()) {
        return;
    }
    Json::Value& stages = ObjectMember(ObjectMember(WritableDocument(), "DPIStages"), "StageDPIs");
    for (size_t i = 0; i < list.size(); ++i) {
        Json::Value& element = ArrayElement(stages, static_cast<uint32_t>(i));
        const DpiStage& stage = list[i];
        ObjectMember(element, "StageActive") = stage.stageActive;
        ObjectMember(element, "StageXY") = stage.stageXY;
        ObjectMember(element, "StageDPIX") = stage.stageDPIX;
        ObjectMember(element, "StageDPIY") = stage.stageDPIY;
        ObjectMember(element, "StageColorR") = stage.stageColorR;
        ObjectMember(element, "StageColorG") = stage.stageColorG;
        ObjectMember(element, "StageColorB") = stage.stageColorB;
    }
}

void CMouseProfiledata::WriteActiveStage(int stage) {
    m_activeStage = stage;
    ObjectMember(ObjectMember(WritableDocument(), "DPIStages"), "StageActive") = stage;
}

SystemWords CMouseProfiledata::ReadMouseSystem() {
    const Json::Value& system = MemberOf(m_profileDocument, "SystemStages");
    SystemWords words;
    if (system.isObject()) {
        words.a = Half(system, "DoubleClickTime") | Half(system, "MouseSpeed") << 16;
        words.b = Half(system, "PointerPrecision") | Half(system, "ScorllPage") << 16;
        words.c = Half(system, "WheelScorlllinse");
        const Json::Value& report = MemberOf(m_profileDocument, "ReportStages");
        if (report.isObject()) {
            words.c |= Half(report, "StageActive") << 16;
        }
    }
    m_system = words;
    return words;
}

void CMouseProfiledata::WriteMouseSystem(uint32_t a, uint32_t b, uint32_t c) {
    m_system = {a, b, c};
    Json::Value& document = WritableDocument();
    Json::Value& system = ObjectMember(document, "SystemStages");
    ObjectMember(system, "DoubleClickTime") = a & 0xFFFF;
    ObjectMember(system, "MouseSpeed") = a >> 16;
    ObjectMember(system, "PointerPrecision") = b & 0xFFFF;
    ObjectMember(system, "ScorllPage") = b >> 16;
    ObjectMember(system, "WheelScorlllinse") = c & 0xFFFF;
    ObjectMember(ObjectMember(document, "ReportStages"), "StageActive") = c >> 16;
}

std::vector<CorrectEntry> CMouseProfiledata::ReadCorrectInfo() {
    std::vector<CorrectEntry> list;
    const Json::Value& corrections = MemberOf(m_profileDocument, "CorrectInfo");
    if (corrections.isArray()) {
        for (const Json::Value& element : corrections) {
            CorrectEntry entry;
            entry.correctPixThresh = ByteOf(element, "CorrectPixThresh");
            entry.correctMinSq = ByteOf(element, "CorrectMinSq");
            entry.correctSelect = ByteOf(element, "CorrectSelect");
            entry.correctName = Utf8ToWide(StringOf(MemberOf(element, "CorrectName")));
            list.push_back(entry);
        }
    }
    m_corrections = list;
    return list;
}

}  // namespace profile
