#include "components/inet_detector.h"

#include <exception>

#include "platform/os/ports.h"
#include "platform/program.h"

namespace vrex::components {
namespace {

constexpr const char* kRemoteAccessKey = "System\\CurrentControlSet\\Services\\RemoteAccess";

}  // namespace

TINetDetector::TINetDetector(const TickTimerFactory& createTimer) {
  timer_ = createTimer([this] { TimerTick(); });
  UpdateTimer();
}

TINetDetector::~TINetDetector() {
  enabled_ = false;
  UpdateTimer();
  timer_.reset();
}

void TINetDetector::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  UpdateTimer();
}

void TINetDetector::SetDispatchInterval(std::uint32_t value) {
  if (value == dispatchInterval_) return;
  dispatchInterval_ = value;
  UpdateTimer();
}

void TINetDetector::UpdateTimer() {
  if (!timer_) return;
  timer_->Kill();
  if (dispatchInterval_ != 0 && enabled_) timer_->Set(dispatchInterval_);
}

bool TINetDetector::CheckLocalAddress() {
  std::string address;
  hostEntry_ = os::OwnHostAddresses();
  if (!hostEntry_) return false;
  for (const auto& entry : *hostEntry_) address = os::DottedQuad(entry);
  lastAddress_ = address;
  return !address.empty() && address != "127.0.0.1";
}

void TINetDetector::Changed(bool previous) {
  if (online_ != previous && OnChanged) OnChanged(*this);
}

void TINetDetector::TimerTick() {
  // A tick that arrives while the last one still runs (its message box
  // dispatches timer messages too) is dropped rather than stacked.
  if (ticking_) return;
  ticking_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{ticking_};

  const bool previous = online_;
  try {
    online_ = CheckLocalAddress();
    Changed(previous);
    auto key = os::RegistryPort().Open(os::RootKey::LocalMachine, kRemoteAccessKey, os::Access::ReadOnly);
    if (!key) {
      online_ = CheckLocalAddress();
      Changed(previous);
      return;
    }
    if (auto value = key->ReadRaw("Remote Connection", 4)) {
      online_ = online_ || (!value->empty() && (*value)[0] == 1);
    } else {
      online_ = CheckLocalAddress();
    }
    Changed(previous);
  } catch (const std::exception& error) {
    os::MessagesPort().Show(error.what(), kApplicationTitle, os::mb::kOk | os::mb::kIconError);
  }
}

}  // namespace vrex::components
