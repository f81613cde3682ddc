#pragma once
// The online detector: once per interval it decides whether the computer
// counts as on line (its host name resolves to an address other than the
// loopback address, or the remote-access service reports a dial-up
// connection) and keeps the answer in Online.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/sockets.h"

namespace vrex::components {

// Delivers ticks on the user-interface thread: timer 1 of a hidden window.
class TickTimer {
 public:
  virtual ~TickTimer() = default;
  virtual void Kill() = 0;
  virtual void Set(std::uint32_t periodMs) = 0;
};

// Creates a timer that calls onTick for each of its ticks.
using TickTimerFactory = std::function<std::unique_ptr<TickTimer>(std::function<void()> onTick)>;

class TINetDetector {
 public:
  using TNotifyEvent = std::function<void(TINetDetector& sender)>;

  // Enabled, an interval of 1000 ms, the timer running.
  explicit TINetDetector(const TickTimerFactory& createTimer);
  ~TINetDetector();
  TINetDetector(const TINetDetector&) = delete;
  TINetDetector& operator=(const TINetDetector&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // 0 stops the timer.
  std::uint32_t DispatchInterval() const { return dispatchInterval_; }
  void SetDispatchInterval(std::uint32_t value);
  // The result of the last tick; false before the first.
  bool Online() const { return online_; }
  // Fired for each check within a tick whose result differs from the state before the tick.
  TNotifyEvent OnChanged;

  // Whether the host name resolves to an address other than 127.0.0.1.
  bool CheckLocalAddress();
  void TimerTick();

  // The address found by the last successful lookup.
  const std::string& LastAddress() const { return lastAddress_; }

 private:
  void UpdateTimer();
  void Changed(bool previous);

  bool enabled_ = true;
  std::uint32_t dispatchInterval_ = 1000;
  std::unique_ptr<TickTimer> timer_;
  bool online_ = false;
  std::string lastAddress_;
  std::optional<std::vector<os::Ipv4>> hostEntry_;
  bool ticking_ = false;
};

// The Windows timer: a hidden message-only window whose timer 1 runs onTick.
std::unique_ptr<TickTimer> CreateHiddenWindowTimer(std::function<void()> onTick);

}  // namespace vrex::components
