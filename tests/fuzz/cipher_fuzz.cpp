// The cipher on any text: deciphering refuses only a pair that is not
// hexadecimal, and enciphering inverts it both ways.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/cipher.h"
#include "platform/text.h"

using vrex::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  vrex::TCryptLib cipher = vrex::DeviceDatabaseCipher();

  // Every character of the pairs counts; an odd last character is ignored.
  const std::string_view pairs = input.substr(0, size - size % 2);
  const bool allHex = pairs.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
  std::string plain;
  try {
    plain = cipher.Decode(input);
  } catch (const vrex::CryptError&) {
    Require(!allHex, "a hexadecimal text was refused");
    return 0;
  }
  Require(allHex, "a text that is not hexadecimal was deciphered");
  Require(plain.size() == pairs.size() / 2, "one plain byte per pair");
  Require(cipher.Encode(plain) == vrex::text::ToUpper(pairs), "enciphering gives the pairs back");
  // The working buffers the cipher keeps between lines change nothing.
  Require(cipher.Decode(input) == plain, "deciphering twice gives the same text");
  Require(cipher.Decode(cipher.Encode(input)) == input, "deciphering the enciphered input gives it back");
  return 0;
}
