// The program-wide registered messages: the broadcast message named after the
// title, the five companion messages named by GUID strings, and the hook, mouse
// and game messages. Their numbers are filled in once at start-up, before any
// worker runs, and only read afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace app {

constexpr char kAppTitle[] = "Zentor Keyboard";

// The companion messages, in the order they are registered.
constexpr char kUpdateProcessGuid[] = "{4695579F-999A-41d4-9FAF-EFFCE93EBF15}";
constexpr char kLightControlAnnounceGuid[] = "{4695579F-999A-41d4-9FAF-EFFCE93EBF16}";
constexpr char kLightControlRequestGuid[] = "{4695579F-999A-41d4-9FAF-EFFCE93EBF17}";
constexpr char kWorkToolQueryGuid[] = "{4695579F-999A-41d4-9FAF-EFFCE93EBF18}";
constexpr char kAudioRecordCommandGuid[] = "{4695579F-999A-41d4-9FAF-EFFCE93EBE19}";

struct RegisteredMessages {
    uint32_t broadcast = 0;
    uint32_t updateProcess = 0;
    uint32_t lightControlAnnounce = 0;
    uint32_t lightControlRequest = 0;
    uint32_t workToolQuery = 0;
    uint32_t audioRecordCommand = 0;

    uint32_t hookKeySingleKey = 0;
    uint32_t hookKeyHitKey = 0;
    uint32_t hookKeyKbMacro = 0;
    uint32_t hookKeyKbMacroPrevious = 0;
    uint32_t hookKeyKbMacroLater = 0;
    uint32_t hookKeyKbMacroSingle = 0;
    uint32_t hookKeyMsMacro = 0;
    uint32_t hookKeyMsMacroPrevious = 0;
    uint32_t hookKeyMsMacroLater = 0;
    uint32_t hookKeyMsMacroSingle = 0;
    uint32_t hookMouSingleKey = 0;
    uint32_t hookMouHitKey = 0;
    uint32_t hookMouKbMacro = 0;
    uint32_t hookMouMsMacro = 0;
    uint32_t mouseMove = 0;
    uint32_t mouseLButtonDown = 0;
    uint32_t mouseLButtonUp = 0;
    uint32_t mouseRButtonDown = 0;
    uint32_t mouseRButtonUp = 0;
    uint32_t gameStart = 0;
    uint32_t gameEnd = 0;
    uint32_t gameKill = 0;
    uint32_t gameDeath = 0;
};

// The names of the 23 hook, mouse and game messages, in the order of the table.
const std::vector<std::string>& HookAndGameMessageNames();

// Every one of the 29 names: the title, the five GUIDs, then the 23 others.
std::vector<std::string> AllRegisteredMessageNames();

// Registers the title message alone (the first step of start-up).
uint32_t RegisterBroadcastMessage();

// Registers the five GUID messages in their order (…BF15 to …BE19).
void RegisterCompanionMessages();

// Registers all 29 messages and returns their numbers.
const RegisteredMessages& RegisterAllMessages();

// The numbers registered so far (zero for names not registered yet).
const RegisteredMessages& Messages();

}  // namespace app
