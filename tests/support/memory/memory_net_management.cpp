#include "support/memory/memory_net_management.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>

namespace vrex::os::memory {
namespace {

using Function = MemoryNetManagement::Function;

std::u16string TextOf(const WideChar* text) { return text != nullptr ? std::u16string(text) : std::u16string(); }

std::size_t TextBytes(const std::u16string& text) { return (text.size() + 1) * sizeof(WideChar); }

}  // namespace

// One block handed out: the records first, their texts packed behind them.
struct MemoryNetManagement::Block {
  Block(std::size_t fixed, std::size_t texts)
      : storage((fixed + texts) / sizeof(std::max_align_t) + 1), fixedBytes(fixed) {}
  std::uint8_t* Data() { return reinterpret_cast<std::uint8_t*>(storage.data()); }
  template <typename Record>
  Record* At(std::size_t index) {
    return new (Data() + index * sizeof(Record)) Record{};
  }
  WideChar* Put(const std::u16string& text) {
    auto* at = reinterpret_cast<WideChar*>(Data() + fixedBytes + used);
    std::memcpy(at, text.data(), text.size() * sizeof(WideChar));
    at[text.size()] = 0;
    used += TextBytes(text);
    return at;
  }
  std::vector<std::max_align_t> storage;
  std::size_t fixedBytes;
  std::size_t used = 0;
};

MemoryNetManagement::MemoryNetManagement() = default;
MemoryNetManagement::~MemoryNetManagement() = default;

int MemoryNetManagement::CallCount(Function function) const {
  return static_cast<int>(
      std::count_if(calls.begin(), calls.end(), [function](const Call& call) { return call.function == function; }));
}

const MemoryNetManagement::Fault* MemoryNetManagement::FaultFor(Function function, const std::u16string& name) const {
  for (const Fault& fault : faults) {
    if (fault.function != function || (!fault.name.empty() && fault.name != name)) continue;
    int count = static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const Call& call) {
      return call.function == function && (fault.name.empty() || call.name == fault.name);
    }));
    if (fault.call == 0 || fault.call == count) return &fault;
  }
  return nullptr;
}

std::uint8_t* MemoryNetManagement::Keep(std::unique_ptr<Block> block) {
  std::uint8_t* data = block->Data();
  blocks_[data] = std::move(block);
  return data;
}

NetStatus MemoryNetManagement::ApiBufferFree(void* buffer) {
  if (buffer == nullptr) return net::kSuccess;
  if (blocks_.erase(buffer) == 0) {
    ++badFrees;
    return 87;  // ERROR_INVALID_PARAMETER
  }
  return net::kSuccess;
}

template <typename Record, typename Item, typename Fill>
NetStatus MemoryNetManagement::Enumerate(const std::vector<Item>& items, std::uint32_t preferredLength,
                                         std::uint8_t** buffer, std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                                         std::uint64_t start, std::uint64_t& next, Fill fill) {
  const std::size_t first = static_cast<std::size_t>(std::min<std::uint64_t>(start, items.size()));
  // Whole entries while they fit, but always one: an entry is its record and its texts.
  std::size_t count = 0, texts = 0, used = 0;
  while (first + count < items.size()) {
    std::size_t bytes = sizeof(Record);
    fill(nullptr, items[first + count], [&bytes](const std::u16string& text) {
      bytes += TextBytes(text);
      return nullptr;
    });
    if ((count > 0 || wholeOrNothing) && preferredLength != net::kMaxPreferredLength && used + bytes > preferredLength)
      break;
    used += bytes;
    texts += bytes - sizeof(Record);
    ++count;
  }
  *buffer = nullptr;
  if (count > 0) {
    auto block = std::make_unique<Block>(count * sizeof(Record), texts);
    for (std::size_t i = 0; i < count; ++i) {
      Record* record = block->template At<Record>(i);
      fill(record, items[first + i], [&block](const std::u16string& text) { return block->Put(text); });
    }
    *buffer = Keep(std::move(block));
  }
  *entriesRead = static_cast<std::uint32_t>(count);
  *totalEntries = static_cast<std::uint32_t>(totalsFromStart ? items.size() : items.size() - first);
  const bool more = first + count < items.size();
  next = more ? first + count : 0;
  return more ? net::kMoreData : net::kSuccess;
}

NetStatus MemoryNetManagement::UserEnum(const WideChar* server, std::uint32_t level, std::uint32_t,
                                        std::uint8_t** buffer, std::uint32_t preferredLength,
                                        std::uint32_t* entriesRead, std::uint32_t* totalEntries,
                                        std::uint32_t* resumeHandle) {
  const std::uint64_t start = resumeHandle != nullptr ? *resumeHandle : 0;
  calls.push_back({Function::UserEnum, server != nullptr, {}, level, preferredLength, start});
  if (const Fault* fault = FaultFor(Function::UserEnum, {})) return fault->status;
  if (level != 0) return net::kInvalidLevel;
  std::uint64_t next = 0;
  NetStatus status = Enumerate<UserInfo0>(users, preferredLength, buffer, entriesRead, totalEntries, start, next,
                                          [](UserInfo0* record, const User& user, auto put) {
                                            WideChar* name = put(user.name);
                                            if (record != nullptr) record->name = name;
                                          });
  if (resumeHandle != nullptr) *resumeHandle = static_cast<std::uint32_t>(next);
  return status;
}

