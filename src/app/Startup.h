// The program's start-up and shut-down: single instance, registered messages,
// the message bus, the main window and the message loop.
#pragma once

namespace app {

// Runs the program; the process's exit code. Every start-up failure ends with
// code 0 and one line on stderr.
int RunProgram(int argc, char** argv);

}  // namespace app
