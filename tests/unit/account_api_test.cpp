// The account layer: which library each family is bound from on each
// platform and under which names, failed loads, release, the forwarding
// routines and their exception, and the system error text.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/account_api.h"
#include "support/memory/memory_ports.h"

namespace vrex::accountapi {
namespace {

using os::ProcAddress;

void NeverCalled() {}

// Every name of every list, exported by each of the three libraries.
std::map<std::string, ProcAddress> AllExports(bool ansi) {
  std::map<std::string, ProcAddress> exports;
  for (int family = 1; family <= kFamilyCount; ++family) {
    for (const char* name : Definition(family).names) {
      std::string exported = name;
      if (ansi && family == 5 && exported != "NetApiBufferFree") exported += 'A';
      exports[exported] = &NeverCalled;
    }
  }
  return exports;
}

class AccountLayer : public ::testing::Test {
 protected:
  void SetUp() override { world.system.SetVersion(os::kPlatformWin32NT, 5, 1); }
  void TearDown() override { ReleaseAccountLibraries(); }
  // The names looked up in a library, in order.
  std::vector<std::string> LookedUpIn(const std::string& library) const {
    std::vector<std::string> names;
    for (const auto& lookup : world.modules.lookups)
      if (lookup.library == library) names.push_back(lookup.name);
    return names;
  }
  os::memory::World world;
};

TEST_F(AccountLayer, EachFamilyIsBoundFromTheLibraryItsPlatformTestChooses) {
  struct Case {
    const char* system;
    std::uint32_t platform, major, minor;
    std::vector<std::string> libraries;  // families 1 to 5
  };
  const Case cases[] = {
      {"Windows 98",
       os::kPlatformWin32Windows,
       4,
       10,
       {"radmin32.dll", "radmin32.dll", "radmin32.dll", "radmin32.dll", "radmin32.dll"}},
      {"Windows NT 4.0",
       os::kPlatformWin32NT,
       4,
       0,
       {"radmin32.dll", "advapi32.dll", "advapi32.dll", "advapi32.dll", "netapi32.dll"}},
      {"Windows 2000",
       os::kPlatformWin32NT,
       5,
       0,
       {"advapi32.dll", "advapi32.dll", "advapi32.dll", "advapi32.dll", "netapi32.dll"}},
      {"Windows XP",
       os::kPlatformWin32NT,
       5,
       1,
       {"advapi32.dll", "advapi32.dll", "advapi32.dll", "advapi32.dll", "netapi32.dll"}},
      {"a later NT",
       os::kPlatformWin32NT,
       6,
       1,
       {"advapi32.dll", "advapi32.dll", "advapi32.dll", "advapi32.dll", "netapi32.dll"}},
  };
  for (const Case& c : cases) {
    os::memory::World fresh;
    fresh.system.SetVersion(c.platform, c.major, c.minor);
    const bool nt = c.platform == os::kPlatformWin32NT;
    fresh.modules.AddLibraryExports("advapi32.dll", AllExports(false));
    fresh.modules.AddLibraryExports("netapi32.dll", AllExports(false));
    fresh.modules.AddLibraryExports("radmin32.dll", AllExports(!nt));
    BindAccountLibraries();
    EXPECT_EQ(fresh.modules.loaded, c.libraries) << c.system;
    for (int family = 1; family <= kFamilyCount; ++family) {
      EXPECT_EQ(Family(family).fileName, c.libraries[family - 1]) << c.system << " family " << family;
      for (std::size_t i = 0; i < Family(family).pointers.size(); ++i)
        EXPECT_NE(Family(family).pointers[i], nullptr) << c.system << " " << Definition(family).names[i];
    }
    EXPECT_EQ(IsNTPlatform(), nt) << c.system;
    ReleaseAccountLibraries();
  }
}

TEST_F(AccountLayer, NetworkManagementNamesTakeAnAOffTheNtPlatformExceptTheBufferRelease) {
  for (bool nt : {true, false}) {
    os::memory::World fresh;
    fresh.system.SetVersion(nt ? os::kPlatformWin32NT : os::kPlatformWin32Windows, 4, nt ? 0 : 90);
    fresh.modules.AddLibraryExports("advapi32.dll", {});
    fresh.modules.AddLibraryExports("netapi32.dll", {});
    fresh.modules.AddLibraryExports("radmin32.dll", {});
    BindAccountLibraries();
    const std::vector<std::string>& names = Family(5).lookupNames;
    ASSERT_EQ(names.size(), 55u);
    EXPECT_EQ(names[0], nt ? "NetJoinDomain" : "NetJoinDomainA");
    EXPECT_EQ(names[8], "NetApiBufferFree");
    EXPECT_EQ(names[9], nt ? "NetUserEnum" : "NetUserEnumA");
    EXPECT_EQ(names[10], nt ? "NetUserGetInfo" : "NetUserGetInfoA");
    EXPECT_EQ(names[15], nt ? "NetLocalGroupEnum" : "NetLocalGroupEnumA");
    EXPECT_EQ(names[30], nt ? "NetLocalGroupGetMembers" : "NetLocalGroupGetMembersA");
    EXPECT_EQ(names[35], nt ? "NetLocalGroupGetInfo" : "NetLocalGroupGetInfoA");
    EXPECT_EQ(names[54], nt ? "NetWkstaGetInfo" : "NetWkstaGetInfoA");
    // The other families keep their names on both.
    EXPECT_EQ(Family(2).lookupNames[0], "GetFileSecurityA");
    EXPECT_EQ(Family(4).lookupNames[17], "ReportEventA");
    ReleaseAccountLibraries();
  }
}

TEST_F(AccountLayer, EveryListIsLookedUpWholeAndInOrder) {
  world.modules.AddLibraryExports("advapi32.dll", {});
  world.modules.AddLibraryExports("netapi32.dll", {});
  BindAccountLibraries();
  const std::vector<std::string> advapi = LookedUpIn("advapi32.dll");
  ASSERT_EQ(advapi.size(), 5u + 46u + 28u + 18u);
  EXPECT_EQ(std::vector<std::string>(advapi.begin(), advapi.begin() + 5),
            (std::vector<std::string>{"FileEncryptionStatusW", "EncryptFileW", "DecryptFileW", "ConvertSidToStringSidW",
                                      "ConvertStringSidToSidW"}));
  EXPECT_EQ(advapi[5], "GetFileSecurityA");
  EXPECT_EQ(advapi[5 + 45], "AdjustTokenPrivileges");
  EXPECT_EQ(advapi[51], "ChangeServiceConfigA");
  EXPECT_EQ(advapi[51 + 27], "RegQueryInfoKeyA");
  EXPECT_EQ(advapi[79], "LookupAccountNameA");
  EXPECT_EQ(advapi[79 + 5], "AllocateAndInitializeSid");  // in list 2 as well
  EXPECT_EQ(LookedUpIn("netapi32.dll").size(), 55u);
  // Nothing exported: every pointer empty, but the libraries are held.
  EXPECT_EQ(Pointer(5, "NetUserEnum"), nullptr);
  EXPECT_EQ(Family(5).handle, 0x20000u);
}

TEST_F(AccountLayer, AHandleOfThirtyTwoOrBelowIsALibraryThatDidNotLoad) {
  struct Case {
    os::ModuleHandle handle;
    bool loaded;
  };
  for (const Case& c : {Case{32, false}, Case{33, true}, Case{1, false}}) {
    os::memory::World fresh;
    fresh.system.SetVersion(os::kPlatformWin32NT, 5, 1);
    fresh.modules.AddLibraryExports("netapi32.dll", {{"NetUserEnum", &NeverCalled}}, c.handle);
    BindAccountLibraries();
    EXPECT_EQ(Family(5).handle, c.handle);
    EXPECT_EQ(Pointer(5, "NetUserEnum") != nullptr, c.loaded) << c.handle;
    EXPECT_EQ(Family(5).lookupNames.size(), c.loaded ? 55u : 0u) << c.handle;
    ReleaseAccountLibraries();
    // Only a loaded library is released.
    EXPECT_EQ(fresh.modules.freed, c.loaded ? std::vector<os::ModuleHandle>{c.handle} : std::vector<os::ModuleHandle>{})
        << c.handle;
  }
}

TEST_F(AccountLayer, ReleaseFreesEachLoadedFamilyAndForgetsNamesAndPointers) {
  world.modules.AddLibraryExports("advapi32.dll", AllExports(false));
  world.modules.AddLibraryExports("netapi32.dll", AllExports(false));
  BindAccountLibraries();
  EXPECT_EQ(world.modules.LoadedCount(), 5);
  ReleaseAccountLibraries();
  EXPECT_EQ(world.modules.LoadedCount(), 0);
  EXPECT_EQ(world.modules.freed.size(), 5u);
  for (int family = 1; family <= kFamilyCount; ++family) {
    EXPECT_EQ(Family(family).fileName, "");
    EXPECT_EQ(Family(family).handle, 0u);
  }
  EXPECT_EQ(Pointer(5, "NetApiBufferFree"), nullptr);
  // A second release has nothing left to free.
  ReleaseAccountLibraries();
  EXPECT_EQ(world.modules.freed.size(), 5u);
}

TEST_F(AccountLayer, AMissingFunctionLeavesOnlyItsOwnPointerEmpty) {
  auto exports = AllExports(false);
  exports.erase("NetLocalGroupGetMembers");
  world.modules.AddLibraryExports("netapi32.dll", exports);
  BindAccountLibraries();
  EXPECT_EQ(Pointer(5, "NetLocalGroupGetMembers"), nullptr);
  EXPECT_NE(Pointer(5, "NetLocalGroupGetInfo"), nullptr);
  EXPECT_NE(Pointer(5, "NetLocalGroupSetMembers"), nullptr);
  EXPECT_EQ(Pointer(5, "NoSuchName"), nullptr);
}

// What the fake functions were called with.
struct Received {
  const os::WideChar* server = nullptr;
  const os::WideChar* name = nullptr;
  std::uint32_t level = 0, filter = 0, length = 0;
  std::uint8_t** buffer = nullptr;
  std::uint32_t* read = nullptr;
  std::uint32_t* total = nullptr;
  void* resume = nullptr;
  void* freed = nullptr;
  std::string function;
};
Received received;

os::NetStatus VREX_NET_API FakeFree(void* buffer) {
  received = {};
  received.function = "free";
  received.freed = buffer;
  return 11;
}
os::NetStatus VREX_NET_API FakeUserEnum(const os::WideChar* server, std::uint32_t level, std::uint32_t filter,
                                        std::uint8_t** buffer, std::uint32_t length, std::uint32_t* read,
                                        std::uint32_t* total, std::uint32_t* resume) {
  received = {server, nullptr, level, filter, length, buffer, read, total, resume, nullptr, "user enum"};
  return 12;
}
os::NetStatus VREX_NET_API FakeUserGetInfo(const os::WideChar* server, const os::WideChar* name, std::uint32_t level,
                                           std::uint8_t** buffer) {
  received = {server, name, level, 0, 0, buffer, nullptr, nullptr, nullptr, nullptr, "user info"};
  return 13;
}
os::NetStatus VREX_NET_API FakeGroupEnum(const os::WideChar* server, std::uint32_t level, std::uint8_t** buffer,
                                         std::uint32_t length, std::uint32_t* read, std::uint32_t* total,
                                         std::uintptr_t* resume) {
  received = {server, nullptr, level, 0, length, buffer, read, total, resume, nullptr, "group enum"};
  return 14;
}
os::NetStatus VREX_NET_API FakeMembers(const os::WideChar* server, const os::WideChar* name, std::uint32_t level,
                                       std::uint8_t** buffer, std::uint32_t length, std::uint32_t* read,
                                       std::uint32_t* total, std::uintptr_t* resume) {
  received = {server, name, level, 0, length, buffer, read, total, resume, nullptr, "members"};
  return 15;
}
os::NetStatus VREX_NET_API FakeGroupInfo(const os::WideChar* server, const os::WideChar* name, std::uint32_t level,
                                         std::uint8_t** buffer) {
  received = {server, name, level, 0, 0, buffer, nullptr, nullptr, nullptr, nullptr, "group info"};
  return 16;
}

TEST_F(AccountLayer, ForwardingRoutinesPassTheirArgumentsThroughAndReturnTheStatus) {
  world.modules.AddLibraryExports("netapi32.dll",
                                  {{"NetApiBufferFree", reinterpret_cast<ProcAddress>(&FakeFree)},
                                   {"NetUserEnum", reinterpret_cast<ProcAddress>(&FakeUserEnum)},
                                   {"NetUserGetInfo", reinterpret_cast<ProcAddress>(&FakeUserGetInfo)},
                                   {"NetLocalGroupEnum", reinterpret_cast<ProcAddress>(&FakeGroupEnum)},
                                   {"NetLocalGroupGetMembers", reinterpret_cast<ProcAddress>(&FakeMembers)},
                                   {"NetLocalGroupGetInfo", reinterpret_cast<ProcAddress>(&FakeGroupInfo)}});
  BindAccountLibraries();
  const os::WideChar server[] = u"\\\\BOX";
  const os::WideChar name[] = u"Guests";
  std::uint8_t* buffer = nullptr;
  std::uint32_t read = 0, total = 0, resume = 0;
  std::uintptr_t resumePtr = 0;
  int block = 0;

  EXPECT_EQ(netapi::NetApiBufferFree(&block), 11u);
  EXPECT_EQ(received.function, "free");
  EXPECT_EQ(received.freed, &block);

  EXPECT_EQ(netapi::NetUserEnum(server, 3, 2, &buffer, 22, &read, &total, &resume), 12u);
  EXPECT_EQ(received.function, "user enum");
  EXPECT_EQ(received.server, server);
  EXPECT_EQ(received.level, 3u);
  EXPECT_EQ(received.filter, 2u);
  EXPECT_EQ(received.length, 22u);
  EXPECT_EQ(received.buffer, &buffer);
  EXPECT_EQ(received.read, &read);
  EXPECT_EQ(received.total, &total);
  EXPECT_EQ(received.resume, &resume);

  EXPECT_EQ(netapi::NetUserGetInfo(nullptr, name, 3, &buffer), 13u);
  EXPECT_EQ(received.function, "user info");
  EXPECT_EQ(received.server, nullptr);
  EXPECT_EQ(received.name, name);
  EXPECT_EQ(received.level, 3u);
  EXPECT_EQ(received.buffer, &buffer);

  EXPECT_EQ(netapi::NetLocalGroupEnum(server, 1, &buffer, 255, &read, &total, &resumePtr), 14u);
  EXPECT_EQ(received.function, "group enum");
  EXPECT_EQ(received.level, 1u);
  EXPECT_EQ(received.length, 255u);
  EXPECT_EQ(received.resume, &resumePtr);

  EXPECT_EQ(netapi::NetLocalGroupGetMembers(nullptr, name, 1, &buffer, 255, &read, &total, &resumePtr), 15u);
  EXPECT_EQ(received.function, "members");
  EXPECT_EQ(received.name, name);
  EXPECT_EQ(received.read, &read);
  EXPECT_EQ(received.total, &total);
  EXPECT_EQ(received.resume, &resumePtr);

  EXPECT_EQ(netapi::NetLocalGroupGetInfo(nullptr, name, 1, &buffer), 16u);
  EXPECT_EQ(received.function, "group info");
  EXPECT_EQ(received.name, name);
  EXPECT_EQ(received.level, 1u);
}

TEST_F(AccountLayer, AnUnboundRoutineRaisesENTExceptionNamingTheNetworkLibrary) {
  struct Case {
    std::uint32_t platform;
    const char* message;
  };
  for (const Case& c : {Case{os::kPlatformWin32NT, "Cannot load library \"netapi32.dll\" or linked libraries"},
                        Case{os::kPlatformWin32Windows, "Cannot load library \"radmin32.dll\" or linked libraries"}}) {
    os::memory::World fresh;  // no library at all
    fresh.system.SetVersion(c.platform, 4, 0);
    BindAccountLibraries();
    std::uint8_t* buffer = nullptr;
    std::uint32_t read = 0, total = 0, resume = 0;
    try {
      netapi::NetUserEnum(nullptr, 0, 0, &buffer, 22, &read, &total, &resume);
      ADD_FAILURE() << "no exception";
    } catch (const ENTException& error) {
      EXPECT_STREQ(error.what(), c.message);
      EXPECT_EQ(error.ErrorCode, 0);
    }
    EXPECT_THROW(netapi::NetApiBufferFree(nullptr), ENTException);
    EXPECT_THROW(netapi::NetLocalGroupGetInfo(nullptr, u"x", 1, &buffer), ENTException);
    ReleaseAccountLibraries();
  }
}

TEST_F(AccountLayer, LastErrorRaisesWithTheCodeAndTheSystemText) {
  world.system.errorMessages[5] = "Access is denied.\r\n";
  EXPECT_EQ(SystemErrorText(5), "5: Access is denied.\r\n");
  EXPECT_EQ(SystemErrorText(1234), "1234: ");
  world.system.lastError = 0;
  EXPECT_NO_THROW(CheckLastOSError());
  world.system.lastError = 5;
  try {
    CheckLastOSError();
    ADD_FAILURE() << "no exception";
  } catch (const ENTException& error) {
    EXPECT_STREQ(error.what(), "5: Access is denied.\r\n");
    EXPECT_EQ(error.ErrorCode, 5);
  }
}

TEST_F(AccountLayer, AFailedVersionQueryRaisesItsErrorOrCountsAsNotNt) {
  world.system.versionCallFails = true;
  world.system.lastError = 0;
  EXPECT_FALSE(IsNTPlatform());
  EXPECT_FALSE(IsNT5Platform());
  world.system.lastError = 87;
  world.system.errorMessages[87] = "The parameter is incorrect.";
  EXPECT_THROW(IsNTPlatform(), ENTException);
  EXPECT_THROW(BindAccountLibraries(), ENTException);
  EXPECT_TRUE(world.modules.loaded.empty());
}

}  // namespace
}  // namespace vrex::accountapi
