#pragma once
// Runs the texts of a double-NUL-terminated list together without separators.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vrex {

// Stops at the second consecutive NUL or at the end of the buffer, whichever comes first.
std::string JoinMultiString(const std::uint8_t* buffer, std::size_t length);
std::string JoinMultiString(const std::vector<std::uint8_t>& buffer);

}  // namespace vrex
