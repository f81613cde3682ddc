#include "platform/fault_report.h"

#include <cstdio>
#include <cstring>

namespace vrex {
namespace {

const char* BaseName(const char* path) {
  const char* name = path;
  for (const char* at = path; *at != '\0'; ++at)
    if (*at == '\\' || *at == '/' || *at == ':') name = at + 1;
  return name;
}

// Upper-case hexadecimal, at least eight digits, of any width of value
// (printf's forms for 64 bits differ between the C libraries we build with).
struct Hex {
  explicit Hex(std::uint64_t value) {
    char reversed[17];
    int count = 0;
    do {
      reversed[count++] = "0123456789ABCDEF"[value & 0xF];
      value >>= 4;
    } while (value != 0 || count < 8);
    for (int i = 0; i < count; ++i) digits[i] = reversed[count - 1 - i];
    digits[count] = '\0';
  }
  char digits[17];
};

constexpr const char* kIntroduction = "The program met a fault it cannot recover from and will close.\r\n\r\n";

}  // namespace

std::size_t FormatFaultReport(char* out, std::size_t size, std::uint32_t code, const char* modulePath,
                              std::uintptr_t offset, std::uintptr_t address) {
  if (out == nullptr || size == 0) return 0;
  const bool known = modulePath != nullptr && *modulePath != '\0';
  const Hex codeText(code);
  const Hex where(known ? offset : address);
  const int written = known ? std::snprintf(out, size, "%sFault code: %s\r\nModule: %s\r\nOffset: %s", kIntroduction,
                                            codeText.digits, BaseName(modulePath), where.digits)
                            : std::snprintf(out, size, "%sFault code: %s\r\nModule: none\r\nAddress: %s", kIntroduction,
                                            codeText.digits, where.digits);
  if (written < 0) {
    out[0] = '\0';
    return 0;
  }
  return static_cast<std::size_t>(written) < size ? static_cast<std::size_t>(written) : size - 1;
}

}  // namespace vrex
