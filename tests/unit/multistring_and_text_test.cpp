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

}  // namespace
}  // namespace vrex
