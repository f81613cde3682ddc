#include "app/command_line_win.h"

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/startup_gathering.h"
#include "app/report_lines.h"
#include "components/inet_detector.h"
#include "lang/language.h"
#include "lang/message_texts.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/os/win/console_win.h"
#include "platform/os/win/fault_handler_win.h"
#include "platform/os/win/handles_win.h"
#include "platform/os/win/network_ports_win.h"
#include "platform/os/win/newer_functions_win.h"
#include "platform/program.h"
#include "platform/text.h"
#include "report/report_frm_win.h"

namespace vrex::app {
namespace {

// Where the command line's texts go: the standard handles when the program
// has them (started from a shell under Wine, or redirected); otherwise the
// console of the parent, where the system can attach to it.  Elsewhere the
// exit status alone tells.
class ConsoleOut {
 public:
  // Takes nothing from the heap: a fault's report is written this way too.
  // Every line of the text ends in CR LF, a message of two lines too.
  void Write(DWORD which, std::string_view text) {
    HANDLE handle = Handle(which);
    if (handle == nullptr) return;
    for (;;) {
      const std::size_t end = text.find('\n');
      win::WriteAnsiText(handle, text.substr(0, end));
      win::WriteAnsiText(handle, "\r\n");
      if (end == std::string_view::npos) return;
      text.remove_prefix(end + 1);
    }
  }

  // The standard handles are taken first; then the program joins its
  // parent's console, as only a process attached to a console hears its
  // Ctrl+C.  What was redirected stays where it was sent.
  void Prepare() {
    Handle(STD_ERROR_HANDLE);
    Console();
  }

