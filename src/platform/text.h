#pragma once
// Text helpers for the ANSI strings the program works in.  Case rules are
// ASCII-only, as the registry and the language codes need.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vrex::text {

bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// Index of the first occurrence of needle, ignoring case; npos when absent.
std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
// Removes blanks and control characters (everything up to ' ') at both ends.
std::string Trim(std::string_view text);
// The lines of a file's text: split at each LF, a CR before it dropped; no
// line after a final LF.
std::vector<std::string> SplitLines(std::string_view text);
// The pattern with its first "%s" replaced by value; unchanged when it has none.
std::string FillIn(std::string_view pattern, std::string_view value);
// The text up to its first NUL.
std::string UpToNul(std::string_view text);
// The fields of a list, split at each separator, each with its blanks
// trimmed; an empty text is one empty field, and "a,,b" and "a," hold empty ones.
std::vector<std::string> SplitFields(std::string_view text, char separator);
// Path with its extension (from the last '.' of the file name) replaced; appended when there is none.
std::string ChangeFileExt(std::string_view path, std::string_view extension);
// Whole number at the start of text (optional sign); false when there is none
// or it does not fit 64 bits.  Fixed width: the same in the tests and the program.
bool LeadingInteger(std::string_view text, std::int64_t& value);
// The whole text is a decimal integer (optional sign, no blanks).
bool ParseInteger(std::string_view text, std::int64_t& value);
// UTF-8 as UTF-16, for the system's Unicode functions (Windows 95 cannot
// convert UTF-8 itself).  A byte that begins no well-formed sequence becomes
// U+FFFD, as do overlong forms, surrogates and code points past U+10FFFF.
std::u16string Utf8ToUtf16(std::string_view text);
// UTF-16 as UTF-8; half a surrogate pair becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace vrex::text
