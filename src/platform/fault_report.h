#pragma once
// The text shown for a fault the program cannot recover from: the fault code
// and the module and offset where it happened.  Written into a fixed buffer,
// since the heap may be what the fault damaged.
#include <cstddef>
#include <cstdint>

namespace vrex {

// Writes the report into out (always NUL-terminated when size > 0) and
// returns its length.  modulePath is the file of the module the faulting
// address lies in; null or empty when no module holds it, and the address is
// then given instead of an offset.
std::size_t FormatFaultReport(char* out, std::size_t size, std::uint32_t code, const char* modulePath,
                              std::uintptr_t offset, std::uintptr_t address);

}  // namespace vrex
