#include <windows.h>
#include <nb30.h>

#include <cstddef>
#include <cstring>

#include "platform/os/win/network_ports_win.h"

namespace vrex::os::win {

// The system reads these blocks at the offsets of its own build: in a 32-bit
// process pointers and handles are four bytes.
static_assert(sizeof(void*) != 4 || (sizeof(NCB) == 64 && offsetof(NCB, ncb_lana_num) == 48));
static_assert(sizeof(ADAPTER_STATUS) == 60 && sizeof(NAME_BUFFER) == 18);

std::uint8_t Win32NetBios::Call(ControlBlock& block) {
  NCB ncb;
  std::memset(&ncb, 0, sizeof ncb);
  ncb.ncb_command = block.command;
  ncb.ncb_buffer = block.buffer;
  ncb.ncb_length = block.length;
  std::memcpy(ncb.ncb_callname, block.callName.data(), NCBNAMSZ);
  ncb.ncb_lana_num = block.lana;
  UCHAR result = Netbios(&ncb);
  block.returnCode = ncb.ncb_retcode;
  return result;
}

}  // namespace vrex::os::win