NetStatus MemoryNetManagement::UserGetInfo(const WideChar* server, const WideChar* userName, std::uint32_t level,
                                           std::uint8_t** buffer) {
  const std::u16string name = TextOf(userName);
  calls.push_back({Function::UserGetInfo, server != nullptr, name, level, 0, 0});
  if (const Fault* fault = FaultFor(Function::UserGetInfo, name)) return fault->status;
  auto user = std::find_if(users.begin(), users.end(), [&](const User& u) { return u.name == name; });
  if (user == users.end()) return net::kUserNotFound;
  if (level != 3) return net::kInvalidLevel;
  const std::u16string empty;
  const std::u16string* texts[] = {&user->name, &user->comment, &user->scriptPath, &user->fullName, &empty};
  std::size_t bytes = 0;
  for (const std::u16string* text : texts) bytes += TextBytes(*text);
  auto block = std::make_unique<Block>(sizeof(UserInfo3), bytes);
  UserInfo3* record = block->At<UserInfo3>(0);
  record->name = block->Put(user->name);
  record->comment = block->Put(user->comment);
  record->scriptPath = block->Put(user->scriptPath);
  record->fullName = block->Put(user->fullName);
  // The texts the pages do not show are empty, as on a fresh account.
  WideChar* none = block->Put(empty);
  record->homeDir = record->usrComment = record->parms = record->workstations = none;
  record->logonServer = record->profile = record->homeDirDrive = none;
  record->passwordAge = user->passwordAge;
  record->priv = user->priv;
  record->flags = user->flags;
  record->authFlags = user->authFlags;
  record->lastLogon = user->lastLogon;
  record->lastLogoff = user->lastLogoff;
  record->acctExpires = user->acctExpires;
  record->maxStorage = user->maxStorage;
  record->numLogons = user->numLogons;
  record->userId = static_cast<std::uint32_t>(1000 + (user - users.begin()));
  *buffer = Keep(std::move(block));
  return net::kSuccess;
}

NetStatus MemoryNetManagement::LocalGroupEnum(const WideChar* server, std::uint32_t level, std::uint8_t** buffer,
                                              std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                              std::uint32_t* totalEntries, std::uintptr_t* resumeHandle) {
  const std::uint64_t start = resumeHandle != nullptr ? *resumeHandle : 0;
  calls.push_back({Function::LocalGroupEnum, server != nullptr, {}, level, preferredLength, start});
  if (const Fault* fault = FaultFor(Function::LocalGroupEnum, {})) return fault->status;
  std::uint64_t next = 0;
  NetStatus status;
  if (level == 0) {
    status = Enumerate<LocalGroupInfo0>(groups, preferredLength, buffer, entriesRead, totalEntries, start, next,
                                        [](LocalGroupInfo0* record, const Group& group, auto put) {
                                          WideChar* name = put(group.name);
                                          if (record != nullptr) record->name = name;
                                        });
  } else if (level == 1) {
    status = Enumerate<LocalGroupInfo1>(groups, preferredLength, buffer, entriesRead, totalEntries, start, next,
                                        [](LocalGroupInfo1* record, const Group& group, auto put) {
                                          WideChar* name = put(group.name);
                                          WideChar* comment = put(group.comment);
                                          if (record != nullptr) *record = {name, comment};
                                        });
  } else {
    return net::kInvalidLevel;
  }
  if (resumeHandle != nullptr) *resumeHandle = static_cast<std::uintptr_t>(next);
  return status;
}

NetStatus MemoryNetManagement::LocalGroupGetMembers(const WideChar* server, const WideChar* groupName,
                                                    std::uint32_t level, std::uint8_t** buffer,
                                                    std::uint32_t preferredLength, std::uint32_t* entriesRead,
                                                    std::uint32_t* totalEntries, std::uintptr_t* resumeHandle) {
  const std::u16string name = TextOf(groupName);
  const std::uint64_t start = resumeHandle != nullptr ? *resumeHandle : 0;
  calls.push_back({Function::LocalGroupGetMembers, server != nullptr, name, level, preferredLength, start});
  if (const Fault* fault = FaultFor(Function::LocalGroupGetMembers, name)) return fault->status;
  auto group = std::find_if(groups.begin(), groups.end(), [&](const Group& g) { return g.name == name; });
  if (group == groups.end()) return net::kNoSuchAlias;
  if (level != 1) return net::kInvalidLevel;
  std::uint64_t next = 0;
  NetStatus status =
      Enumerate<LocalGroupMembersInfo1>(group->members, preferredLength, buffer, entriesRead, totalEntries, start, next,
                                        [](LocalGroupMembersInfo1* record, const std::u16string& member, auto put) {
                                          WideChar* memberName = put(member);
                                          if (record != nullptr) *record = {nullptr, 1 /* SidTypeUser */, memberName};
                                        });
  if (resumeHandle != nullptr) *resumeHandle = static_cast<std::uintptr_t>(next);
  return status;
}

NetStatus MemoryNetManagement::LocalGroupGetInfo(const WideChar* server, const WideChar* groupName, std::uint32_t level,
                                                 std::uint8_t** buffer) {
  const std::u16string name = TextOf(groupName);
  calls.push_back({Function::LocalGroupGetInfo, server != nullptr, name, level, 0, 0});
  if (const Fault* fault = FaultFor(Function::LocalGroupGetInfo, name)) return fault->status;
  auto group = std::find_if(groups.begin(), groups.end(), [&](const Group& g) { return g.name == name; });
  if (group == groups.end()) return net::kGroupNotFound;
  if (level != 1) return net::kInvalidLevel;
  auto block = std::make_unique<Block>(sizeof(LocalGroupInfo1), TextBytes(group->name) + TextBytes(group->comment));
  LocalGroupInfo1* record = block->At<LocalGroupInfo1>(0);
  record->name = block->Put(group->name);
  record->comment = block->Put(group->comment);
  *buffer = Keep(std::move(block));
  return net::kSuccess;
}

}  // namespace vrex::os::memory
