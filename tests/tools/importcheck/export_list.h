#pragma once
// Which Windows versions export which functions, and the check of a PE file's
// imports against them: a function that one of the served systems lacks
// stops the whole program from loading there.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "pe_image.h"

namespace vrex::importcheck {

// The systems served, oldest first in each family; a check names the first that lacks a function.
extern const char* const kSystemNames[6];  // "Windows 95" ... "Windows XP"

struct Availability {
  int first9x = 3;  // 0 Windows 95, 1 98, 2 Me, 3 none of them
  int firstNt = 3;  // 0 NT 4.0, 1 2000, 2 XP, 3 none of them (a later system)
  std::string note;
};

class ListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Lines "library function first-9x first-NT [note]", with first-9x one of 95,
// 98, me, - and first-NT one of nt4, 2000, xp, vista, -.  Blank lines and
// lines from "#" on are skipped.  Library names are compared without case.
class ExportList {
 public:
  static ExportList Parse(const std::string& text);
  const Availability* Find(const std::string& library, const std::string& function) const;
  // The name of the first served system that lacks the function, or empty.
  static std::string FirstLacking(const Availability& availability);

 private:
  std::map<std::string, Availability> entries_;
};

// One line per fault: the header (i386, system and subsystem version 4.0) and
// every import that a served system lacks, that the list does not know, or
// that goes by ordinal.
std::vector<std::string> CheckImage(const PeImage& image, const ExportList& list, const std::string& fileName);

}  // namespace vrex::importcheck
