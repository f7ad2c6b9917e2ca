// zentor-sim COMMAND KIND [ARGS]: drives the simulated devices of the running
// Zentor Keyboard ("zentor-sim plug mouse receiver", "zentor-sim power mouse
// 40 1"). Exit status 0 delivered, 1 not delivered, 2 wrong command line.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "firmware/SimControl.h"
#include "platform/MessageBus.h"

namespace {

const char kServer[] = "Zentor Keyboard";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(sim::SimControlUsage(), argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    std::vector<std::string> words(argv + 1, argv + argc);
    sim::SimControlCommand command;
    std::string error;
    if (!sim::ParseSimControl(words, command, error)) {
        std::fprintf(stderr, "zentor-sim: %s\n\n%s", error.c_str(), sim::SimControlUsage());
        return 2;
    }
    switch (platform::PostToInstance(kServer, sim::EncodeSimControl(command), 2000)) {
        case platform::PostResult::kDelivered:
            return 0;
        case platform::PostResult::kUnknownName:
            std::fprintf(stderr,
                         "zentor-sim: Zentor Keyboard runs without simulated devices; start it "
                         "with --simulate keyboard,mouse\n");
            return 1;
        case platform::PostResult::kNoInstance:
            break;
    }
    std::fprintf(stderr, "zentor-sim: Zentor Keyboard is not running\n");
    return 1;
}