 private:
  HANDLE Handle(DWORD which) {
    if (!standardTaken_) {
      standardTaken_ = true;
      output_ = GetStdHandle(STD_OUTPUT_HANDLE);
      error_ = GetStdHandle(STD_ERROR_HANDLE);
    }
    HANDLE handle = which == STD_ERROR_HANDLE ? error_ : output_;
    return handle == nullptr || handle == INVALID_HANDLE_VALUE ? Console() : handle;
  }
  HANDLE Console() {
    if (!consoleTried_) {
      consoleTried_ = true;
      if (win::AttachParentConsole())
        console_.reset(win::FileHandle(CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                   nullptr, OPEN_EXISTING, 0, nullptr)));
    }
    return console_.get();
  }
  bool standardTaken_ = false;
  HANDLE output_ = nullptr;
  HANDLE error_ = nullptr;
  bool consoleTried_ = false;
  win::UniqueKernelHandle console_;
};

ConsoleOut out;

void Error(std::string_view text) { out.Write(STD_ERROR_HANDLE, text); }
void Print(std::string_view text) { out.Write(STD_OUTPUT_HANDLE, text); }

// A fault ends the run with its report on the standard error; the report file
// is written only after all the gathering, so none is left half-made.
void ReportFault(const char* text) { Error(text); }

// A message box of the start-up becomes a line on the standard error: no
// window may wait for an answer here.
class ConsoleMessages : public os::MessageBoxes {
 public:
  int Show(const std::string& text, const std::string&, std::uint32_t flags) override {
    Error(text);
    return (flags & os::mb::kYesNo) != 0 ? os::mb::kIdNo : os::mb::kIdOk;
  }
  int ShowUtf8(const std::string& text, const std::string& caption, std::uint32_t flags) override {
    return Show(text, caption, flags);
  }
};

// Without a window there is no cursor to show, and setting one would bring up
// the desktop for nothing.  Messages are still let through: the answers of
// the reverse name lookups come to a hidden window of their own.
class NoCursorUi : public os::win::Win32Ui {
 public:
  void SetCursor(os::Cursor) override {}
};

int ListItems() {
  for (const CatalogueSection& section : CatalogueSections())
    for (const CatalogueItem& item : section.items)
      Print(std::to_string(item.caption) + "\t" + GetLangString(item.caption));
  return 0;
}

// The command line has no window for the detector's timer: it checks once.
class NoTimer : public components::TickTimer {
 public:
  void Kill() override {}
  void Set(std::uint32_t) override {}
};

// Ctrl+C and Ctrl+Break stop the run while it gathers: the program ends at
// once, before anything is written.  Once the file is being put in place
// the stop comes too late and the run finishes, so that an old file is
// never left half replaced.  The handler runs on a thread of its own; its
// message is made beforehand, since the heap may be held by the run.
enum Stage { kGathering, kWriting, kStopped };
std::atomic<int> stage{kGathering};
std::string stoppedMessage;

BOOL WINAPI StopOnCtrlC(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  int expected = kGathering;
  if (!stage.compare_exchange_strong(expected, kStopped)) return TRUE;
  Error(stoppedMessage);
  TerminateProcess(GetCurrentProcess(), 1);
  return TRUE;
}

int Report(const CommandLine& command) {
  std::vector<int> unknown;
  std::vector<report::SelectedItem> selection = CommandLineSelection(command.items, unknown);
  if (!unknown.empty()) {
    for (int id : unknown) Error(text::FillIn(GetMessageText(IDS_REPORT_UNKNOWN_ITEM), std::to_string(id)));
    return 2;
  }
  stoppedMessage = text::FillIn(GetMessageText(IDS_CMD_STOPPED), command.file);
  out.Prepare();
  // A parent may have started the program with Ctrl+C ignored (the NT family
  // only; the call fails elsewhere).
  SetConsoleCtrlHandler(nullptr, FALSE);
  SetConsoleCtrlHandler(StopOnCtrlC, TRUE);
  // The start-up gathering of the window, without the window.
  ReadSystemFolder();
  GatherActiveConnections();
  GatherDevicesAndNetwork(
      [] {
        if (!RefreshDevices()) Error(MissingDatabaseMessage());
      },
      [](const std::string& message) { Error(message); });
  components::TINetDetector detector([](std::function<void()>) { return std::make_unique<NoTimer>(); });
  detector.TimerTick();
  const Gatherers gatherers = StartUpGatherers([&detector] { return detector.Online(); });
  const report::FileForm form = report::FormForFileName(command.file);
  const bool forPrograms = form == report::FileForm::kJson || form == report::FileForm::kCsv;
  report::DataReport data;
  report::Lines lines;
  if (forPrograms) {
    data = ReportData(selection, gatherers, ActiveConnections);
  } else {
    lines = ReportLines(selection, gatherers, ActiveConnections);
    report::FrameReport(lines, report::NowText(), kApplicationTitle);
  }
  int expected = kGathering;
  if (!stage.compare_exchange_strong(expected, kWriting)) Sleep(INFINITE);  // stopped: the handler ends the run
  auto error = forPrograms ? report::WriteDataReportFile(command.file, data)
                           : report::WriteReportFile(command.file, std::move(lines));
  if (error) {
    Error(*error);
    return 1;
  }
  return 0;
}

}  // namespace

int RunCommandLine(const CommandLine& command) {
  win::InstallFaultHandler(ReportFault);
  ConsoleMessages messages;
  NoCursorUi ui;
  os::Ports ports = os::Os();
  ports.messages = &messages;
  ports.ui = &ui;
  os::Ports previous = os::InstallPorts(ports);
  struct Restore {
    os::Ports ports;
    ~Restore() { os::InstallPorts(ports); }
  } restore{previous};
  LanguageModuleOwner languageModule;
  LoadLanguageModule();
  try {
    switch (command.kind) {
      case CommandLine::Kind::kHelp:
        for (const std::string& line : CommandLineMessage(command)) Print(line);
        return 0;
      case CommandLine::Kind::kListItems: return ListItems();
      case CommandLine::Kind::kReport: return Report(command);
      case CommandLine::Kind::kWrong:
      case CommandLine::Kind::kWindow: break;
    }
  } catch (const std::exception& error) {
    Error(error.what());
    return 1;
  }
  for (const std::string& line : CommandLineMessage(command)) Error(line);
  return 2;
}

}  // namespace vrex::app
