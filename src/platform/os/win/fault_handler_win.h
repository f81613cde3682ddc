#pragma once
// The last stop of a fault nothing else handled: it is reported, never lost,
// and the program ends with the fault code as its exit code.
#include <cstdint>

namespace vrex::win {

// Tells the user about the fault; text is the whole report.
using FaultReporter = void (*)(const char* text);

// A modal message box with the program's title: the reporter of the window program.
void ShowFaultInMessageBox(const char* text);

// Installs the handler (SetUnhandledExceptionFilter) with its reporter.  A
// run without a window, such as a report made from the command line, passes
// a reporter of its own (standard error) instead of the message box.
void InstallFaultHandler(FaultReporter reporter = ShowFaultInMessageBox);

// While it lives, a fault raised below it that nothing nearer handles goes to
// the handler above, which reports it and ends the program.  The system's
// callers of a 32-bit window procedure (Wine's, and those of 64-bit Windows)
// catch faults inside it, so a fault in WM_CREATE would vanish without one.
// It is an exception registration record on the thread's chain (FS:[0]) and
// must live on the stack; C++ exceptions do not travel as system exceptions
// here and pass it untouched.  The 64-bit build has no such chain: there it
// does nothing.
class FaultFrame {
 public:
  FaultFrame();
  ~FaultFrame();
  FaultFrame(const FaultFrame&) = delete;
  FaultFrame& operator=(const FaultFrame&) = delete;

#if defined(__i386__)
 private:
  // The record's layout: the link to the previous record, then the handler.
  std::uintptr_t next_;
  std::uintptr_t handler_;
#endif
};

}  // namespace vrex::win
