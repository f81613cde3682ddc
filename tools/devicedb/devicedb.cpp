// Writes the device database: vrex_devicedb PCI_IDS OUTPUT_FOLDER reads the
// PCI ID list and writes net.txt and other.txt, every line enciphered with
// the program's database key, lines ending in CR LF.
#include <cstdio>
#include <fstream>
#include <sstream>
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
  if (argc != 3) {
    std::fprintf(stderr, "usage: vrex_devicedb PCI_IDS OUTPUT_FOLDER\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "vrex_devicedb: cannot read %s\n", argv[1]);
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  const auto lines = vrex::devicedb::BuildDatabaseLines(text.str());
  if (lines.net.size() < 2 || lines.other.size() < 2) {
    std::fprintf(stderr, "vrex_devicedb: %s holds no PCI vendors\n", argv[1]);
    return 1;
  }
  const std::string folder = argv[2];
  for (const auto& [name, content] : {std::pair{"net.txt", &lines.net}, std::pair{"other.txt", &lines.other}}) {
    const std::string path = folder + "/" + name;
    if (!WriteEnciphered(path, *content)) {
      std::fprintf(stderr, "vrex_devicedb: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  std::printf("vrex_devicedb: net.txt %zu lines, other.txt %zu lines\n", lines.net.size(), lines.other.size());
  return 0;
}
