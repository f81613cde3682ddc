#pragma once
// Builds 32-bit VS_VERSIONINFO resources byte by byte, laid out as a resource
// compiler writes them: each node is wLength, wValueLength, wType, a
// NUL-terminated UTF-16 key, the value and the children, every part aligned
// to 4 bytes.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vrex::test {

class VersionNode {
 public:
  static VersionNode Block(const std::string& key) { return VersionNode(key, 0, 0, {}); }
  static VersionNode Binary(const std::string& key, std::vector<std::uint8_t> value) {
    auto length = static_cast<std::uint16_t>(value.size());
    return VersionNode(key, 0, length, std::move(value));
  }
  // A text value with its NUL; wValueLength counts characters.
  static VersionNode Text(const std::string& key, const std::string& value) {
    std::vector<std::uint8_t> bytes;
    for (unsigned char c : value) {
      bytes.push_back(c);
      bytes.push_back(0);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return VersionNode(key, 1, static_cast<std::uint16_t>(value.size() + 1), std::move(bytes));
  }

  VersionNode& Add(VersionNode child) {
    children_.push_back(std::move(child));
    return *this;
  }

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> out(6, 0);
    for (unsigned char c : key_) {
      out.push_back(c);
      out.push_back(0);
    }
    out.push_back(0);
    out.push_back(0);
    Pad(out);
    out.insert(out.end(), value_.begin(), value_.end());
    for (const auto& child : children_) {
      Pad(out);
      auto bytes = child.Bytes();
      out.insert(out.end(), bytes.begin(), bytes.end());
    }
    PutWord(out, 0, static_cast<std::uint16_t>(out.size()));
    PutWord(out, 2, valueLength_);
    PutWord(out, 4, type_);
    return out;
  }

 private:
  VersionNode(std::string key, std::uint16_t type, std::uint16_t valueLength, std::vector<std::uint8_t> value)
      : key_(std::move(key)), type_(type), valueLength_(valueLength), value_(std::move(value)) {}
  static void Pad(std::vector<std::uint8_t>& out) {
    while (out.size() % 4 != 0) out.push_back(0);
  }
  static void PutWord(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t word) {
    out[at] = static_cast<std::uint8_t>(word & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>(word >> 8);
  }

  std::string key_;
  std::uint16_t type_;
  std::uint16_t valueLength_;
  std::vector<std::uint8_t> value_;
  std::vector<VersionNode> children_;
};

inline void AppendDword(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// VS_FIXEDFILEINFO with the given version words and file flags.
inline std::vector<std::uint8_t> FixedInfo(std::uint32_t fileMS, std::uint32_t fileLS, std::uint32_t productMS,
                                           std::uint32_t productLS, std::uint32_t flags = 0) {
  std::vector<std::uint8_t> out;
  for (std::uint32_t value :
       {0xFEEF04BDu, 0x00010000u, fileMS, fileLS, productMS, productLS, 0x3Fu, flags, 0x40004u, 1u, 0u, 0u, 0u})
    AppendDword(out, value);
  return out;
}

// "\VarFileInfo\Translation" with (language, code page) pairs.
inline VersionNode Translations(const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs) {
  std::vector<std::uint8_t> bytes;
  for (auto [language, codePage] : pairs) {
    bytes.push_back(static_cast<std::uint8_t>(language & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(language >> 8));
    bytes.push_back(static_cast<std::uint8_t>(codePage & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(codePage >> 8));
  }
  return std::move(VersionNode::Block("VarFileInfo").Add(VersionNode::Binary("Translation", std::move(bytes))));
}

// A string table ("040904E4" and the like) with its key/value pairs.
inline VersionNode StringTable(const std::string& key, const std::vector<std::pair<std::string, std::string>>& texts) {
  auto table = VersionNode::Block(key);
  for (const auto& [name, value] : texts) table.Add(VersionNode::Text(name, value));
  return table;
}

// The root node with its fixed information.
inline VersionNode VersionRoot(std::vector<std::uint8_t> fixedInfo) {
  return VersionNode::Binary("VS_VERSION_INFO", std::move(fixedInfo));
}

}  // namespace vrex::test
