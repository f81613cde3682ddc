#include "support/memory/memory_version_resources.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/text.h"

namespace vrex::os::memory {
namespace {

// One node of a 32-bit version block: wLength, wValueLength, wType, a
// NUL-terminated UTF-16 key, then the value and the children, each aligned
// to 4 bytes from the start of the block.
struct Node {
  std::size_t offset = 0;
  std::size_t end = 0;  // offset + wLength
  std::uint16_t valueLength = 0;
  std::uint16_t type = 0;  // 1: text (valueLength counts characters), 0: binary (bytes)
  std::u16string key;
  std::size_t valueOffset = 0;
  std::size_t valueBytes = 0;
  std::size_t childrenOffset = 0;
};

constexpr std::size_t kHeaderLength = 6;

std::uint16_t Word(const std::uint8_t* data, std::size_t offset) {
  return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
}

std::size_t Align4(std::size_t offset) { return (offset + 3) & ~static_cast<std::size_t>(3); }

// Reads the node at offset; false when it does not fit inside limit.
bool ReadNode(const std::uint8_t* data, std::size_t limit, std::size_t offset, Node& node) {
  if (offset + kHeaderLength > limit) return false;
  std::uint16_t length = Word(data, offset);
  if (length < kHeaderLength || offset + length > limit) return false;
  node.offset = offset;
  node.end = offset + length;
  node.valueLength = Word(data, offset + 2);
  node.type = Word(data, offset + 4);
  node.key.clear();
  std::size_t at = offset + kHeaderLength;
  for (;;) {
    if (at + 2 > node.end) return false;
    char16_t c = Word(data, at);
    at += 2;
    if (c == 0) break;
    node.key.push_back(c);
  }
  node.valueOffset = std::min(Align4(at), node.end);
  node.valueBytes = node.type == 1 ? std::size_t{node.valueLength} * 2 : node.valueLength;
  if (node.valueOffset + node.valueBytes > node.end) node.valueBytes = node.end - node.valueOffset;
  node.childrenOffset = std::min(Align4(node.valueOffset + node.valueBytes), node.end);
  return true;
}

char16_t FoldCase(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool KeyEquals(const std::u16string& key, std::string_view name) {
  if (key.size() != name.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (FoldCase(key[i]) != FoldCase(static_cast<unsigned char>(name[i]))) return false;
  }
  return true;
}

bool FindChild(const std::uint8_t* data, const Node& parent, std::string_view name, Node& found) {
  std::size_t at = parent.childrenOffset;
  Node child;
  while (ReadNode(data, parent.end, at, child)) {
    if (KeyEquals(child.key, name)) {
      found = child;
      return true;
    }
    at = Align4(child.end);
  }
  return false;
}

}  // namespace

void MemoryVersionResources::AddFile(const std::string& path, std::string dateText,
                                     std::vector<std::uint8_t> resource) {
  files_[text::ToUpper(path)] = File{std::move(dateText), std::move(resource)};
}

std::uint32_t MemoryVersionResources::InfoSize(const std::string& file) {
  sizeQueries.push_back(file);
  auto found = files_.find(text::ToUpper(file));
  if (found == files_.end() || found->second.resource.empty()) return 0;
  // Like the system: room behind the resource for the ANSI copies of its texts.
  return static_cast<std::uint32_t>(found->second.resource.size() * 2 + 4);
}

bool MemoryVersionResources::Info(const std::string& file, std::uint32_t length, void* block) {
  auto found = files_.find(text::ToUpper(file));
  if (found == files_.end() || found->second.resource.empty() || block == nullptr) return false;
  const auto& resource = found->second.resource;
  auto resourceLength = static_cast<std::uint32_t>(resource.size());
  std::memcpy(block, resource.data(), std::min(length, resourceLength));
  filled_[block] = Filled{std::min(length, resourceLength), length};
  return true;
}

bool MemoryVersionResources::QueryValue(void* block, const std::string& subBlock, void*& value, std::uint32_t& length) {
  auto filled = filled_.find(block);
  if (filled == filled_.end()) return false;
  auto* data = static_cast<std::uint8_t*>(block);
  Node node;
  if (!ReadNode(data, filled->second.resourceLength, 0, node)) return false;
  std::size_t start = 0;
  while (start < subBlock.size()) {
    std::size_t stop = subBlock.find('\\', start);
    if (stop == std::string::npos) stop = subBlock.size();
    std::string_view name(subBlock.data() + start, stop - start);
    start = stop + 1;
    if (name.empty()) continue;
    if (!FindChild(data, node, name, node)) return false;
  }
  if (node.type != 1) {
    value = data + node.valueOffset;
    length = static_cast<std::uint32_t>(node.valueBytes);
    return true;
  }
  // Texts are UTF-16 in the block; the ANSI copy goes behind the resource,
  // at the same distance from its end as the original from the start.
  std::size_t characters = node.valueBytes / 2;
  std::size_t target = filled->second.resourceLength + 4 + node.valueOffset;
  if (target + characters + 1 > filled->second.bufferLength) return false;
  char* ansi = reinterpret_cast<char*>(data + target);
  std::size_t count = 0;
  for (; count < characters; ++count) {
    char16_t c = Word(data, node.valueOffset + 2 * count);
    if (c == 0) break;
    ansi[count] = c < 0x100 ? static_cast<char>(c) : '?';
  }
  ansi[count] = '\0';
  value = ansi;
  length = static_cast<std::uint32_t>(characters);
  return true;
}

std::optional<std::string> MemoryVersionResources::FileDateText(const std::string& file) {
  auto found = files_.find(text::ToUpper(file));
  if (found == files_.end()) return std::nullopt;
  return found->second.date;
}

}  // namespace vrex::os::memory
