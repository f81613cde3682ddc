#pragma once
// Dial-up connections: the phonebook library's text turned into display
// lines, one per property, with the property names replaced by labels.
#include <string>
#include <vector>

namespace vrex::gather {

// When tag occurs in text, output receives text with its first occurrence
// replaced by replacement (markup) and the angle brackets of the rest
// escaped; otherwise output is left as it was.
void ReplaceFirst(const std::string& text, const std::string& tag, const std::string& replacement, std::string& output);

// Whether text reads whole as an integer: leading blanks, a sign, and "$",
// "x" or "0x" before hexadecimal digits are allowed.  value receives it.
bool ReadsAsInteger(const std::string& text, long long& value);

// The rendered text of one piece ("PhoneNumber=123"), or empty when no tag
// of the table occurs in it.
std::string teltostring(const std::string& piece);

// The lines of a joined phonebook text: one per piece ended by an "@"; the
// last character is never examined, so a text shows its last piece only when
// one more character follows that piece's "@".
std::vector<std::string> PhonebookLines(const std::string& text);

// The page: the single "not installed" line when the remote-access library is
// missing from systemDirectory, no lines when the phonebook library does not
// load or lacks its export, else the lines of the text it gives.
std::vector<std::string> gettel(const std::string& systemDirectory);

}  // namespace vrex::gather
