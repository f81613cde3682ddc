#include "platform/os/win/fault_handler_win.h"

#include <windows.h>

#include "platform/fault_report.h"
#include "platform/program.h"

namespace vrex::win {
namespace {

FaultReporter reporter = ShowFaultInMessageBox;
// A fault while the report is being made must not report again, and must not loop.
// (The program has one thread of its own.)
volatile bool reporting = false;

LONG WINAPI ReportUnhandledFault(EXCEPTION_POINTERS* pointers) {
  if (reporting) return EXCEPTION_EXECUTE_HANDLER;
  reporting = true;
  const EXCEPTION_RECORD* record = pointers != nullptr ? pointers->ExceptionRecord : nullptr;
  const DWORD code = record != nullptr ? record->ExceptionCode : 0;
  const auto address = reinterpret_cast<std::uintptr_t>(record != nullptr ? record->ExceptionAddress : nullptr);
  // The module is the mapping the faulting address lies in.
  char modulePath[MAX_PATH] = "";
  std::uintptr_t offset = 0;
  MEMORY_BASIC_INFORMATION region{};
  if (address != 0 && VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof region) != 0 &&
      region.AllocationBase != nullptr) {
    const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(region.AllocationBase), modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath) modulePath[0] = '\0';
    offset = address - reinterpret_cast<std::uintptr_t>(region.AllocationBase);
  }
  char text[512];
  FormatFaultReport(text, sizeof text, code, modulePath, offset, address);
  if (reporter != nullptr) reporter(text);
  // Ends the process; its exit code is the fault code.
  return EXCEPTION_EXECUTE_HANDLER;
}

#if defined(__i386__)
// The handler of a FaultFrame's record, called as the system walks the chain.
EXCEPTION_DISPOSITION __cdecl ReportFaultBelowFrame(EXCEPTION_RECORD* record, void*, CONTEXT* context, void*) {
  // An unwind passing through is not a fault of its own.
  if ((record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) != 0) return ExceptionContinueSearch;
  EXCEPTION_POINTERS pointers{record, context};
  ReportUnhandledFault(&pointers);
  // As the unhandled-fault path ends it: at once, with the fault code.
  TerminateProcess(GetCurrentProcess(), record->ExceptionCode);
  return ExceptionContinueSearch;
}
#endif

}  // namespace

#if defined(__i386__)
FaultFrame::FaultFrame() : handler_(reinterpret_cast<std::uintptr_t>(&ReportFaultBelowFrame)) {
  __asm__ __volatile__("movl %%fs:0, %0" : "=r"(next_));
  __asm__ __volatile__("movl %0, %%fs:0" : : "r"(this) : "memory");
}

FaultFrame::~FaultFrame() { __asm__ __volatile__("movl %0, %%fs:0" : : "r"(next_) : "memory"); }
#else
FaultFrame::FaultFrame() = default;
FaultFrame::~FaultFrame() = default;
#endif

void ShowFaultInMessageBox(const char* text) {
  MessageBoxA(nullptr, text, kApplicationTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

void InstallFaultHandler(FaultReporter report) {
  reporter = report;
  SetUnhandledExceptionFilter(ReportUnhandledFault);
}

}  // namespace vrex::win
