#pragma once
// A buffer that a network-management call handed out, given back once: by
// Release where the pages release it, or when an exception leaves the scope
// first.
#include <cstdint>
#include <string>

#include "platform/os/net_management.h"

namespace vrex::gather {

class NetBuffer {
 public:
  NetBuffer() = default;
  ~NetBuffer();
  NetBuffer(const NetBuffer&) = delete;
  NetBuffer& operator=(const NetBuffer&) = delete;

  // For the call to fill: cleared first, since a failed call may leave it untouched.
  std::uint8_t** Receive();
  template <typename Record>
  const Record* As() const {
    return reinterpret_cast<const Record*>(data_);
  }
  bool Empty() const { return data_ == nullptr; }
  // Gives the buffer back now; a missing release function raises here.
  void Release();

 private:
  std::uint8_t* data_ = nullptr;
};

// Whether an enumeration call that returned status, having read entries of
// the total it reported, leaves more to read.  ERROR_MORE_DATA says so; the
// total counts from where the call started (and is only a hint), so the
// entries read must fall short of it too; a call that read nothing ends the
// walk, which therefore always ends.
bool EnumerationGoesOn(os::NetStatus status, std::uint32_t entriesRead, std::uint32_t totalEntries);

// A wide text of a record in the ANSI code page; empty for none.
std::string AnsiText(const os::WideChar* text);

}  // namespace vrex::gather
