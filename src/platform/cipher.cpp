#include "platform/cipher.h"

#include <array>
#include <numeric>
#include <utility>
#include <vector>

namespace vrex {
namespace {

constexpr std::size_t kChunkCharacters = 65536;
constexpr std::size_t kMaxPasswordLength = 12;

// Characters from..from+3 of the password as a little-endian word; absent ones are zero bytes.
std::uint32_t PasswordWord(const std::string& password, std::size_t from) {
  std::uint32_t word = 0;
  for (std::size_t i = 0; i < 4 && from + i < password.size(); ++i)
    word |= static_cast<std::uint32_t>(static_cast<unsigned char>(password[from + i])) << (8 * i);
  return word;
}

constexpr int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The value of each character as a hexadecimal digit; kNotHexDigit for the others.
constexpr std::uint8_t kNotHexDigit = 0x10;
constexpr std::array<std::uint8_t, 256> kHexValues = [] {
  std::array<std::uint8_t, 256> values{};
  for (int c = 0; c < 256; ++c) {
    const int digit = HexDigit(static_cast<char>(c));
    values[static_cast<std::size_t>(c)] = digit < 0 ? kNotHexDigit : static_cast<std::uint8_t>(digit);
  }
  return values;
}();

std::uint8_t XorOfBytes(std::uint32_t word) {
  return static_cast<std::uint8_t>(word ^ (word >> 8) ^ (word >> 16) ^ (word >> 24));
}

}  // namespace

TCryptLib::TCryptLib() : password_("vrexdb"), addKey_(0x1F2E3D4C), multKey_(0x0B5A6978) {}

void TCryptLib::SetPassword(std::string_view password) {
  if (password.size() > kMaxPasswordLength) {
    password_.clear();
    drawsByLength_.clear();
    throw CryptError("TCryptLib.Password is too long");
  }
  password_ = std::string(password);
  drawsByLength_.clear();
}

void TCryptLib::SetAddKey(std::int32_t key) {
  if (key == 0) {
    addKey_ = 1;
    throw CryptError("TCryptLib.AddKey is too big");
  }
  addKey_ = key;
}

void TCryptLib::SetMultKey(std::int32_t key) {
  if (key == 0) {
    multKey_ = 1;
    throw CryptError("TCryptLib.MultKey is too big");
  }
  multKey_ = key;
}

std::uint32_t TCryptLib::Draw(std::uint32_t below) {
  seed_ = seed_ * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * below) >> 32);
}

void TCryptLib::PrepareKeys() {
  seed_ = PasswordWord(password_, 0);
  state_ = PasswordWord(password_, 4);
  third_ = PasswordWord(password_, 8);
}

bool TCryptLib::Decodable(std::string_view text) {
  const std::size_t paired = text.size() & ~std::size_t{1};
  std::uint8_t digits = 0;
  for (std::size_t i = 0; i < paired; ++i) digits |= kHexValues[static_cast<unsigned char>(text[i])];
  return (digits & kNotHexDigit) == 0;
}

TCryptLib::Draws TCryptLib::DrawChunk(std::size_t n) {
  std::vector<std::uint32_t> positions(n + 1, 0);
  for (std::size_t k = 1; k <= n; ++k) positions[k] = Draw(static_cast<std::uint32_t>(n - 1)) + 1;
  Draws draws;
  draws.masks.assign(n + 1, 0);
  for (std::size_t i = 1; i <= n; ++i) draws.masks[i] = static_cast<std::uint8_t>(Draw(255));
  // The swaps from n down to 1, made once on the byte numbers instead of on
  // the bytes of every text of this length.
  draws.sources.resize(n + 1);
  std::iota(draws.sources.begin(), draws.sources.end(), std::uint32_t{0});
  for (std::size_t i = n; i >= 1; --i) std::swap(draws.sources[i], draws.sources[positions[i]]);
  return draws;
}

const TCryptLib::Draws& TCryptLib::DrawsFor(std::size_t n) {
  auto [at, added] = drawsByLength_.try_emplace(n);
  if (added) {
    PrepareKeys();
    at->second = DrawChunk(n);
  }
  return at->second;
}

