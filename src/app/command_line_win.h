#pragma once
// The command-line forms of the program: the report written without showing
// a window, the list of sub-items and the usage.  Windows only.
#include <windows.h>

#include "app/command_line.h"

namespace vrex::app {

// Runs a command line that is not the window's; gives the exit status: 0 on
// success, 1 when the report could not be made, 2 for a wrong command line.
int RunCommandLine(const CommandLine& command);

}  // namespace vrex::app
