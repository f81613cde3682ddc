// vrex_importcheck LIST FILE...: checks that every shipped file loads on each
// Windows version the program serves.  Prints one line per fault and exits
// non-zero when there is any.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "export_list.h"

namespace {

bool ReadFile(const char* path, std::vector<std::uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

std::string BaseName(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

}  // namespace

int main(int argc, char** argv) {
  using namespace vrex::importcheck;
  if (argc < 3) {
    std::cerr << "usage: vrex_importcheck EXPORT-LIST FILE...\n";
    return 2;
  }
  std::vector<std::uint8_t> bytes;
  if (!ReadFile(argv[1], bytes)) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 2;
  }
  ExportList list;
  try {
    list = ExportList::Parse(std::string(bytes.begin(), bytes.end()));
  } catch (const ListError& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    return 2;
  }
  int faults = 0;
  std::size_t imports = 0;
  for (int i = 2; i < argc; ++i) {
    std::string name = BaseName(argv[i]);
    std::vector<std::string> found;
    if (!ReadFile(argv[i], bytes)) {
      found.push_back(name + ": cannot be read");
    } else {
      try {
        PeImage image = ReadPeImage(bytes);
        imports += image.imports.size();
        found = CheckImage(image, list, name);
      } catch (const PeError& e) {
        found.push_back(name + ": " + e.what());
      }
    }
    for (const std::string& fault : found) std::cout << fault << "\n";
    faults += static_cast<int>(found.size());
  }
  std::cout << "import check: " << argc - 2 << " files, " << imports << " imports, " << faults << " faults\n";
  return faults == 0 ? 0 : 1;
}
