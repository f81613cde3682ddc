#pragma once
// In-memory network-management functions over a list of user accounts and
// local groups.  They answer as the real ones do: each call hands out one
// block of records with their texts packed behind them, to be given back
// with ApiBufferFree; an enumeration returns whole entries, as many as fit in
// the preferred length but at least one, says ERROR_MORE_DATA while more
// remain, and continues where its resume handle points.  The total counts the
// entries from the position the call started at, as the documentation
// defines it (a hint); totalsFromStart gives all of them instead.  With
// wholeOrNothing an entry larger than the preferred length is not handed out
// alone: the call says more data with nothing read, as Wine's does.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/net_management.h"

namespace vrex::os::memory {

class MemoryNetManagement : public NetManagement {
 public:
  struct User {
    std::u16string name{};
    std::u16string fullName{};
    std::u16string comment{};
    std::u16string scriptPath{};
    std::uint32_t passwordAge = 0;
    std::uint32_t priv = net::kUserPrivUser;
    std::uint32_t flags = net::kUfScript | net::kUfNormalAccount;
    std::uint32_t authFlags = 0;
    std::uint32_t lastLogon = 0;
    std::uint32_t lastLogoff = 0;
    std::uint32_t acctExpires = net::kTimeqForever;
    std::uint32_t maxStorage = net::kMaxStorageUnlimited;
    std::uint32_t numLogons = 0;
  };
  struct Group {
    std::u16string name{};
    std::u16string comment{};
    std::vector<std::u16string> members{};
  };
  enum class Function { UserEnum, UserGetInfo, LocalGroupEnum, LocalGroupGetInfo, LocalGroupGetMembers };
  // The call-th call of the function (counting from 1, only calls for name
  // when it is given; 0: every call) returns status and leaves every output
  // untouched, as Wine's placeholders do.
  struct Fault {
    Function function;
    int call;
    NetStatus status;
    std::u16string name{};
  };
  struct Call {
    Function function;
    bool server;  // a server name was passed
    std::u16string name;
    std::uint32_t level;
    std::uint32_t preferredLength;
    std::uint64_t resumeIn;
  };

  MemoryNetManagement();
  ~MemoryNetManagement() override;

  NetStatus ApiBufferFree(void* buffer) override;
  NetStatus UserEnum(const WideChar* server, std::uint32_t level, std::uint32_t filter, std::uint8_t** buffer,
                     std::uint32_t preferredLength, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                     std::uint32_t* resumeHandle) override;
  NetStatus UserGetInfo(const WideChar* server, const WideChar* userName, std::uint32_t level,
                        std::uint8_t** buffer) override;
  NetStatus LocalGroupEnum(const WideChar* server, std::uint32_t level, std::uint8_t** buffer,
                           std::uint32_t preferredLength, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                           std::uintptr_t* resumeHandle) override;
  NetStatus LocalGroupGetMembers(const WideChar* server, const WideChar* groupName, std::uint32_t level,
                                 std::uint8_t** buffer, std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                 std::uint32_t* totalEntries, std::uintptr_t* resumeHandle) override;
  NetStatus LocalGroupGetInfo(const WideChar* server, const WideChar* groupName, std::uint32_t level,
                              std::uint8_t** buffer) override;

  // Blocks handed out and not given back.
  int Outstanding() const { return static_cast<int>(blocks_.size()); }
  int CallCount(Function function) const;

  std::vector<User> users;
  std::vector<Group> groups;
  std::vector<Fault> faults;
  bool totalsFromStart = false;
  bool wholeOrNothing = false;
  std::vector<Call> calls;
  int badFrees = 0;  // ApiBufferFree of something not handed out (or given back twice)

 private:
  struct Block;
  const Fault* FaultFor(Function function, const std::u16string& name) const;
  std::uint8_t* Keep(std::unique_ptr<Block> block);
  template <typename Record, typename Item, typename Fill>
  NetStatus Enumerate(const std::vector<Item>& items, std::uint32_t preferredLength, std::uint8_t** buffer,
                      std::uint32_t* entriesRead, std::uint32_t* totalEntries, std::uint64_t start, std::uint64_t& next,
                      Fill fill);

  std::map<const void*, std::unique_ptr<Block>> blocks_;
};

}  // namespace vrex::os::memory
