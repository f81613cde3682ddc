#include "gather/registry_reads.h"

#include "platform/os/ports.h"

namespace vrex::gather {

std::unique_ptr<os::RegistryKey> OpenForReading(os::RootKey root, const std::string& path) {
  return os::RegistryPort().Open(root, path, os::Access::ReadOnly);
}

std::unique_ptr<os::RegistryKey> OpenMachineKey(const std::string& path) {
  return OpenForReading(os::RootKey::LocalMachine, path);
}

std::vector<std::string> SubKeyNamesOf(os::RootKey root, const std::string& path) {
  auto key = OpenForReading(root, path);
  return key ? key->SubKeyNames() : std::vector<std::string>{};
}

}  // namespace vrex::gather
