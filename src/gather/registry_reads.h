#pragma once
// How the pages read the registry.  They only read, so every key is opened
// read-only: an account without write rights sees what an administrator sees.
#include <memory>
#include <string>
#include <vector>

#include "platform/os/registry.h"

namespace vrex::gather {

std::unique_ptr<os::RegistryKey> OpenForReading(os::RootKey root, const std::string& path);
// A key under HKEY_LOCAL_MACHINE.
std::unique_ptr<os::RegistryKey> OpenMachineKey(const std::string& path);
// The names of a key's subkeys in enumeration order; none when it does not open.
std::vector<std::string> SubKeyNamesOf(os::RootKey root, const std::string& path);

}  // namespace vrex::gather
