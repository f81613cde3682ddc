// Dial-up text of any content, as the phonebook library hands it over: the
// page gives one line per "@"-ended piece at most, each blank or a drawn
// property.  The same input, read as phonebook entries, goes through the
// library's writer and back: 32 properties per entry and a blank between two.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "gather/dialup.h"
#include "platform/phonebook_text.h"
#include "support/memory/memory_ports.h"

using vrex::fuzz::Require;
namespace phonebook = vrex::phonebook;

namespace {

constexpr const char* kSystemDirectory = "C:\\WINDOWS\\SYSTEM";
constexpr std::size_t kPropertiesPerEntry = 32;

// The ports the page goes through, with the phonebook library exporting text.
struct Library {
  Library() {
    world.files.AddFile(std::string(kSystemDirectory) + "\\rasapi32.dll");
    world.modules.AddLibrary("dialsnap.dll", {}, {{"getdialsnap", [this] { return text.c_str(); }}});
  }
  vrex::os::memory::World world;
  std::string text;
};

void CheckPage(const std::uint8_t* data, std::size_t size) {
  static Library library;
  // The library's text ends in two NULs.
  library.text.assign(reinterpret_cast<const char*>(data), size);
  library.text.append(2, '\0');
  const std::vector<std::string> lines = vrex::gather::gettel(kSystemDirectory);
  // What the modules port records of each run would only pile up.
  library.world.modules.loaded.clear();
  library.world.modules.freed.clear();
  Require(lines.size() <= static_cast<std::size_t>(std::count(data, data + size, '@')), "a line per piece at most");
  for (const auto& line : lines) {
    const bool drawn = line.starts_with("<IMG src=\"idx:10\"></IMG>") && line.ends_with("</FONT>");
    Require(line == " " || drawn, "a line is blank or a drawn property");
  }
}

std::array<std::uint8_t, 4> Address(FuzzedDataProvider& input) {
  std::array<std::uint8_t, 4> address{};
  for (auto& byte : address) byte = input.ConsumeIntegral<std::uint8_t>();
  return address;
}

void CheckWriterRoundTrip(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::vector<phonebook::Entry> entries(input.ConsumeIntegralInRange<std::size_t>(0, 3));
  for (auto& entry : entries) {
    entry.name = input.ConsumeRandomLengthString(40);
    entry.deviceName = input.ConsumeRandomLengthString(40);
    entry.phoneNumber = input.ConsumeRandomLengthString(20);
    entry.areaCode = input.ConsumeRandomLengthString(8);
    entry.script = input.ConsumeRandomLengthString(40);
    entry.countryId = input.ConsumeIntegral<std::uint32_t>();
    entry.countryCode = input.ConsumeIntegral<std::uint32_t>();
    entry.ipAddr = Address(input);
    entry.dns = Address(input);
    entry.wins = Address(input);
    entry.netProtocols = input.ConsumeIntegral<std::uint32_t>();
    entry.framingProtocol = input.ConsumeIntegral<std::uint32_t>();
    entry.options = input.ConsumeIntegral<std::uint32_t>();
  }
  const std::size_t count = entries.size();
  const std::size_t expected = count == 0 ? 0 : count * (kPropertiesPerEntry + 1) - 1;
  Require(vrex::gather::PhonebookLines(phonebook::PhonebookText(entries)).size() == expected,
          "every property of every entry reads back as one line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckPage(data, size);
  CheckWriterRoundTrip(data, size);
  return 0;
}
