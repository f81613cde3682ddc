#include "pe_image.h"

#include <algorithm>

namespace vrex::importcheck {
namespace {

class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  std::uint32_t U16(std::uint64_t offset) const { return Byte(offset, 2) | Byte(offset + 1, 1) << 8; }
  std::uint32_t U32(std::uint64_t offset) const { return U16(offset) | U16(offset + 2) << 16; }
  std::uint64_t U64(std::uint64_t offset) const {
    return U32(offset) | static_cast<std::uint64_t>(U32(offset + 4)) << 32;
  }
  std::string Text(std::uint64_t offset) const {
    std::string text;
    for (std::uint64_t at = offset;; ++at) {
      if (at >= bytes_.size()) throw PeError("a name runs past the end of the file");
      if (bytes_[at] == 0) return text;
      if (text.size() >= 4096) throw PeError("a name is longer than 4096 bytes");
      text += static_cast<char>(bytes_[at]);
    }
  }

 private:
  // The byte at offset, after checking that the file holds count bytes from there.
  std::uint32_t Byte(std::uint64_t offset, std::uint64_t count) const {
    if (offset + count > bytes_.size()) throw PeError("the file ends inside its headers or tables");
    return bytes_[offset];
  }
  const std::vector<std::uint8_t>& bytes_;
};

struct Section {
  std::uint32_t address, size, rawOffset, rawSize;
};

std::uint64_t FileOffset(const std::vector<Section>& sections, std::uint64_t rva, const std::string& what) {
  for (const Section& section : sections) {
    if (rva >= section.address && rva - section.address < std::max(section.size, section.rawSize)) {
      std::uint64_t into = rva - section.address;
      if (into >= section.rawSize) break;
      return section.rawOffset + into;
    }
  }
  throw PeError("the " + what + " lies in no section of the file");
}

}  // namespace

PeImage ReadPeImage(const std::vector<std::uint8_t>& bytes) {
  Reader in(bytes);
  if (in.U16(0) != 0x5A4D) throw PeError("not an executable: no MZ signature");
  const std::uint64_t pe = in.U32(0x3C);
  if (in.U32(pe) != 0x00004550) throw PeError("not a PE file: no PE signature");
  PeImage image;
  image.machine = static_cast<std::uint16_t>(in.U16(pe + 4));
  const std::uint32_t sectionCount = in.U16(pe + 6);
  const std::uint32_t optionalSize = in.U16(pe + 20);
  const std::uint64_t optional = pe + 24;
  const std::uint32_t magic = in.U16(optional);
  if (magic != 0x10B && magic != 0x20B) throw PeError("unknown optional header");
  image.pe32Plus = magic == 0x20B;
  image.osMajor = static_cast<std::uint16_t>(in.U16(optional + 40));
  image.osMinor = static_cast<std::uint16_t>(in.U16(optional + 42));
  image.subsystemMajor = static_cast<std::uint16_t>(in.U16(optional + 48));
  image.subsystemMinor = static_cast<std::uint16_t>(in.U16(optional + 50));
  const std::uint64_t directories = optional + (image.pe32Plus ? 112 : 96);
  const std::uint32_t directoryCount = in.U32(directories - 4);

  std::vector<Section> sections;
  const std::uint64_t sectionTable = optional + optionalSize;
  for (std::uint32_t i = 0; i < sectionCount; ++i) {
    std::uint64_t header = sectionTable + 40ull * i;
    sections.push_back(Section{in.U32(header + 12), in.U32(header + 8), in.U32(header + 20), in.U32(header + 16)});
  }

  if (directoryCount < 2) return image;
  const std::uint32_t importTable = in.U32(directories + 8);
  if (importTable == 0) return image;
  const std::uint64_t thunkSize = image.pe32Plus ? 8 : 4;
  const std::uint64_t ordinalFlag = image.pe32Plus ? 1ull << 63 : 1ull << 31;
  std::uint64_t descriptor = FileOffset(sections, importTable, "import table");
  for (int library = 0;; ++library, descriptor += 20) {
    if (library > 4096) throw PeError("the import table does not end");
    const std::uint32_t names = in.U32(descriptor);
    const std::uint32_t nameRva = in.U32(descriptor + 12);
    const std::uint32_t addresses = in.U32(descriptor + 16);
    if (names == 0 && nameRva == 0 && addresses == 0) break;
    const std::string libraryName = in.Text(FileOffset(sections, nameRva, "name of an imported library"));
    std::uint64_t thunk = FileOffset(sections, names != 0 ? names : addresses, "import list");
    for (int entry = 0;; ++entry, thunk += thunkSize) {
      if (entry > 65536) throw PeError("the import list of " + libraryName + " does not end");
      const std::uint64_t value = image.pe32Plus ? in.U64(thunk) : in.U32(thunk);
      if (value == 0) break;
      Import import{libraryName, {}, 0};
      if (value & ordinalFlag)
        import.ordinal = static_cast<std::uint32_t>(value & 0xFFFF);
      else
        import.function = in.Text(FileOffset(sections, value & 0x7FFFFFFF, "name of an imported function") + 2);
      image.imports.push_back(import);
    }
  }
  return image;
}

}  // namespace vrex::importcheck
