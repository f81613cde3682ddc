#pragma once
// Builds 32-bit VS_VERSIONINFO resources byte by byte as a resource compiler
// lays them out: wLength, wValueLength, wType, a NUL-terminated UTF-16 key,
// the value and the children, each part aligned to 4 bytes.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vrex::test {

using ByteList = std::vector<std::uint8_t>;

class VersionNode {
 public:
  static VersionNode Block(const std::string& key) { return VersionNode(key, 0, 0, {}); }
  static VersionNode Binary(const std::string& key, ByteList value) {
    auto length = static_cast<std::uint16_t>(value.size());
    return VersionNode(key, 0, length, std::move(value));
  }
  // A text with its NUL; wValueLength counts characters.
  static VersionNode Text(const std::string& key, const std::string& value) {
    return VersionNode(key, 1, static_cast<std::uint16_t>(value.size() + 1), Wide(value));
  }
  VersionNode& Add(VersionNode child) {
    children_.push_back(std::move(child));
    return *this;
  }

  ByteList Bytes() const {
    ByteList out(6, 0);
    Append(out, Wide(key_));
    Append(out, value_);
    for (const auto& child : children_) Append(out, child.Bytes());
    for (auto [at, word] : {std::pair<int, std::size_t>{0, out.size()}, {2, valueLength_}, {4, type_}}) {
      out[at] = static_cast<std::uint8_t>(word & 0xFF);
      out[at + 1] = static_cast<std::uint8_t>(word >> 8);
    }
    return out;
  }

 private:
  VersionNode(std::string key, std::uint16_t type, std::uint16_t valueLength, ByteList value)
      : key_(std::move(key)), type_(type), valueLength_(valueLength), value_(std::move(value)) {}
  static ByteList Wide(const std::string& text) {
    ByteList bytes;
    for (unsigned char c : text) bytes.insert(bytes.end(), {c, 0});
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
  }
  // Appends part after padding to 4 bytes (the key follows the header unpadded).
  static void Append(ByteList& out, const ByteList& part) {
    while (out.size() > 6 && out.size() % 4 != 0) out.push_back(0);
    out.insert(out.end(), part.begin(), part.end());
  }

  std::string key_;
  std::uint16_t type_;
  std::uint16_t valueLength_;
  ByteList value_;
  std::vector<VersionNode> children_;
};

// The root with a VS_FIXEDFILEINFO of the given version words and file flags.
inline VersionNode VersionRoot(std::uint32_t fileMS, std::uint32_t fileLS, std::uint32_t productMS = 0,
                               std::uint32_t productLS = 0, std::uint32_t flags = 0) {
  ByteList fixed;
  for (std::uint32_t value :
       {0xFEEF04BDu, 0x10000u, fileMS, fileLS, productMS, productLS, 0x3Fu, flags, 0x40004u, 1u, 0u, 0u, 0u})
    for (int i = 0; i < 4; ++i) fixed.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  return VersionNode::Binary("VS_VERSION_INFO", std::move(fixed));
}

// "\VarFileInfo\Translation" with (language, code page) pairs.
inline VersionNode Translations(const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs) {
  ByteList bytes;
  for (auto [language, codePage] : pairs)
    for (std::uint16_t word : {language, codePage})
      bytes.insert(bytes.end(), {std::uint8_t(word), std::uint8_t(word >> 8)});
  return std::move(VersionNode::Block("VarFileInfo").Add(VersionNode::Binary("Translation", std::move(bytes))));
}

using Texts = std::vector<std::pair<std::string, std::string>>;

// A string table ("040904E4" and the like) with its texts.
inline VersionNode StringTable(const std::string& key, const Texts& texts) {
  auto table = VersionNode::Block(key);
  for (const auto& [name, value] : texts) table.Add(VersionNode::Text(name, value));
  return table;
}

// "\StringFileInfo" with one string table.
inline VersionNode Strings(const std::string& key, const Texts& texts) {
  return std::move(VersionNode::Block("StringFileInfo").Add(StringTable(key, texts)));
}

}  // namespace vrex::test
