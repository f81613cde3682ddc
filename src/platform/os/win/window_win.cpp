#include "platform/os/win/window_win.h"

#include "platform/os/ports.h"
#include "platform/program.h"

namespace vrex::win {

void ShowException(const char* text) {
  // Through the message port, so that tests can record the box instead of waiting on it.
  os::MessagesPort().Show(text, kApplicationTitle, os::mb::kOk | os::mb::kIconError);
}

}  // namespace vrex::win
