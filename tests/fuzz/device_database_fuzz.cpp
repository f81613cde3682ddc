// Deciphered device database lines of any content: the first input line is a
// card's hardware identifiers, the others the database.  Building the index
// and looking up stay inside the lines, and the index stops where the
// line-by-line scan does, for the identifiers and for each line's own key.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "gather/device_database.h"

using vrex::fuzz::Require;
namespace gather = vrex::gather;

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = std::min(text.find('\n', start), text.size());
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

void CheckLookup(const gather::DeviceDatabase& database, const std::vector<std::string>& lines,
                 const std::string& hardwareIds) {
  Require(database.ScanStop(hardwareIds) == gather::LinearScanStop(lines, hardwareIds),
          "the index stops where the scan does");
  database.Lookup(hardwareIds);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines = SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string hardwareIds = lines.front();
  lines.erase(lines.begin());
  const gather::DeviceDatabase database(lines);
  Require(database.LineCount() == lines.size(), "every line is kept");
  CheckLookup(database, lines, hardwareIds);
  // The scan is linear: a few lines' keys are enough.
  for (std::size_t i = 0; i < std::min<std::size_t>(lines.size(), 16); ++i)
    CheckLookup(database, lines, lines[i].substr(0, lines[i].find('=')));
  return 0;
}
