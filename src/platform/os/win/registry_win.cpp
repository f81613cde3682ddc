#include <windows.h>

#include <algorithm>

#include "platform/os/win/handles_win.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex::os::win {
namespace {

using vrex::win::UniqueRegKey;

class Win32Key : public RegistryKey {
 public:
  explicit Win32Key(UniqueRegKey key) : key_(std::move(key)) {}

  bool ValueExists(std::string_view name) const override {
    std::string valueName(name);
    return RegQueryValueExA(key_.get(), valueName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }

  std::optional<std::string> ReadText(std::string_view name) const override {
    DWORD type = 0;
    auto data = Query(name, &type, 0);
    if (!data || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(data->data()),
                       std::find(data->begin(), data->end(), 0) - data->begin());
  }

  std::optional<std::uint32_t> ReadInteger(std::string_view name) const override {
    DWORD type = 0;
    auto data = Query(name, &type, 0);
    if (!data || type != REG_DWORD || data->size() != 4) return std::nullopt;
    return static_cast<std::uint32_t>((*data)[0] | ((*data)[1] << 8) | ((*data)[2] << 16) |
                                      (static_cast<std::uint32_t>((*data)[3]) << 24));
  }

  std::optional<std::vector<std::uint8_t>> ReadRaw(std::string_view name, std::size_t capacity) const override {
    DWORD type = 0;
    return Query(name, &type, capacity);
  }

  std::vector<std::string> SubKeyNames() const override {
    std::vector<std::string> names;
    char buffer[256];
    for (DWORD index = 0;; ++index) {
      DWORD length = sizeof buffer;
      LONG status = RegEnumKeyExA(key_.get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
      if (status != ERROR_SUCCESS) break;
      names.emplace_back(buffer, length);
    }
    return names;
  }

  std::vector<std::string> ValueNames() const override {
    std::vector<std::string> names;
    char buffer[16384];
    for (DWORD index = 0;; ++index) {
      DWORD length = sizeof buffer;
      LONG status = RegEnumValueA(key_.get(), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
      if (status != ERROR_SUCCESS) break;
      names.emplace_back(buffer, length);
    }
    return names;
  }

 private:
  // capacity 0: as large as the value is.  Values that fit the buffer on the
  // stack, nearly all of them, take one request instead of a size request
  // and a read: every request is a round trip to the registry's keeper.
  std::optional<std::vector<std::uint8_t>> Query(std::string_view name, DWORD* type, std::size_t capacity) const {
    std::string valueName(name);
    std::uint8_t small[512];
    DWORD size = sizeof small;
    const LONG status = RegQueryValueExA(key_.get(), valueName.c_str(), nullptr, type, small, &size);
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) return std::nullopt;
    if (capacity != 0 && size > capacity) return std::nullopt;
    if (status == ERROR_SUCCESS) return std::vector<std::uint8_t>(small, small + size);
    std::vector<std::uint8_t> data(size);
    DWORD read = size;
    if (RegQueryValueExA(key_.get(), valueName.c_str(), nullptr, type, data.data(), &read) != ERROR_SUCCESS)
      return std::nullopt;
    data.resize(read);
    return data;
  }

  UniqueRegKey key_;
};

}  // namespace

HKEY RootHandle(RootKey root) {
  switch (root) {
    case RootKey::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RootKey::CurrentUser: return HKEY_CURRENT_USER;
    case RootKey::LocalMachine: return HKEY_LOCAL_MACHINE;
    case RootKey::Users: return HKEY_USERS;
    case RootKey::CurrentConfig: return HKEY_CURRENT_CONFIG;
    case RootKey::DynData: return HKEY_DYN_DATA;
  }
  return HKEY_LOCAL_MACHINE;
}

std::unique_ptr<RegistryKey> Win32Registry::Open(RootKey root, std::string_view path, Access access) {
  std::string keyPath(path);
  while (!keyPath.empty() && keyPath.front() == '\\') keyPath.erase(0, 1);
  UniqueRegKey key;
  REGSAM sam = access == Access::ReadOnly ? KEY_READ : KEY_ALL_ACCESS;
  if (RegOpenKeyExA(RootHandle(root), keyPath.c_str(), 0, sam, key.put()) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<Win32Key>(std::move(key));
}

}  // namespace vrex::os::win
