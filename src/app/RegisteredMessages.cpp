#include "app/RegisteredMessages.h"

#include "platform/RegisteredMessage.h"

namespace app {
namespace {

RegisteredMessages g_messages;

struct NamedSlot {
    const char* name;
    uint32_t RegisteredMessages::*slot;
};

const NamedSlot kCompanion[] = {
    {kUpdateProcessGuid, &RegisteredMessages::updateProcess},
    {kLightControlAnnounceGuid, &RegisteredMessages::lightControlAnnounce},
    {kLightControlRequestGuid, &RegisteredMessages::lightControlRequest},
    {kWorkToolQueryGuid, &RegisteredMessages::workToolQuery},
    {kAudioRecordCommandGuid, &RegisteredMessages::audioRecordCommand},
};

const NamedSlot kHookAndGame[] = {
    {"WM_HOOK_KEY_SINGLEKEY_MSG", &RegisteredMessages::hookKeySingleKey},
    {"WM_HOOK_KEY_HITKEY_MSG", &RegisteredMessages::hookKeyHitKey},
    {"WM_HOOK_KEY_KBMACRO_MSG", &RegisteredMessages::hookKeyKbMacro},
    {"WM_HOOK_KEY_KBMACROPREVIOUS_MSG", &RegisteredMessages::hookKeyKbMacroPrevious},
    {"WM_HOOK_KEY_KBMACROLATER_MSG", &RegisteredMessages::hookKeyKbMacroLater},
    {"WM_HOOK_KEY_KBMACROSINGLE_MSG", &RegisteredMessages::hookKeyKbMacroSingle},
    {"WM_HOOK_KEY_MSMACRO_MSG", &RegisteredMessages::hookKeyMsMacro},
    {"WM_HOOK_KEY_MSMACROPREVIOUS_MSG", &RegisteredMessages::hookKeyMsMacroPrevious},
    {"WM_HOOK_KEY_MSMACROLATER_MSG", &RegisteredMessages::hookKeyMsMacroLater},
    {"WM_HOOK_KEY_MSMACROSINGLE_MSG", &RegisteredMessages::hookKeyMsMacroSingle},
    {"WM_HOOK_MOU_SINGLEKEY_MSG", &RegisteredMessages::hookMouSingleKey},
    {"WM_HOOK_MOU_HITKEY_MSG", &RegisteredMessages::hookMouHitKey},
    {"WM_HOOK_MOU_KBMACRO_MSG", &RegisteredMessages::hookMouKbMacro},
    {"WM_HOOK_MOU_MSMACRO_MSG", &RegisteredMessages::hookMouMsMacro},
    {"UWM_MOUSEMOVE_USER_MSG", &RegisteredMessages::mouseMove},
    {"UWM_MOUSELBUTTONDOWN_USER_MSG", &RegisteredMessages::mouseLButtonDown},
    {"UWM_MOUSELBUTTONUP_USER_MSG", &RegisteredMessages::mouseLButtonUp},
    {"UWM_MOUSERBUTTONDOWN_USER_MSG", &RegisteredMessages::mouseRButtonDown},
    {"UWM_MOUSERBUTTONUP_USER_MSG", &RegisteredMessages::mouseRButtonUp},
    {"Game_Start", &RegisteredMessages::gameStart},
    {"Game_End", &RegisteredMessages::gameEnd},
    {"Game_Kill", &RegisteredMessages::gameKill},
    {"Game_Death", &RegisteredMessages::gameDeath},
};

}  // namespace

const std::vector<std::string>& HookAndGameMessageNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const NamedSlot& entry : kHookAndGame) {
            list.emplace_back(entry.name);
        }
        return list;
    }();
    return names;
}

std::vector<std::string> AllRegisteredMessageNames() {
    std::vector<std::string> names{kAppTitle};
    for (const NamedSlot& entry : kCompanion) {
        names.emplace_back(entry.name);
    }
    const auto& others = HookAndGameMessageNames();
    names.insert(names.end(), others.begin(), others.end());
    return names;
}

uint32_t RegisterBroadcastMessage() {
    g_messages.broadcast = platform::RegisterMessage(kAppTitle);
    return g_messages.broadcast;
}

void RegisterCompanionMessages() {
    for (const NamedSlot& entry : kCompanion) {
        g_messages.*entry.slot = platform::RegisterMessage(entry.name);
    }
}

const RegisteredMessages& RegisterAllMessages() {
    RegisterBroadcastMessage();
    RegisterCompanionMessages();
    for (const NamedSlot& entry : kHookAndGame) {
        g_messages.*entry.slot = platform::RegisterMessage(entry.name);
    }
    return g_messages;
}

const RegisteredMessages& Messages() {
    return g_messages;
}

}  // namespace app
