#pragma once
// The program's command line: the window, or the report written without one
// (VrexNet.exe --report FILE [--items ID,ID,...]), the list of sub-items, or
// the usage.
#include <string>
#include <vector>

#include "report/report_choice.h"

namespace vrex::app {

inline constexpr const char* kUsage = "VrexNet.exe --report FILE [--items ID,ID,...] | --list-items | --help";

struct CommandLine {
  enum class Kind { kWindow, kReport, kListItems, kHelp, kWrong };
  // What is wrong with a wrong command line.
  enum class Fault { kNone, kUnknownOption, kUnexpected, kNoFile, kNoItems, kBadItem, kEmptyItem, kTwice };
  Kind kind = Kind::kWindow;
  std::string file;        // kReport
  std::vector<int> items;  // kReport: the caption IDs asked for; empty for every sub-item
  Fault fault = Fault::kNone;
  std::string wrong;  // kWrong: the argument, item or list the message names
};

// The arguments after the program's name, split as the system splits them.
// Options may come in any order and any letter case; "/?" and "-h" ask for
// the usage as "--help" does.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What the program writes for the usage (kHelp: the usage and the exit
// statuses, on the standard output) or a wrong command line (what is wrong,
// then the usage, on the standard error), a line each, in English where the
// language module gives no text.
std::vector<std::string> CommandLineMessage(const CommandLine& command);

// The arguments of a command line in the form GetCommandLineA gives, without
// the program's name: blanks separate them, double quotes group blanks in.
std::vector<std::string> SplitArguments(const std::string& commandLine);

// The left pane's sub-items whose caption IDs are given, ticked as in the
// report window, in pane order; every sub-item when ids is empty.  An ID of
// no sub-item goes to unknown, and the selection is then empty.
std::vector<report::SelectedItem> CommandLineSelection(const std::vector<int>& ids, std::vector<int>& unknown);

}  // namespace vrex::app
