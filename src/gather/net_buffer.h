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

// Walks an enumeration to its end: call(buffer, preferredLength, &read,
// &total) makes one request from where the last one stopped (the call keeps
// the resume handle); visit sees each record read.  A request that says more
// data but read nothing found a record larger than the length asked for
// (Wine answers so); it is made once more with the length left to the system.
// A failed request ends the walk; what was already visited stays.
template <typename Record, typename Call, typename Visit>
void WalkEnumeration(std::uint32_t preferredLength, Call call, Visit visit) {
  for (;;) {
    NetBuffer buffer;
    std::uint32_t read = 0, total = 0;
    os::NetStatus status = call(buffer.Receive(), preferredLength, &read, &total);
    if (status == os::net::kMoreData && read == 0 && preferredLength != os::net::kMaxPreferredLength)
      status = call(buffer.Receive(), os::net::kMaxPreferredLength, &read, &total);
    if (status != os::net::kSuccess && status != os::net::kMoreData) break;
    const Record* records = buffer.As<Record>();
    for (std::uint32_t i = 0; records != nullptr && i < read; ++i) visit(records[i]);
    buffer.Release();
    if (!EnumerationGoesOn(status, read, total)) break;
  }
}

// A wide text of a record in the ANSI code page; empty for none.
std::string AnsiText(const os::WideChar* text);

}  // namespace vrex::gather
