#pragma once
// The texts of a double-NUL-terminated list: run together without separators
// where the result is read as one text (a path, an identifier list), or as a
// list a user reads, entries separated by ", ".
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vrex {

// Stops at the second consecutive NUL or at the end of the buffer, whichever comes first.
std::string JoinMultiString(const std::uint8_t* buffer, std::size_t length);
std::string JoinMultiString(const std::vector<std::uint8_t>& buffer);

// The same entries, separated by ", "; empty entries are left out.
std::string MultiStringList(const std::vector<std::uint8_t>& buffer);

}  // namespace vrex
