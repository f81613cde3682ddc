#pragma once
// The cipher of the device database: TCryptLib deciphers the hexadecimal
// lines of the database files with a password and two integer keys; Encode
// is its exact inverse, used by the tool that writes the database.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vrex {

// The toolkit's base exception, with the component's message.
class CryptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kNotHexError = "TCryptLib: decrypting error - not hexlook string";

class TCryptLib {
 public:
  TCryptLib();

  // At most 12 characters; a longer text clears the password and throws.
  void SetPassword(std::string_view password);
  // 0 sets the key to 1 and throws.
  void SetAddKey(std::int32_t key);
  void SetMultKey(std::int32_t key);
  const std::string& Password() const { return password_; }
  std::int32_t AddKey() const { return addKey_; }
  std::int32_t MultKey() const { return multKey_; }

  // The plain text of an enciphered text: hexadecimal pairs in chunks of
  // 65536 characters.  Throws CryptError on a pair that is not hexadecimal.
  std::string Decode(std::string_view text);
  // Decode into output, whose room is used again: a database deciphers tens
  // of thousands of lines.  The text must not be part of output.  On a
  // CryptError output is left empty.
  void DecodeInto(std::string_view text, std::string& output);
  // Whether Decode takes the text without a CryptError: every character of
  // its pairs is hexadecimal (an odd last character is not read).
  static bool Decodable(std::string_view text);
  // The enciphered form of a plain text, in upper-case hexadecimal:
  // Decode(Encode(t)) == t.
  std::string Encode(std::string_view plain);

 private:
  // The generator: seed := seed * 134775813 + 1, a draw below n the upper
  // half of the 64-bit product of the new seed and n.
  std::uint32_t Draw(std::uint32_t below);
  // Seeds the generator and the running state from the password.
  void PrepareKeys();

  std::string password_;
  std::int32_t addKey_;
  std::int32_t multKey_;
  std::uint32_t seed_ = 0;
  std::uint32_t state_ = 0;  // S
  std::uint32_t third_ = 0;  // W

  // The generator's draws depend on nothing but the password and the length
  // of the chunk, so a text of one chunk is deciphered with the draws kept
  // for its length: a database has tens of thousands of lines and only a
  // hundred or so lengths.
  struct Draws {
    std::vector<std::uint32_t> sources;  // 1 to n: the enciphered byte each plain byte comes from
    std::vector<std::uint8_t> masks;     // 1 to n
  };
  // The draws of one chunk of n bytes from the running generator: the
  // positions of its swaps first, then its masks.
  Draws DrawChunk(std::size_t n);
  // The draws of a text of one chunk of n bytes, kept per n.
  const Draws& DrawsFor(std::size_t n);
  // Appends the plain bytes of one chunk to output, with the running state.
  void DecipherChunk(std::string_view chunk, const Draws& draws, std::string& output);
  std::unordered_map<std::size_t, Draws> drawsByLength_;
};

// The one key of the device database: the program deciphers with it and the
// database tool enciphers with it.
inline constexpr const char* kDeviceDatabasePassword = "Vx7nK2qe";
inline constexpr std::int32_t kDeviceDatabaseAddKey = 0x2D5A17C3;
inline constexpr std::int32_t kDeviceDatabaseMultKey = 0x01C4E6B5;

// A cipher set to the device database's key.
TCryptLib DeviceDatabaseCipher();

}  // namespace vrex
