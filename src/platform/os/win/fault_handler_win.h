#pragma once
// The last stop of a fault nothing else handled: it is reported, never lost,
// and the program ends with the fault code as its exit code.

namespace vrex::win {

// Tells the user about the fault; text is the whole report.
using FaultReporter = void (*)(const char* text);

// A modal message box with the program's title: the reporter of the window program.
void ShowFaultInMessageBox(const char* text);

// Installs the handler (SetUnhandledExceptionFilter) with its reporter.  A
// run without a window, such as a report made from the command line, passes
// a reporter of its own (standard error) instead of the message box.
void InstallFaultHandler(FaultReporter reporter = ShowFaultInMessageBox);

}  // namespace vrex::win
