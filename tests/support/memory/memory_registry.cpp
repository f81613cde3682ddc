#include "support/memory/memory_registry.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/text.h"

namespace vrex::os::memory {
namespace {

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t pos = 0;
  while (pos <= path.size()) {
    std::size_t end = path.find('\\', pos);
    if (end == std::string_view::npos) end = path.size();
    if (end > pos) parts.emplace_back(path.substr(pos, end - pos));
    pos = end + 1;
  }
  return parts;
}

class MemoryKey : public RegistryKey {
 public:
  explicit MemoryKey(const MemoryRegistry::Node& node) : node_(node) {}

  bool ValueExists(std::string_view name) const override { return node_.FindValue(name) != nullptr; }

  std::optional<std::string> ReadText(std::string_view name) const override {
    const auto* value = node_.FindValue(name);
    if (value == nullptr) return std::nullopt;
    if (value->type != static_cast<std::uint32_t>(ValueType::Text) &&
        value->type != static_cast<std::uint32_t>(ValueType::ExpandText))
      return std::nullopt;
    return text::UpToNul(std::string_view(reinterpret_cast<const char*>(value->data.data()), value->data.size()));
  }

  std::optional<std::uint32_t> ReadInteger(std::string_view name) const override {
    const auto* value = node_.FindValue(name);
    if (value == nullptr || value->type != static_cast<std::uint32_t>(ValueType::Integer) || value->data.size() != 4)
      return std::nullopt;
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | value->data[i];
    return number;
  }

  std::optional<std::vector<std::uint8_t>> ReadRaw(std::string_view name, std::size_t capacity) const override {
    const auto* value = node_.FindValue(name);
    if (value == nullptr || (capacity != kWholeValue && value->data.size() > capacity)) return std::nullopt;
    return value->data;
  }

  std::vector<std::string> SubKeyNames() const override {
    std::vector<std::string> names;
    for (const auto& child : node_.children) names.push_back(child->name);
    return names;
  }

  std::vector<std::string> ValueNames() const override {
    std::vector<std::string> names;
    for (const auto& value : node_.values) names.push_back(value.name);
    return names;
  }

 private:
  const MemoryRegistry::Node& node_;
};

}  // namespace

MemoryRegistry::Node* MemoryRegistry::Node::Child(std::string_view childName) const {
  for (const auto& child : children) {
    if (text::EqualsNoCase(child->name, childName)) return child.get();
  }
  return nullptr;
}

MemoryRegistry::Value* MemoryRegistry::Node::FindValue(std::string_view valueName) {
  for (auto& value : values) {
    if (text::EqualsNoCase(value.name, valueName)) return &value;
  }
  return nullptr;
}

const MemoryRegistry::Value* MemoryRegistry::Node::FindValue(std::string_view valueName) const {
  return const_cast<Node*>(this)->FindValue(valueName);
}

MemoryRegistry::MemoryRegistry() {
  for (RootKey root : {RootKey::ClassesRoot, RootKey::CurrentUser, RootKey::LocalMachine, RootKey::Users,
                       RootKey::CurrentConfig, RootKey::DynData}) {
    roots_[root] = std::make_unique<Node>();
  }
}

MemoryRegistry::Node* MemoryRegistry::Find(RootKey root, std::string_view path) {
  Node* node = roots_[root].get();
  for (const auto& part : SplitPath(path)) {
    node = node->Child(part);
    if (node == nullptr) return nullptr;
  }
  return node;
}

MemoryRegistry::Node* MemoryRegistry::Create(RootKey root, std::string_view path) {
  Node* node = roots_[root].get();
  for (const auto& part : SplitPath(path)) {
    Node* child = node->Child(part);
    if (child == nullptr) {
      // Subkeys enumerate sorted without case, comparing upper case as Windows and Wine do.
      auto place = std::lower_bound(node->children.begin(), node->children.end(), part,
                                    [](const std::unique_ptr<Node>& existing, const std::string& name) {
                                      return text::ToUpper(existing->name) < text::ToUpper(name);
                                    });
      child = node->children.insert(place, std::make_unique<Node>())->get();
      child->name = part;
    }
    node = child;
  }
  return node;
}

std::unique_ptr<RegistryKey> MemoryRegistry::Open(RootKey root, std::string_view path, Access access) {
  ++openCount;
  if (access == Access::Full) ++fullAccessOpens;
  Node* node = Find(root, path);
  if (node == nullptr) return nullptr;
  if (access == Access::Full && node->denyFullAccess) return nullptr;
  return std::make_unique<MemoryKey>(*node);
}

void MemoryRegistry::Apply(const std::vector<RegKeyEdit>& edits) {
  for (const auto& edit : edits) {
    if (edit.remove) {
      DeleteKey(edit.root, edit.path);
      continue;
    }
    Node* node = Create(edit.root, edit.path);
    for (const auto& value : edit.values) {
      if (value.remove) {
        std::erase_if(node->values, [&](const Value& v) { return text::EqualsNoCase(v.name, value.name); });
        continue;
      }
      SetRaw(edit.root, edit.path, value.name, value.type, value.data);
    }
  }
}

void MemoryRegistry::LoadText(std::string_view regFileText) { Apply(ParseRegFile(regFileText)); }

void MemoryRegistry::LoadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw RegFileError("cannot open " + path);
  std::stringstream buffer;
  buffer << in.rdbuf();
  LoadText(buffer.str());
}

void MemoryRegistry::SetText(RootKey root, std::string_view path, std::string_view name, std::string_view value) {
  std::vector<std::uint8_t> data(value.begin(), value.end());
  data.push_back(0);
  SetRaw(root, path, name, static_cast<std::uint32_t>(ValueType::Text), std::move(data));
}

void MemoryRegistry::SetInteger(RootKey root, std::string_view path, std::string_view name, std::uint32_t value) {
  std::vector<std::uint8_t> data;
  for (int i = 0; i < 4; ++i) data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  SetRaw(root, path, name, static_cast<std::uint32_t>(ValueType::Integer), std::move(data));
}

void MemoryRegistry::SetRaw(RootKey root, std::string_view path, std::string_view name, std::uint32_t type,
                            std::vector<std::uint8_t> data) {
  Node* node = Create(root, path);
  Value* value = node->FindValue(name);
  if (value == nullptr) {
    node->values.push_back(Value{std::string(name), type, {}});
    value = &node->values.back();
  }
  value->type = type;
  value->data = std::move(data);
}

void MemoryRegistry::CreateKey(RootKey root, std::string_view path) { Create(root, path); }

void MemoryRegistry::DeleteKey(RootKey root, std::string_view path) {
  auto parts = SplitPath(path);
  if (parts.empty()) return;
  std::string last = parts.back();
  parts.pop_back();
  Node* parent = roots_[root].get();
  for (const auto& part : parts) {
    parent = parent->Child(part);
    if (parent == nullptr) return;
  }
  std::erase_if(parent->children, [&](const auto& child) { return text::EqualsNoCase(child->name, last); });
}

void MemoryRegistry::DenyFullAccess(RootKey root, std::string_view path) { Create(root, path)->denyFullAccess = true; }

}  // namespace vrex::os::memory
