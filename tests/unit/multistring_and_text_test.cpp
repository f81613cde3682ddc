// Joining multi-text lists and the small text helpers everything leans on.
#include <gtest/gtest.h>

#include "lang/multistring.h"
#include "platform/text.h"

namespace vrex {
namespace {

std::string Join(std::string_view bytes) {
  return JoinMultiString(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

TEST(JoinMultiString, RunsTextsTogetherUpToTheDoubleNul) {
  EXPECT_EQ(Join(std::string_view("A\0B\0\0C\0\0", 9)), "AB");
  EXPECT_EQ(Join(std::string_view("PCI\\VEN_10EC\0*PNP0A03\0\0", 24)), "PCI\\VEN_10EC*PNP0A03");
  EXPECT_EQ(Join(std::string_view("\0\0text", 6)), "");
  EXPECT_EQ(Join(std::string_view("\0A\0\0", 4)), "A");  // a single leading NUL does not end the list
}

TEST(MultiStringList, SeparatesTheEntriesAUserReads) {
  using namespace std::string_view_literals;
  const std::pair<std::string_view, const char*> cases[] = {
      {"255.255.0.0\0"
       "255.0.0.0\0\0x\0"sv,
       "255.255.0.0, 255.0.0.0"},
      {"\0A\0\0"sv, "A"},
      {"A\0B"sv, "A, B"},  // no closing NULs: up to the end of the value
  };
  for (const auto& [bytes, list] : cases) EXPECT_EQ(MultiStringList({bytes.begin(), bytes.end()}), list);
}

TEST(JoinMultiString, NeverReadsPastTheBuffer) {
  EXPECT_EQ(Join("abc"), "abc");
  EXPECT_EQ(Join(std::string_view("ab\0", 3)), "ab");
  EXPECT_EQ(Join(""), "");
}

TEST(TextHelpers, ChangeFileExtWorksOnTheFileNameOnly) {
  EXPECT_EQ(text::ChangeFileExt("C:\\a.b\\VrexNet.exe", ".ini"), "C:\\a.b\\VrexNet.ini");
  EXPECT_EQ(text::ChangeFileExt("C:\\a.b\\VrexNet", ".ini"), "C:\\a.b\\VrexNet.ini");
  EXPECT_EQ(text::ChangeFileExt("C:\\dir\\VrexNet.exe", ""), "C:\\dir\\VrexNet");
}

TEST(TextHelpers, TrimRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(text::Trim(" \t A B \r\n"), "A B");
  EXPECT_EQ(text::Trim("  "), "");
}

TEST(TextHelpers, SplitLinesReadsAFileAsGetlineWould) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(text::SplitLines(""), Lines{});
  EXPECT_EQ(text::SplitLines("\n"), Lines{""});
  EXPECT_EQ(text::SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(text::SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(text::SplitLines("a\rb\r"), Lines{"a\rb"});
}

TEST(TextHelpers, FillInReplacesTheFirstPlaceholderOnly) {
  EXPECT_EQ(text::FillIn("Module %s is missing", "FR"), "Module FR is missing");
  EXPECT_EQ(text::FillIn("%s and %s", "a"), "a and %s");
  EXPECT_EQ(text::FillIn("no placeholder", "x"), "no placeholder");
}

TEST(TextHelpers, Integers) {
  std::int64_t value = 0;
  // Past 32 bits: the program, where long is 32 bits, must read what the tests read.
  EXPECT_TRUE(text::ParseInteger("3000000000", value));
  EXPECT_EQ(value, 3000000000);
  EXPECT_FALSE(text::ParseInteger("9223372036854775808", value));
  EXPECT_TRUE(text::LeadingInteger("10pt", value));
  EXPECT_EQ(value, 10);
  EXPECT_FALSE(text::LeadingInteger("x10", value));
  EXPECT_FALSE(text::LeadingInteger("99999999999999999999999", value));
  EXPECT_TRUE(text::ParseInteger("-20", value));
  EXPECT_EQ(value, -20);
  EXPECT_FALSE(text::ParseInteger("20px", value));
  EXPECT_FALSE(text::ParseInteger("", value));
  EXPECT_FALSE(text::ParseInteger("-", value));
}

TEST(TextHelpers, Utf8ToUtf16DecodesEveryLengthAndReplacesWhatIsNoCharacter) {
  struct Case {
    std::string_view utf8;
    std::u16string utf16;
  };
  const Case cases[] = {
      {"", u""},
      {"Jazykov\xC3\xA1 mutace", u"Jazykov\u00E1 mutace"},
      {"\xD0\x9E \xD1\x8F", u"\u041E \u044F"},                            // Cyrillic, two bytes each
      {"\xE2\x82\xAC\xEF\xBF\xBF", u"\u20AC\uFFFF"},                      // three bytes
      {"\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", u"\xD83D\xDE00\xDBFF\xDFFF"},  // four: a surrogate pair each
      {"\xC3", u"\uFFFD"},                                                // cut short at the end
      {"\xE2\x82x", u"\uFFFDx"},                                          // cut short before a plain byte
      {"\x80\xBFz\xF8", u"\uFFFD\uFFFDz\uFFFD"},                          // no lead byte
      {"\xC0\xAF\xE0\x80\xAF", u"\uFFFD\uFFFD"},                          // overlong '/'
      {"\xED\xA0\x80", u"\uFFFD"},                                        // a surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD"},                                    // past U+10FFFF
      {std::string_view("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(text::Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
    // Back again wherever the UTF-8 was well formed.
    if (c.utf16.find(u'\uFFFD') == std::u16string::npos) {
      EXPECT_EQ(text::Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
    }
  }
  EXPECT_EQ(text::Utf16ToUtf8(u"\xD83Dx\xDE00"), "\xEF\xBF\xBDx\xEF\xBF\xBD");  // halves of a pair
}

}  // namespace
}  // namespace vrex
