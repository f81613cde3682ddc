#include "export_list.h"

#include <sstream>

namespace vrex::importcheck {
namespace {

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string Key(const std::string& library, const std::string& function) { return Lower(library) + '!' + function; }

int IndexOf(const std::string& word, const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i)
    if (words[i] == word) return static_cast<int>(i);
  return -1;
}

}  // namespace

const char* const kSystemNames[6] = {"Windows 95",     "Windows 98",   "Windows Me",
                                     "Windows NT 4.0", "Windows 2000", "Windows XP"};

ExportList ExportList::Parse(const std::string& text) {
  static const std::vector<std::string> k9x = {"95", "98", "me", "-"};
  static const std::vector<std::string> kNt = {"nt4", "2000", "xp", "vista", "-"};
  ExportList list;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::string content = line.substr(0, line.find('#'));
    std::istringstream words(content);
    std::string library, function, first9x, firstNt;
    if (!(words >> library)) continue;
    auto fail = [&](const std::string& why) {
      throw ListError("line " + std::to_string(number) + ": " + why + ": " + line);
    };
    if (!(words >> function >> first9x >> firstNt)) fail("expected library, function, first 9x and first NT system");
    Availability availability;
    availability.first9x = IndexOf(first9x, k9x);
    int nt = IndexOf(firstNt, kNt);
    if (availability.first9x < 0) fail("first 9x system is not one of 95 98 me -");
    if (nt < 0) fail("first NT system is not one of nt4 2000 xp vista -");
    availability.first9x = std::min(availability.first9x, 3);
    availability.firstNt = std::min(nt, 3);
    std::getline(words >> std::ws, availability.note);
    if (!list.entries_.emplace(Key(library, function), availability).second) fail("listed twice");
  }
  return list;
}

const Availability* ExportList::Find(const std::string& library, const std::string& function) const {
  auto found = entries_.find(Key(library, function));
  return found == entries_.end() ? nullptr : &found->second;
}

std::string ExportList::FirstLacking(const Availability& availability) {
  if (availability.first9x > 0) return kSystemNames[0];
  if (availability.firstNt > 0) return kSystemNames[3];
  return {};
}

std::vector<std::string> CheckImage(const PeImage& image, const ExportList& list, const std::string& fileName) {
  std::vector<std::string> faults;
  auto version = [](int major, int minor) { return std::to_string(major) + "." + std::to_string(minor); };
  if (image.machine != kMachineI386 || image.pe32Plus) {
    std::ostringstream machine;
    machine << std::hex << image.machine;
    faults.push_back(fileName + ": machine 0x" + machine.str() + ", not i386 (0x14c)");
  }
  if (image.osMajor != 4 || image.osMinor != 0)
    faults.push_back(fileName + ": operating system version " + version(image.osMajor, image.osMinor) + ", not 4.0");
  if (image.subsystemMajor != 4 || image.subsystemMinor != 0)
    faults.push_back(fileName + ": subsystem version " + version(image.subsystemMajor, image.subsystemMinor) +
                     ", not 4.0");
  for (const Import& import : image.imports) {
    const std::string where = fileName + ": " + import.library + " ";
    if (import.function.empty()) {
      faults.push_back(where + "ordinal " + std::to_string(import.ordinal) +
                       ": imported by ordinal, which differs between systems");
      continue;
    }
    const Availability* availability = list.Find(import.library, import.function);
    if (availability == nullptr) {
      faults.push_back(where + import.function + ": not in the export list; add it with the systems that export it");
      continue;
    }
    std::string lacking = ExportList::FirstLacking(*availability);
    if (!lacking.empty()) faults.push_back(where + import.function + ": " + lacking + " lacks it");
  }
  return faults;
}

}  // namespace vrex::importcheck
