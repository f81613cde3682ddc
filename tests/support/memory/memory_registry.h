#pragma once
// In-memory registry for tests, filled from REGEDIT4 fixtures.  Subkeys
// enumerate as the real registry lists them: sorted, without regard to case.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/fixtures/regfile.h"
#include "platform/os/registry.h"

namespace vrex::os::memory {

class MemoryRegistry : public Registry {
 public:
  struct Value {
    std::string name;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };
  struct Node {
    std::string name;
    std::vector<std::unique_ptr<Node>> children;
    std::vector<Value> values;
    bool denyFullAccess = false;
    Node* Child(std::string_view childName) const;
    Value* FindValue(std::string_view valueName);
    const Value* FindValue(std::string_view valueName) const;
  };

  MemoryRegistry();
  std::unique_ptr<RegistryKey> Open(RootKey root, std::string_view path, Access access) override;

  void Apply(const std::vector<RegKeyEdit>& edits);
  void LoadText(std::string_view regFileText);  // throws RegFileError
  void LoadFile(const std::string& path);       // throws RegFileError

  void SetText(RootKey root, std::string_view path, std::string_view name, std::string_view value);
  void SetInteger(RootKey root, std::string_view path, std::string_view name, std::uint32_t value);
  void SetRaw(RootKey root, std::string_view path, std::string_view name, std::uint32_t type,
              std::vector<std::uint8_t> data);
  void CreateKey(RootKey root, std::string_view path);
  void DeleteKey(RootKey root, std::string_view path);
  // The key then opens read-only only, as system keys do for a user without rights.
  void DenyFullAccess(RootKey root, std::string_view path);
  // Counts opens, so tests can tell how a gatherer walked the tree.
  int openCount = 0;
  // Opens that asked for full access, whether or not the key exists.
  int fullAccessOpens = 0;

 private:
  Node* Find(RootKey root, std::string_view path);
  Node* Create(RootKey root, std::string_view path);
  std::map<RootKey, std::unique_ptr<Node>> roots_;
};

}  // namespace vrex::os::memory
