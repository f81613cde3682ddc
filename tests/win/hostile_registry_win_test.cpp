// Registry values as a careless or hostile writer leaves them, read through
// the Win32 adapter from Wine's real registry: wrong types, empty values,
// values at and past the 255-byte buffer, texts without their NUL and
// multi-texts without their closing double NUL.  Each ends in a value or in
// "absent", never in a read outside the data.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "lang/multistring.h"
#include "platform/os/win/win_ports_win.h"

namespace vrex {
namespace {

constexpr const char* kKey = "Software\\VrexTest\\Hostile";

struct Value {
  const char* name;
  DWORD type;
  std::string data;  // the value's bytes
};

std::string Repeated(std::size_t count, char byte) { return std::string(count, byte); }

std::string TextOf(const std::string& text) { return text; }

class HostileRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    os::win::InstallWin32Ports();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  void Write(const Value& value) {
    ASSERT_EQ(RegSetValueExA(key_, value.name, 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                             static_cast<DWORD>(value.data.size())),
              ERROR_SUCCESS)
        << value.name;
  }
  HKEY key_ = nullptr;
};

TEST_F(HostileRegistry, TextAndIntegerReadsTakeOnlyTheirOwnTypes) {
  struct Case {
    Value value;
    std::optional<std::string> text;
    std::optional<std::uint32_t> integer;
  };
  const Case cases[] = {
      {{"Number", REG_DWORD, std::string("\x01\x02\x03\x04", 4)}, std::nullopt, 0x04030201u},
      {{"ShortNumber", REG_DWORD, std::string("\x01\x02", 2)}, std::nullopt, std::nullopt},
      {{"BinaryNumber", REG_BINARY, std::string("\x01\x02\x03\x04", 4)}, std::nullopt, std::nullopt},
      {{"TextNumber", REG_SZ, TextOf(std::string("42\0", 3))}, "42", std::nullopt},
      {{"Empty", REG_SZ, {}}, "", std::nullopt},
      {{"NoNul", REG_SZ, TextOf("abc")}, "abc", std::nullopt},
      {{"EmbeddedNul", REG_SZ, TextOf(std::string("ab\0cd\0", 6))}, "ab", std::nullopt},
      {{"Expand", REG_EXPAND_SZ, TextOf(std::string("%WINDIR%\0", 9))}, "%WINDIR%", std::nullopt},
      {{"Multi", REG_MULTI_SZ, TextOf(std::string("A\0B\0\0", 5))}, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) Write(c.value);
  auto key = os::RegistryPort().Open(os::RootKey::CurrentUser, kKey, os::Access::ReadOnly);
  ASSERT_NE(key, nullptr);
  for (const auto& c : cases) {
    EXPECT_EQ(key->ReadText(c.value.name), c.text) << c.value.name;
    EXPECT_EQ(key->ReadInteger(c.value.name), c.integer) << c.value.name;
  }
}

TEST_F(HostileRegistry, RawReadsFitTheBufferOrGiveNothing) {
  struct Case {
    Value value;
    std::optional<std::size_t> rawSize;  // what a read into the 255-byte buffer gives
  };
  const Case cases[] = {
      {{"Empty", REG_BINARY, {}}, 0},
      {{"AtTheBuffer", REG_BINARY, Repeated(255, 'x')}, 255},
      {{"PastTheBuffer", REG_BINARY, Repeated(256, 'x')}, std::nullopt},
      {{"LongText", REG_SZ, TextOf(std::string(300, 'y') + '\0')}, std::nullopt},
      // Around the 512 bytes a read takes in one request.
      {{"AtOneRequest", REG_BINARY, Repeated(512, 'z')}, std::nullopt},
      {{"PastOneRequest", REG_BINARY, Repeated(513, 'z')}, std::nullopt},
      {{"Large", REG_BINARY, Repeated(70000, 'w')}, std::nullopt},
  };
  for (const auto& c : cases) Write(c.value);
  auto key = os::RegistryPort().Open(os::RootKey::CurrentUser, kKey, os::Access::ReadOnly);
  ASSERT_NE(key, nullptr);
  for (const auto& c : cases) {
    auto raw = key->ReadRaw(c.value.name);
    EXPECT_EQ(raw ? std::optional<std::size_t>(raw->size()) : std::nullopt, c.rawSize) << c.value.name;
    // Read whole, however long.
    EXPECT_EQ(key->ReadRaw(c.value.name, os::kWholeValue)->size(), c.value.data.size()) << c.value.name;
  }
  // A text longer than the buffer is still read whole as text.
  EXPECT_EQ(key->ReadText("LongText"), std::string(300, 'y'));
  EXPECT_EQ(key->ReadRaw("PastOneRequest", os::kWholeValue), std::vector<std::uint8_t>(513, 'z'));
  EXPECT_EQ(key->ReadRaw("Large", 70000)->size(), 70000u);
  EXPECT_FALSE(key->ReadRaw("Large", 69999));
}

TEST_F(HostileRegistry, MultiTextsWithoutTheirClosingNulsJoinWhatIsThere) {
  struct Case {
    const char* name;
    DWORD type;
    const char* bytes;
    std::size_t length;
    const char* joined;
  };
  const Case cases[] = {
      {"Closed", REG_MULTI_SZ, "PCI\\VEN_10EC\0*PNP0A03\0\0", 24, "PCI\\VEN_10EC*PNP0A03"},
      {"OneNul", REG_MULTI_SZ, "A\0B\0", 4, "AB"},
      {"NoNul", REG_MULTI_SZ, "AB", 2, "AB"},
      {"Empty", REG_MULTI_SZ, "", 0, ""},
      {"BinaryAsList", REG_BINARY, "Q\0R", 3, "QR"},
  };
  for (const auto& c : cases) Write({c.name, c.type, std::string(c.bytes, c.length)});
  auto key = os::RegistryPort().Open(os::RootKey::CurrentUser, kKey, os::Access::ReadOnly);
  ASSERT_NE(key, nullptr);
  for (const auto& c : cases) {
    auto raw = key->ReadRaw(c.name, os::kWholeValue);
    ASSERT_TRUE(raw) << c.name;
    EXPECT_EQ(JoinMultiString(*raw), c.joined) << c.name;
  }
}

}  // namespace
}  // namespace vrex
