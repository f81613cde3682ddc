// The device database cipher: answers pinned from an independent reading of
// its rules, the edge cases of its input, its setters and the enciphering
// direction as the exact inverse.
#include <gtest/gtest.h>

#include <string>

#include "platform/cipher.h"

namespace vrex {
namespace {

std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) hex += {kDigits[c >> 4], kDigits[c & 15]};
  return hex;
}

TCryptLib Cipher(const char* password, std::int32_t add, std::int32_t mult) {
  TCryptLib cipher;
  cipher.SetPassword(password);
  cipher.SetAddKey(add);
  cipher.SetMultKey(mult);
  return cipher;
}

TEST(Cipher, DecodesAsTheRulesSay) {
  struct Case {
    const char* password;
    std::int32_t add, mult;
    const char* text;
    const char* plainHex;
  };
  const Case cases[] = {
      {"secretpass12", 7, 13, "0123456789ABCDEF", "f1eedc7395385cf8"},
      {"abc", -5, -77, "ff00FF10", "81e2a29b"},
      {"", 1, 1, "4142", "9931"},
  };
  for (const Case& c : cases) {
    TCryptLib cipher = Cipher(c.password, c.add, c.mult);
    EXPECT_EQ(Hex(cipher.Decode(c.text)), c.plainHex) << c.text;
    EXPECT_EQ(Hex(cipher.Decode(c.text)), c.plainHex) << "a second decode starts afresh";
  }
}

TEST(Cipher, ShortAndOddTextsAndNonHexPairs) {
  TCryptLib cipher = Cipher("secretpass12", 7, 13);
  EXPECT_EQ(cipher.Decode(""), "");
  EXPECT_EQ(cipher.Decode("0"), "");
  EXPECT_EQ(cipher.Decode("01Z"), cipher.Decode("01"));  // the odd last character is ignored
  // Decoding into a used string replaces what it held; a bad text leaves it empty.
  std::string into = "left over";
  cipher.DecodeInto("0123456789ABCDEF", into);
  EXPECT_EQ(into, cipher.Decode("0123456789ABCDEF"));
  EXPECT_THROW(cipher.DecodeInto("01G2", into), CryptError);
  EXPECT_EQ(into, "");
  for (const char* bad : {"zz", "0G", "01 2"}) {
    try {
      cipher.Decode(bad);
      ADD_FAILURE() << bad;
    } catch (const CryptError& error) {
      EXPECT_STREQ(error.what(), "TCryptLib: decrypting error - not hexlook string");
    }
  }
}

TEST(Cipher, SettersRefuseWhatTheCipherCannotUse) {
  TCryptLib cipher;
  EXPECT_THROW(cipher.SetPassword("thirteen-char"), CryptError);
  EXPECT_EQ(cipher.Password(), "");
  EXPECT_NO_THROW(cipher.SetPassword("twelve-chars"));
  EXPECT_THROW(cipher.SetAddKey(0), CryptError);
  EXPECT_EQ(cipher.AddKey(), 1);
  EXPECT_THROW(cipher.SetMultKey(0), CryptError);
  EXPECT_EQ(cipher.MultKey(), 1);
}

TEST(Cipher, EncodeIsTheExactInverseAcrossChunks) {
  TCryptLib cipher = Cipher("pw5678abcd", 123457, -98765);
  // Around the 32768 bytes (65536 characters) of one chunk.
  for (std::size_t length : {0u, 1u, 2u, 7u, 32767u, 32768u, 32769u, 70000u}) {
    std::string plain(length, '\0');
    for (std::size_t i = 0; i < length; ++i) plain[i] = static_cast<char>((i * 131 + length) & 0xFF);
    std::string text = cipher.Encode(plain);
    ASSERT_EQ(text.size(), 2 * length);
    EXPECT_EQ(cipher.Decode(text), plain) << length;
  }
  EXPECT_EQ(cipher.Encode(cipher.Decode("0123456789ABCDEF")), "0123456789ABCDEF");
}

// Lines of one length share the generator's draws, which a new password must renew.
TEST(Cipher, DrawsKeptPerLengthFollowThePassword) {
  TCryptLib cipher = Cipher("first", 11, 13);
  const std::string text = cipher.Encode("line of text");
  EXPECT_EQ(cipher.Decode(cipher.Encode("same length!")), "same length!");
  cipher.SetPassword("second");
  EXPECT_EQ(cipher.Decode(text), Cipher("second", 11, 13).Decode(text));
  EXPECT_NE(cipher.Decode(text), "line of text");
}

}  // namespace
}  // namespace vrex
