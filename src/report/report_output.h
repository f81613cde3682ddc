#pragma once
// The report output: frames the lines gathered for the report and saves,
// prints or sends them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "report/report_data.h"
#include "report/report_print.h"
#include "report/report_text.h"

namespace vrex::report {

enum class ReportAction : std::uint8_t { kNone = 0, kPrint = 1, kSend = 2, kSave = 3 };

inline constexpr const char* kMailFolder = "..\\Vmail";
inline constexpr const char* kMailProgram = "..\\Vmail\\VrMail.exe";
inline constexpr const char* kMailText = "..\\Vmail\\report.txt";
inline constexpr const char* kMailHtml = "..\\Vmail\\report.htm";
inline constexpr const char* kMailParameters = "\" \" \"..\\Vmail\\report.txt\" \"..\\Vmail\\report.htm\"";

// What the report needs from its window: the save and print dialogs.
class ReportDialogs {
 public:
  virtual ~ReportDialogs() = default;
  // The chosen file name, or nothing when the user cancels.
  virtual std::optional<std::string> AskSaveFileName() = 0;
  // The chosen printer's job, begun, or nothing when the user cancels.
  virtual std::unique_ptr<PrintPages> AskPrinter() = 0;
};

// Writes framed lines to path, as HTML for ".htm" and ".html", as text for
// every other name (".json" and ".csv" too: their forms need the sub-items
// apart, WriteDataReportFile).  Nothing on success, else the message for the user,
// naming the file and the system's reason; an existing file is then intact.
std::optional<std::string> WriteReportFile(const std::string& path, Lines lines);

// Writes the report for programs to path: as CSV for ".csv", else as JSON.
// As WriteReportFile: nothing on success, else the message for the user.
std::optional<std::string> WriteDataReportFile(const std::string& path, const DataReport& report);

// Frames the lines (dateTime: the date, two blanks, the time) and carries out
// the action.  An empty list does nothing at all.  Nothing on success or
// cancel, else the message for the user.
std::optional<std::string> ReportOutput(ReportAction action, Lines lines, const std::string& dateTime,
                                        ReportDialogs& dialogs);

}  // namespace vrex::report