void TCryptLib::DecipherChunk(std::string_view chunk, const Draws& draws, std::string& output) {
  const std::size_t n = chunk.size() / 2;
  const std::size_t first = output.size();
  output.resize(first + n);
  char* plain = output.data() + first;
  const auto* pairs = reinterpret_cast<const unsigned char*>(chunk.data());
  std::uint32_t state = state_;
  std::uint8_t digits = 0;  // every digit read, or-ed: kNotHexDigit shows a bad one
  for (std::size_t i = 1; i <= n; ++i) {
    const std::size_t pair = 2 * (draws.sources[i] - 1);
    const std::uint8_t high = kHexValues[pairs[pair]];
    const std::uint8_t low = kHexValues[pairs[pair + 1]];
    digits |= high | low;
    const auto c = static_cast<std::uint8_t>(high << 4 | low);
    plain[i - 1] = static_cast<char>(c ^ XorOfBytes(state) ^ draws.masks[i]);
    state = (c + state + third_) * static_cast<std::uint32_t>(multKey_) + static_cast<std::uint32_t>(addKey_);
  }
  // Nothing of a text with a bad pair is given back.
  if ((digits & kNotHexDigit) != 0) throw CryptError(kNotHexError);
  state_ = state;
}

std::string TCryptLib::Decode(std::string_view text) {
  std::string output;
  DecodeInto(text, output);
  return output;
}

void TCryptLib::DecodeInto(std::string_view text, std::string& output) {
  output.clear();
  output.reserve(text.size() / 2);
  try {
    // A text of one chunk takes the draws kept for its length; the draws of
    // later chunks go on from where the earlier ones left the generator.
    if (text.size() < kChunkCharacters) {
      const Draws& draws = DrawsFor(text.size() / 2);
      PrepareKeys();
      DecipherChunk(text, draws, output);
      return;
    }
    PrepareKeys();
    for (std::size_t start = 0;; start += kChunkCharacters) {
      std::string_view chunk = text.substr(std::min(start, text.size()), kChunkCharacters);
      DecipherChunk(chunk, DrawChunk(chunk.size() / 2), output);
      if (chunk.size() < kChunkCharacters) break;  // the last chunk, possibly empty
    }
  } catch (const CryptError&) {
    output.clear();
    throw;
  }
}

std::string TCryptLib::Encode(std::string_view plain) {
  static const char kHex[] = "0123456789ABCDEF";
  PrepareKeys();
  std::string output;
  std::vector<std::uint8_t> bytes;
  std::vector<std::uint32_t> positions;
  constexpr std::size_t kChunkBytes = kChunkCharacters / 2;
  for (std::size_t start = 0;; start += kChunkBytes) {
    std::string_view chunk = plain.substr(std::min(start, plain.size()), kChunkBytes);
    const std::size_t n = chunk.size();
    // The same draws as Decode, in the same order: the positions first.
    positions.assign(n + 1, 0);
    for (std::size_t k = 1; k <= n; ++k) positions[k] = Draw(static_cast<std::uint32_t>(n - 1)) + 1;
    bytes.assign(n + 1, 0);
    for (std::size_t i = 1; i <= n; ++i) {
      const std::uint32_t r = Draw(255);
      const auto c = static_cast<std::uint8_t>(static_cast<unsigned char>(chunk[i - 1]) ^ XorOfBytes(state_) ^ r);
      bytes[i] = c;
      state_ = (c + state_ + third_) * static_cast<std::uint32_t>(multKey_) + static_cast<std::uint32_t>(addKey_);
    }
    // Decode swaps from n down to 1; undoing that swaps from 1 up to n.
    for (std::size_t i = 1; i <= n; ++i) std::swap(bytes[i], bytes[positions[i]]);
    for (std::size_t i = 1; i <= n; ++i) {
      output += kHex[bytes[i] >> 4];
      output += kHex[bytes[i] & 0x0F];
    }
    if (n < kChunkBytes) break;
  }
  return output;
}

TCryptLib DeviceDatabaseCipher() {
  TCryptLib cipher;
  cipher.SetPassword(kDeviceDatabasePassword);
  cipher.SetAddKey(kDeviceDatabaseAddKey);
  cipher.SetMultKey(kDeviceDatabaseMultKey);
  return cipher;
}

}  // namespace vrex
