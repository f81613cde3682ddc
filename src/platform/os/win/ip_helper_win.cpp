#include <windows.h>
#include <iphlpapi.h>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/os/win/network_ports_win.h"
#include "platform/os/win/newer_functions_win.h"

namespace vrex::os::win {

static_assert(sizeof(MIB_IFROW) == 860 && offsetof(MIB_IFROW, bPhysAddr) == 532);

std::optional<std::vector<InterfaceRow>> Win32IpHelper::InterfaceTable() {
  ULONG size = 0;
  if (vrex::win::GetInterfaceTable(nullptr, &size, TRUE) != ERROR_INSUFFICIENT_BUFFER || size < sizeof(MIB_IFTABLE))
    return std::nullopt;
  std::vector<std::uint8_t> buffer(size, 0);
  auto* table = reinterpret_cast<MIB_IFTABLE*>(buffer.data());
  if (vrex::win::GetInterfaceTable(table, &size, TRUE) != NO_ERROR) return std::nullopt;
  std::vector<InterfaceRow> rows;
  const std::size_t fit = (buffer.size() - offsetof(MIB_IFTABLE, table)) / sizeof(MIB_IFROW);
  const std::size_t count = std::min<std::size_t>(table->dwNumEntries, fit);
  for (std::size_t i = 0; i < count; ++i) {
    const MIB_IFROW& row = table->table[i];
    const std::size_t length = std::min<std::size_t>(row.dwPhysAddrLen, MAXLEN_PHYSADDR);
    rows.push_back(InterfaceRow{std::vector<std::uint8_t>(row.bPhysAddr, row.bPhysAddr + length)});
  }
  return rows;
}

}  // namespace vrex::os::win
