// The text of the report of a fault the program cannot recover from.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/fault_report.h"

namespace vrex {
namespace {

TEST(FaultReport, NamesTheCodeTheModuleAndTheOffset) {
  struct Case {
    std::uint32_t code;
    const char* module;
    std::uintptr_t offset;
    std::uintptr_t address;
    const char* expected;
  };
  const Case cases[] = {
      {0xC0000005, "C:\\Vrex\\Network\\VrexNet.exe", 0x1A2B3, 0x41A2B3,
       "The program met a fault it cannot recover from and will close.\r\n\r\n"
       "Fault code: C0000005\r\nModule: VrexNet.exe\r\nOffset: 0001A2B3"},
      {0xC0000094, "Z:/tmp/vrex_win_tests.exe", 0x10, 0x400010,
       "The program met a fault it cannot recover from and will close.\r\n\r\n"
       "Fault code: C0000094\r\nModule: vrex_win_tests.exe\r\nOffset: 00000010"},
      {0x80000003, "kernel32.dll", 0xFFFFFFFF, 0,
       "The program met a fault it cannot recover from and will close.\r\n\r\n"
       "Fault code: 80000003\r\nModule: kernel32.dll\r\nOffset: FFFFFFFF"},
      // No module holds the address (a jump into nowhere): the address itself.
      {0xC0000005, "", 0, 0xDEADBEEF,
       "The program met a fault it cannot recover from and will close.\r\n\r\n"
       "Fault code: C0000005\r\nModule: none\r\nAddress: DEADBEEF"},
      {0xC0000005, nullptr, 0, 0x10,
       "The program met a fault it cannot recover from and will close.\r\n\r\n"
       "Fault code: C0000005\r\nModule: none\r\nAddress: 00000010"},
  };
  for (const auto& c : cases) {
    char out[512];
    std::size_t length = FormatFaultReport(out, sizeof out, c.code, c.module, c.offset, c.address);
    EXPECT_EQ(std::string(out), c.expected);
    EXPECT_EQ(length, std::string(c.expected).size());
  }
}

TEST(FaultReport, SmallBufferIsFilledAndEndedNeverOverrun) {
  char out[12];
  std::memset(out, 'x', sizeof out);
  std::size_t length = FormatFaultReport(out, 8, 0xC0000005, "VrexNet.exe", 0, 0);
  EXPECT_EQ(std::string(out), "The pro");
  EXPECT_EQ(length, 7u);
  EXPECT_EQ(out[8], 'x');
  EXPECT_EQ(FormatFaultReport(out, 0, 0xC0000005, "VrexNet.exe", 0, 0), 0u);
  EXPECT_EQ(out[0], 'T');  // nothing written with no room at all
}

}  // namespace
}  // namespace vrex
