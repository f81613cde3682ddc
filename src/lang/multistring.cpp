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

}  // namespace vrex
