#include "lang/message_texts.h"

#include "lang/language.h"
#include "lang/string_ids.h"

namespace vrex {
namespace {

struct EnglishText {
  int id;
  const char* text;
};

// The same texts as the English module: a test compares them.
constexpr EnglishText kEnglish[] = {
    {IDS_PANE_COPY, "Copy"},
    {IDS_PANE_COPY_GROUP, "Copy group"},
    {IDS_PANE_REFRESH, "Refresh"},
    {IDS_REPORT_WRITE_FAILED, "The report could not be written to %s."},
    {IDS_REPORT_USAGE, "Usage: %s"},
    {IDS_REPORT_UNKNOWN_ITEM, "Unknown sub-item ID: %s (--list-items lists them)"},
    {IDS_CMD_UNKNOWN_OPTION, "Unknown option: %s"},
    {IDS_CMD_UNEXPECTED, "Unexpected argument: %s"},
    {IDS_CMD_NO_FILE, "%s: the name of the report file is missing (--report FILE)."},
    {IDS_CMD_NO_ITEMS, "%s: the list of sub-item IDs is missing (--items ID,ID,...)."},
    {IDS_CMD_BAD_ITEM, "Not a sub-item ID: \"%s\" (IDs are whole numbers from 0 to 65535, separated by commas)."},
    {IDS_CMD_EMPTY_ITEM, "An ID is missing in the list %s (IDs are separated by single commas)."},
    {IDS_CMD_TWICE, "%s is given twice."},
    {IDS_CMD_EXIT_STATUS,
     "Exit status: 0 done; 1 the report could not be made or was stopped; 2 the command line is wrong."},
    {IDS_CMD_STOPPED, "Stopped: %s was not written."},
    {IDS_CMD_FILE_FORMS,
     "FILE: a name ending .htm or .html gets HTML, .json JSON, .csv CSV for spreadsheets (both UTF-8); any other name "
     "gets text."},
    {IDS_CMD_NO_DATABASE, "The device database is missing (%s): network cards keep the names their drivers give them."},
    {IDS_REPORT_NO_FOLDER, "The folder %s does not exist."},
    {IDS_REPORT_IS_FOLDER, "%s is a folder."},
    {IDS_REPORT_NOT_A_FILE, "%s is not a regular file."},
    {IDS_LANGUAGE_NOT_SAVED, "The language could not be saved in %s. The program keeps the language it has."},
};

}  // namespace

const char* EnglishMessageText(int id) {
  for (const EnglishText& english : kEnglish)
    if (english.id == id) return english.text;
  return nullptr;
}

std::string GetMessageText(int id) {
  std::string text = GetLangString(id);
  const char* english = EnglishMessageText(id);
  return text == kNoLoadMessage && english != nullptr ? english : text;
}

}  // namespace vrex
