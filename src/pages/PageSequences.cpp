#include "pages/PageSequences.h"

#include "pages/VexmoorUSBDevice.h"

namespace pages {

int ReadStateSequence(device::DeviceLink& link, const std::function<int()>& reads) {
    int result = link.Begin();
    if (result != device::kResultSuccess) {
        return result;
    }
    result = reads();
    link.End();
    return result;
}

int WriteBlockSequence(device::DeviceLink& link, const std::function<int()>& write) {
    link.Begin();
    int result = write();
    link.End();
    return result;
}

int StatusPollSequence(device::DeviceLink& link, uint8_t* status, uint8_t n) {
    if (!link.QueryWireless()) {
        return device::kResultUnreachable;
    }
    return link.ReadStatus(status, n, 0);
}

ProfileWriteResult WriteProfileToDevice(CVexmoorUSBDevice& page, const std::string& profileName) {
    ProfileWriteResult outcome;
    page.SetCurrentProfileName(profileName);
    page.LoadProfile();
    page.OnMacrosChanged();
    page.RefreshUi();
    page.WriteSettings(0, 0, 1, 0, 0);
    const std::vector<int> macros = page.CollectMacroRefs();
    outcome.macroResult = page.WriteMacros(macros);
    if (outcome.macroResult > 0) {
        // The macros do not fit: the key table would refer to macros the
        // device does not hold, so it is not written.
        outcome.messageKey = "message_text_16";
        return outcome;
    }
    if (outcome.macroResult == -1) {
        outcome.messageKey = "message_text_7";
    }
    page.WriteKeyTableSlot(0);
    outcome.keyTableWritten = true;
    return outcome;
}

}  // namespace pages
