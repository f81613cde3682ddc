#pragma once
// The messages of the command line and of the report files, and the right
// pane's menu.  A console user must be able to read them even when the language module is missing or
// lacks them (an older module, or none beside the program): each falls back
// to its English text.
#include <string>

namespace vrex {

// The English text of a message, or nullptr for an ID that has none.
const char* EnglishMessageText(int id);

// The language module's text, else the English one; "<No load message>" only
// for an ID that has no English text either.
std::string GetMessageText(int id);

}  // namespace vrex
