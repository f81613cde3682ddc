// The handler of unhandled faults under Wine: a fault provoked in a child run
// of this test executable is shown in a message box with the program's title,
// naming the fault code, the module and the offset; the run then ends with
// the fault code.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/os/win/fault_handler_win.h"

namespace vrex {
namespace {

// Writes to an address no module maps; the compiler cannot see that it is bad.
__attribute__((noinline)) void ProvokeFault(std::uintptr_t address) { *reinterpret_cast<volatile int*>(address) = 1; }

volatile std::uintptr_t badAddress = 16;

// Runs only in the child that the test below starts.
TEST(FaultHandlerProbe, FaultsWithTheHandlerInstalled) {
  if (std::getenv("VREX_PROVOKE_FAULT") == nullptr) GTEST_SKIP() << "runs as the child of FaultHandler tests";
  win::InstallFaultHandler();
  ProvokeFault(badAddress);
}

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindDialogOf(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[32] = "";
  GetClassNameA(window, className, sizeof className);
  // Only once it is shown: a message box gets its caption and text while it is made.
  if (process != search->process || std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

TEST(FaultHandler, FaultIsShownWithCodeModuleAndOffsetAndEndsTheRun) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string command = std::string("\"") + exe + "\" --gtest_brief=1 --gtest_filter=FaultHandlerProbe.*";
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE nowhere = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = nowhere;
  PROCESS_INFORMATION child{};
  SetEnvironmentVariableA("VREX_PROVOKE_FAULT", "1");
  const BOOL started =
      CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &child);
  SetEnvironmentVariableA("VREX_PROVOKE_FAULT", nullptr);
  CloseHandle(nowhere);
  ASSERT_TRUE(started);

  Search search{child.dwProcessId, nullptr};
  for (int tries = 0; tries < 400 && search.found == nullptr; ++tries) {
    if (WaitForSingleObject(child.hProcess, 50) == WAIT_OBJECT_0) break;
    EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
  }
  std::string caption, text;
  if (search.found != nullptr) {
    char buffer[1024] = "";
    GetWindowTextA(search.found, buffer, sizeof buffer);
    caption = buffer;
    GetDlgItemTextA(search.found, 0xFFFF, buffer, sizeof buffer);  // the message box's text
    text = buffer;
    PostMessageA(search.found, WM_COMMAND, IDOK, 0);
  }
  const bool ended = WaitForSingleObject(child.hProcess, 10000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(child.hProcess, 1);
  DWORD exitCode = 0;
  GetExitCodeProcess(child.hProcess, &exitCode);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);

  ASSERT_NE(search.found, nullptr) << "no message box; the run ended with " << std::hex << exitCode;
  EXPECT_EQ(caption, "Vrex Info Network");
  const std::string head =
      "The program met a fault it cannot recover from and will close.\r\n\r\n"
      "Fault code: C0000005\r\nModule: vrex_win_tests.exe\r\nOffset: ";
  ASSERT_EQ(text.substr(0, head.size()), head);
  // The offset is that of the faulting write, inside ProvokeFault.
  const std::uintptr_t offset = std::strtoul(text.substr(head.size()).c_str(), nullptr, 16);
  const std::uintptr_t function =
      reinterpret_cast<std::uintptr_t>(&ProvokeFault) - reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr));
  EXPECT_GE(offset, function);
  EXPECT_LT(offset, function + 64);
  EXPECT_TRUE(ended);
  EXPECT_EQ(exitCode, 0xC0000005u);
}

}  // namespace
}  // namespace vrex
