#pragma once
// Registry port: the reads the gatherers make, shaped after a registry object
// with a root key.  Closing a key is destroying its RegistryKey.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrex::os {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig, DynData };
// ReadOnly asks for KEY_READ; Full is the registry object's default, KEY_ALL_ACCESS.
enum class Access { ReadOnly, Full };

// Raw data is read into a buffer of this many bytes.
inline constexpr std::size_t kRegistryBufferLength = 255;
// A capacity that reads a value whole, however long it is.
inline constexpr std::size_t kWholeValue = 0;

enum class ValueType : std::uint32_t {
  None = 0,
  Text = 1,        // REG_SZ
  ExpandText = 2,  // REG_EXPAND_SZ
  Binary = 3,      // REG_BINARY
  Integer = 4,     // REG_DWORD
  MultiText = 7,   // REG_MULTI_SZ
};

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  virtual bool ValueExists(std::string_view name) const = 0;
  // REG_SZ or REG_EXPAND_SZ, up to the first NUL; nothing for other types.
  virtual std::optional<std::string> ReadText(std::string_view name) const = 0;
  // REG_DWORD only.
  virtual std::optional<std::uint32_t> ReadInteger(std::string_view name) const = 0;
  // The value's bytes, whatever its type; nothing when they do not fit in
  // capacity (kWholeValue: no limit).
  virtual std::optional<std::vector<std::uint8_t>> ReadRaw(std::string_view name,
                                                           std::size_t capacity = kRegistryBufferLength) const = 0;
  // Subkey names in the registry's enumeration order.
  virtual std::vector<std::string> SubKeyNames() const = 0;
  virtual std::vector<std::string> ValueNames() const = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // Nothing when the key does not exist or the access is refused.
  virtual std::unique_ptr<RegistryKey> Open(RootKey root, std::string_view path, Access access) = 0;
};

}  // namespace vrex::os
