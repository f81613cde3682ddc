// Writes the device database: vrex_devicedb PCI_IDS NETWORK_DEVICES
// OUTPUT_FOLDER reads the PCI ID list and the network drivers' device list
// (tools/devicedb/network_pci_ids.txt) and writes net.txt and other.txt,
// every line enciphered with the program's database key, lines ending in CR LF.
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "devicedb_build.h"
#include "platform/cipher.h"

namespace {

bool WriteEnciphered(const std::string& path, const std::vector<std::string>& lines) {
  vrex::TCryptLib cipher = vrex::DeviceDatabaseCipher();
  std::string content;
  for (const auto& line : lines) content += cipher.Encode(line) + "\r\n";
  const std::string partial = path + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (!out.write(content.data(), static_cast<std::streamsize>(content.size())) || !out.flush()) return false;
  }
  return std::rename(partial.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: vrex_devicedb PCI_IDS NETWORK_DEVICES OUTPUT_FOLDER\n");
    return 2;
  }
  vrex::devicedb::DatabaseLines lines;
  try {
    lines = vrex::devicedb::BuildDatabaseFromFiles(argv[1], argv[2]);
  } catch (const std::runtime_error& error) {
    std::fprintf(stderr, "vrex_devicedb: %s\n", error.what());
    return 1;
  }
  if (lines.net.size() < 2) {
    std::fprintf(stderr, "vrex_devicedb: %s and %s name no network device\n", argv[1], argv[2]);
    return 1;
  }
  const std::string folder = argv[3];
  for (const auto& [name, content] : {std::pair{"net.txt", &lines.net}, std::pair{"other.txt", &lines.other}}) {
    const std::string path = folder + "/" + name;
    if (!WriteEnciphered(path, *content)) {
      std::fprintf(stderr, "vrex_devicedb: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  std::printf(
      "vrex_devicedb: %zu network devices from the drivers' device tables, %zu token-ring cards by name; "
      "net.txt %zu lines, other.txt %zu lines\n",
      lines.fromDrivers, lines.fromTokenRing, lines.net.size(), lines.other.size());
  return 0;
}
