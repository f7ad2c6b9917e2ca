// zentor-send NAME [WPARAM [LPARAM]]: delivers a registered message to the
// running Zentor Keyboard, the way a game or a script announces an event
// ("zentor-send Game_Start 0 7").
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/MessageBus.h"

namespace {

const char kServer[] = "Zentor Keyboard";

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: zentor-send NAME [WPARAM [LPARAM]]\n"
                 "Delivers the registered message NAME (for example Game_Start) to the\n"
                 "running Zentor Keyboard. WPARAM and LPARAM are integers (default 0).\n");
}

bool ParseInteger(const char* text, int64_t* value) {
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(text, &end, 0);
    if (errno != 0 || end == text || *end != '\0') {
        return false;
    }
    *value = parsed;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4 || std::strcmp(argv[1], "--help") == 0) {
        PrintUsage();
        return 2;
    }
    platform::BusMessage message;
    message.name = argv[1];
    if ((argc > 2 && !ParseInteger(argv[2], &message.wParam)) ||
        (argc > 3 && !ParseInteger(argv[3], &message.lParam))) {
        std::fprintf(stderr, "zentor-send: WPARAM and LPARAM must be integers\n");
        return 2;
    }
    switch (platform::PostToInstance(kServer, message, 2000)) {
        case platform::PostResult::kDelivered:
            return 0;
        case platform::PostResult::kUnknownName:
            std::fprintf(stderr, "zentor-send: Zentor Keyboard does not know the message \"%s\"\n",
                         message.name.c_str());
            return 1;
        case platform::PostResult::kNoInstance:
            break;
    }
    std::fprintf(stderr, "zentor-send: Zentor Keyboard is not running\n");
    return 1;
}
