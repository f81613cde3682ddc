#include "lang/multistring.h"

namespace vrex {

std::string JoinMultiString(const std::uint8_t* buffer, std::size_t length) {
  std::string result;
  int nulRun = 0;
  for (std::size_t i = 0; i < length; ++i) {
    if (buffer[i] == 0) {
      if (++nulRun == 2) break;
    } else {
      nulRun = 0;
      result += static_cast<char>(buffer[i]);
    }
  }
  return result;
}

std::string JoinMultiString(const std::vector<std::uint8_t>& buffer) {
  return JoinMultiString(buffer.data(), buffer.size());
}

std::string MultiStringList(const std::vector<std::uint8_t>& buffer) {
  std::string list, entry;
  auto endEntry = [&] {
    if (entry.empty()) return;
    list += (list.empty() ? "" : ", ") + entry;
    entry.clear();
  };
  int nulRun = 0;
  for (std::uint8_t byte : buffer) {
    if (byte != 0) {
      nulRun = 0;
      entry += static_cast<char>(byte);
      continue;
    }
    endEntry();
    if (++nulRun == 2) break;
  }
  endEntry();
  return list;
}

}  // namespace vrex
