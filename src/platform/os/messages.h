#pragma once
// Modal message boxes, so that a test can see what would be shown.
#include <cstdint>
#include <string>

namespace vrex::os {

// The MessageBoxA flags and answers the program uses.
namespace mb {
inline constexpr std::uint32_t kOk = 0x0000;
inline constexpr std::uint32_t kYesNo = 0x0004;
inline constexpr std::uint32_t kIconError = 0x0010;
inline constexpr std::uint32_t kIconInformation = 0x0040;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
}  // namespace mb

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Returns the button pressed.
  virtual int Show(const std::string& text, const std::string& caption, std::uint32_t flags) = 0;
  // The same for texts in UTF-8, shown in Unicode: they read the same under
  // every code page, where an ANSI text reads right only under its own.
  virtual int ShowUtf8(const std::string& text, const std::string& caption, std::uint32_t flags) = 0;
};

}  // namespace vrex::os
