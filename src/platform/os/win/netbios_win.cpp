#include <windows.h>
#include <nb30.h>

#include <cstring>

#include "platform/os/win/network_ports_win.h"

namespace vrex::os::win {

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
