#include "gather/net_buffer.h"

#include <string_view>

#include "platform/os/ports.h"

namespace vrex::gather {

NetBuffer::~NetBuffer() {
  try {
    Release();
  } catch (...) {
    // Already unwinding from the failure that matters; the buffer stays with the system.
  }
}

std::uint8_t** NetBuffer::Receive() {
  Release();
  return &data_;
}

void NetBuffer::Release() {
  if (data_ == nullptr) return;
  std::uint8_t* data = data_;
  data_ = nullptr;
  os::NetManagementPort().ApiBufferFree(data);
}

bool EnumerationGoesOn(os::NetStatus status, std::uint32_t entriesRead, std::uint32_t totalEntries) {
  return status == os::net::kMoreData && entriesRead > 0 && entriesRead < totalEntries;
}

std::string AnsiText(const os::WideChar* text) {
  if (text == nullptr) return {};
  return os::SystemPort().WideToAnsi(std::u16string_view(text));
}

}  // namespace vrex::gather
