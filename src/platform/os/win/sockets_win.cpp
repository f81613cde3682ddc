#include <windows.h>  // with winsock.h: Winsock 1.1 of wsock32

#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/os/win/handles_win.h"
#include "platform/os/win/network_ports_win.h"
#include "platform/os/win/window_win.h"

namespace vrex::os::win {

int Win32Sockets::Startup(std::uint16_t versionRequested, WinsockData& data) {
  WSADATA block;
  std::memset(&block, 0, sizeof block);
  int error = WSAStartup(versionRequested, &block);
  if (error != 0) return error;
  data.version = block.wVersion;
  data.highVersion = block.wHighVersion;
  static_assert(sizeof block.szDescription == 257 && sizeof block.szSystemStatus == 129);
  std::memcpy(data.description.data(), block.szDescription, data.description.size());
  std::memcpy(data.systemStatus.data(), block.szSystemStatus, data.systemStatus.size());
  return 0;
}

int Win32Sockets::Cleanup() { return WSACleanup() == 0 ? 0 : WSAGetLastError(); }

std::optional<std::string> Win32Sockets::HostName(std::size_t bufferLength) {
  std::vector<char> buffer(bufferLength + 1, '\0');
  if (gethostname(buffer.data(), static_cast<int>(bufferLength)) != 0) return std::nullopt;
  return std::string(buffer.data());
}

std::optional<std::vector<Ipv4>> Win32Sockets::AddressesOf(const std::string& hostName) {
  const hostent* entry = gethostbyname(hostName.c_str());
  if (entry == nullptr) return std::nullopt;
  std::vector<Ipv4> addresses;
  if (entry->h_addrtype != AF_INET || entry->h_length != 4) return addresses;
  for (char** item = entry->h_addr_list; *item != nullptr; ++item) {
    Ipv4 address;
    std::memcpy(address.data(), *item, 4);
    addresses.push_back(address);
  }
  return addresses;
}

std::optional<std::string> Win32Sockets::NameOf(const Ipv4& address) {
  const hostent* entry = gethostbyaddr(reinterpret_cast<const char*>(address.data()), 4, AF_INET);
  if (entry == nullptr || entry->h_name == nullptr) return std::nullopt;
  return std::string(entry->h_name);
}

std::optional<std::string> Win32Sockets::ServiceOf(std::uint16_t port, const std::string& protocol) {
  const servent* entry = getservbyport(htons(port), protocol.c_str());
  if (entry == nullptr || entry->s_name == nullptr) return std::nullopt;
  return std::string(entry->s_name);
}

// ---- reverse lookups answered as window messages ----------------------

namespace {

// The message each answer arrives as: wParam the task handle, lParam's high word the error.
constexpr UINT kNameAnswerMessage = WM_APP + 0x4E;
constexpr const char* kAnswerWindowClass = "VrexNameAnswers";

}  // namespace

// The hidden window the answers are sent to, and the lookups under way.  A
// lookup's buffer is Winsock's until its answer message arrives, even after
// the lookup was cancelled: only the answer frees it.
struct Win32Sockets::NameLookups {
  struct Lookup {
    std::uint32_t number = 0;
    bool cancelled = false;
    std::array<char, 4> address{};
    std::array<char, MAXGETHOSTSTRUCT> buffer{};
  };

  ~NameLookups() {
    // Lookups still under way keep their buffers: Winsock may yet write them.
    for (auto& [task, lookup] : underWay) static_cast<void>(lookup.release());
  }

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kNameAnswerMessage) return DefWindowProcA(window, message, wParam, lParam);
    auto* lookups = reinterpret_cast<NameLookups*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (lookups != nullptr)
      vrex::win::Guarded([&] {
        lookups->Answered(reinterpret_cast<HANDLE>(wParam), WSAGETASYNCERROR(lParam));
        return LRESULT{0};
      });
    return 0;
  }

  bool HasWindow() {
    if (window) return true;
    if (!vrex::win::RegisterClassOnce({.name = kAnswerWindowClass, .procedure = WindowProcedure, .cursor = nullptr}))
      return false;
    // Never shown: a plain hidden window, as Windows 95 has no message-only ones.
    window.reset(CreateWindowExA(0, kAnswerWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr));
    if (!window) return false;
    SetWindowLongPtrA(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
  }

  void Answered(HANDLE task, int error) {
    auto found = underWay.find(task);
    if (found == underWay.end()) return;
    const Lookup& lookup = *found->second;
    if (!lookup.cancelled) {
      NameAnswer answer;
      answer.lookup = lookup.number;
      const auto* entry = reinterpret_cast<const hostent*>(lookup.buffer.data());
      if (error == 0 && entry->h_name != nullptr) answer.name = std::string(entry->h_name);
      answers.push_back(std::move(answer));
      taskOf.erase(lookup.number);
    }
    underWay.erase(found);
  }

  vrex::win::UniqueWindow window;
  std::map<HANDLE, std::unique_ptr<Lookup>> underWay;
  std::map<std::uint32_t, HANDLE> taskOf;  // the lookups not cancelled, by number
  std::vector<NameAnswer> answers;
  std::uint32_t lastNumber = 0;
};

Win32Sockets::Win32Sockets() : lookups_(std::make_unique<NameLookups>()) {}

Win32Sockets::~Win32Sockets() = default;

std::optional<std::uint32_t> Win32Sockets::StartNameLookup(const Ipv4& address) {
  if (!lookups_->HasWindow()) return std::nullopt;
  auto lookup = std::make_unique<NameLookups::Lookup>();
  std::memcpy(lookup->address.data(), address.data(), 4);
  HANDLE task = WSAAsyncGetHostByAddr(lookups_->window.get(), kNameAnswerMessage, lookup->address.data(), 4, AF_INET,
                                      lookup->buffer.data(), static_cast<int>(lookup->buffer.size()));
  if (task == nullptr) return std::nullopt;
  lookup->number = ++lookups_->lastNumber;
  const std::uint32_t number = lookup->number;
  lookups_->underWay[task] = std::move(lookup);
  lookups_->taskOf[number] = task;
  return number;
}

void Win32Sockets::WaitForMessage(std::uint32_t milliseconds) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
}

std::vector<NameAnswer> Win32Sockets::TakeNameAnswers() { return std::exchange(lookups_->answers, {}); }

void Win32Sockets::CancelNameLookup(std::uint32_t number) {
  auto found = lookups_->taskOf.find(number);
  if (found == lookups_->taskOf.end()) return;
  WSACancelAsyncRequest(found->second);
  lookups_->underWay.at(found->second)->cancelled = true;
  lookups_->taskOf.erase(found);
}

}  // namespace vrex::os::win
