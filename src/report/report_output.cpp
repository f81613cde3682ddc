#include "report/report_output.h"

#include "lang/language.h"
#include "lang/string_ids.h"
#include "platform/os/ports.h"
#include "platform/program.h"
#include "platform/text.h"
#include "report/report_html.h"

namespace vrex::report {
namespace {

// The report's file, or the message naming it with the system's reason.
std::optional<std::string> Replace(const std::string& path, const Lines& lines) {
  std::uint32_t error = os::Fs().ReplaceWithLines(path, lines);
  if (error == 0) return std::nullopt;
  std::string reason = text::Trim(os::Sys().ErrorMessageText(error));
  if (reason.empty()) reason = "error " + std::to_string(error);
  return text::FillIn(GetLangString(IDS_REPORT_WRITE_FAILED), path) + "\n" + reason;
}

// The lines in the form of a file: an HTML document in the ANSI code page the
// file is written in, or text.
Lines InForm(FileForm form, Lines lines) {
  if (form == FileForm::kHtml) {
    ConvertToHtml(lines, os::Sys().AnsiCodePage());
  } else {
    ConvertToText(lines);
  }
  return lines;
}

}  // namespace

std::optional<std::string> WriteReportFile(const std::string& path, Lines lines) {
  return Replace(path, InForm(FormForFileName(path), std::move(lines)));
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
      if (auto error = Replace(kMailHtml, InForm(FileForm::kHtml, lines))) return error;
      if (auto error = Replace(kMailText, InForm(FileForm::kText, std::move(lines)))) return error;
      // A mail program that does not start is not reported.
      os::Sh().ExecuteIn("", kMailProgram, kMailParameters, kMailFolder);
      return std::nullopt;
    }
    case ReportAction::kNone: break;
  }
  return std::nullopt;
}

}  // namespace vrex::report
