#include "report/report_output.h"

#include "lang/ini.h"
#include "lang/language.h"
#include "lang/message_texts.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/program.h"
#include "platform/text.h"
#include "report/report_html.h"

namespace vrex::report {
namespace {

// Why a report file could not be written.  The system's own words name the
// wrong cause for the two mistakes users make most ("directory name
// invalid" for a folder that does not exist, "access denied" for a folder
// given as the file): those two are told as they are.
std::string Reason(const std::string& path, std::uint32_t error) {
  if (os::FilesPort().IsFolder(path)) return text::FillIn(GetMessageText(IDS_REPORT_IS_FOLDER), path);
  if (error == os::kNotAFile) return text::FillIn(GetMessageText(IDS_REPORT_NOT_A_FILE), path);
  const std::size_t slash = path.find_last_of("\\/");
  if (slash != std::string::npos && slash > 0) {
    // "C:\\report.txt" lies in "C:\\", not in "C:".
    const std::string folder = path.substr(0, path[slash - 1] == ':' ? slash + 1 : slash);
    if (!os::FilesPort().IsFolder(folder)) return text::FillIn(GetMessageText(IDS_REPORT_NO_FOLDER), folder);
  }
  std::string reason = text::Trim(os::SystemPort().ErrorMessageText(error));
  return reason.empty() ? "error " + std::to_string(error) : reason;
}

// The report's file, or the message naming it with the reason.
std::optional<std::string> Replace(const std::string& path, const Lines& lines) {
  std::uint32_t error = os::FilesPort().ReplaceWithLines(path, lines);
  if (error == 0) return std::nullopt;
  return text::FillIn(GetMessageText(IDS_REPORT_WRITE_FAILED), path) + "\n" + Reason(path, error);
}

// The lines in the form of a file: an HTML document in the ANSI code page the
// file is written in, or text.
Lines InForm(FileForm form, Lines lines) {
  if (form == FileForm::kHtml) {
    ConvertToHtml(lines, os::SystemPort().AnsiCodePage());
  } else {
    ConvertToText(lines);
  }
  return lines;
}

}  // namespace

std::optional<std::string> WriteReportFile(const std::string& path, Lines lines) {
  return Replace(path, InForm(FormForFileName(path), std::move(lines)));
}

std::optional<std::string> WriteDataReportFile(const std::string& path, const DataReport& report) {
  return Replace(path, FormForFileName(path) == FileForm::kCsv ? CsvReport(report) : JsonReport(report));
}

std::optional<std::string> ReportOutput(ReportAction action, Lines lines, const std::string& dateTime,
                                        ReportDialogs& dialogs) {
  if (lines.empty()) return std::nullopt;
  FrameReport(lines, dateTime, kApplicationTitle);
  switch (action) {
    case ReportAction::kSave: {
      std::optional<std::string> name = dialogs.AskSaveFileName();
      if (!name) return std::nullopt;
      return WriteReportFile(*name, std::move(lines));
    }
    case ReportAction::kPrint: {
      std::unique_ptr<PrintPages> pages = dialogs.AskPrinter();
      if (pages) printtext(std::move(lines), *pages);
      return std::nullopt;
    }
    case ReportAction::kSend: {
      // The same two forms as a saved report, the HTML file first.
      // Beside the program's own folder, wherever it was started from; the
      // parameters name the files relative to the mail program's folder.
      if (auto error = Replace(InstallPath(kMailHtml), InForm(FileForm::kHtml, lines))) return error;
      if (auto error = Replace(InstallPath(kMailText), InForm(FileForm::kText, std::move(lines)))) return error;
      // A mail program that does not start is not reported.
      os::ShellPort().ExecuteIn("", InstallPath(kMailProgram), kMailParameters, InstallPath(kMailFolder));
      return std::nullopt;
    }
    case ReportAction::kNone: break;
  }
  return std::nullopt;
}

}  // namespace vrex::report
