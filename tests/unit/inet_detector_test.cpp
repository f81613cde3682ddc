// The online detector: its timer control and the logic of one tick.
#include <gtest/gtest.h>

#include <stdexcept>

#include "components/inet_detector.h"
#include "support/memory/memory_ports.h"

namespace vrex::components {
namespace {

constexpr const char* kRemoteAccess = "System\\CurrentControlSet\\Services\\RemoteAccess";

// Records what the detector asks of its timer and fires ticks on demand.
struct TimerLog {
  std::vector<std::string> calls;
  std::function<void()> tick;
  bool destroyed = false;
};

class RecordingTimer : public TickTimer {
 public:
  explicit RecordingTimer(TimerLog& log) : log_(log) {}
  ~RecordingTimer() override { log_.destroyed = true; }
  void Kill() override { log_.calls.push_back("kill"); }
  void Set(std::uint32_t period) override { log_.calls.push_back("set " + std::to_string(period)); }

 private:
  TimerLog& log_;
};

TickTimerFactory Recording(TimerLog& log) {
  return [&log](std::function<void()> onTick) {
    log.tick = std::move(onTick);
    return std::make_unique<RecordingTimer>(log);
  };
}

class Detector : public ::testing::Test {
 protected:
  void SetUp() override { world.sockets.hostName = "desk"; }
  void Resolve(std::vector<os::Ipv4> addresses) { world.sockets.AddHost("desk", std::move(addresses)); }
  void RemoteConnection(std::vector<std::uint8_t> value) {
    world.registry.SetRaw(os::RootKey::LocalMachine, kRemoteAccess, "Remote Connection", 3, std::move(value));
  }
  // Ticks once and returns how often OnChanged fired.
  int Tick(TINetDetector& detector) {
    int fired = 0;
    detector.OnChanged = [&](TINetDetector& sender) {
      EXPECT_EQ(&sender, &detector);
      ++fired;
    };
    log.tick();
    return fired;
  }
  os::memory::World world;
  TimerLog log;
};

TEST_F(Detector, StartsEnabledWithOneSecondAndOfflineUntilTheFirstTick) {
  auto detector = std::make_unique<TINetDetector>(Recording(log));
  EXPECT_TRUE(detector->Enabled());
  EXPECT_EQ(detector->DispatchInterval(), 1000u);
  EXPECT_FALSE(detector->Online());
  EXPECT_EQ(log.calls, (std::vector<std::string>{"kill", "set 1000"}));
  detector.reset();
  EXPECT_EQ(log.calls.back(), "kill");
  EXPECT_TRUE(log.destroyed);
}

TEST_F(Detector, SettersRestartOrStopTheTimerOnlyWhenTheValueChanges) {
  TINetDetector detector(Recording(log));
  log.calls.clear();
  detector.SetDispatchInterval(1000);
  detector.SetEnabled(true);
  EXPECT_TRUE(log.calls.empty());
  detector.SetDispatchInterval(250);
  EXPECT_EQ(log.calls, (std::vector<std::string>{"kill", "set 250"}));
  detector.SetDispatchInterval(0);  // stopped: the state stays as it was
  EXPECT_EQ(log.calls.back(), "kill");
  EXPECT_EQ(log.calls.size(), 3u);
  detector.SetDispatchInterval(500);
  detector.SetEnabled(false);
  EXPECT_EQ(log.calls, (std::vector<std::string>{"kill", "set 250", "kill", "kill", "set 500", "kill"}));
  detector.SetEnabled(true);
  EXPECT_EQ(log.calls.back(), "set 500");
}

TEST_F(Detector, ChangeThatHoldsThroughTheTickFiresTwice) {
  TINetDetector detector(Recording(log));
  Resolve({{10, 0, 0, 2}});  // no remote-access key: the address is checked twice
  EXPECT_EQ(Tick(detector), 2);
  EXPECT_TRUE(detector.Online());
  EXPECT_EQ(detector.LastAddress(), "10.0.0.2");
  EXPECT_EQ(Tick(detector), 0);
  world.sockets.hostName.reset();  // the host name cannot be read: off line
  EXPECT_EQ(Tick(detector), 2);
  EXPECT_FALSE(detector.Online());
  EXPECT_EQ(world.sockets.Outstanding(), 0);
  EXPECT_EQ(world.sockets.startups, 6);
}

TEST_F(Detector, BothChecksCompareWithTheStateBeforeTheTick) {
  TINetDetector detector(Recording(log));
  Resolve({{10, 0, 0, 2}});
  int lookups = 0;
  // On line at the first check, off line again at the second.
  world.sockets.onAddressLookup = [&] {
    if (++lookups == 2) Resolve({{127, 0, 0, 1}});
  };
  EXPECT_EQ(Tick(detector), 1);
  EXPECT_FALSE(detector.Online());
}

TEST_F(Detector, LoopbackOnlyIsOfflineUnlessTheDialUpFlagIsSet) {
  TINetDetector detector(Recording(log));
  Resolve({{127, 0, 0, 1}});
  EXPECT_EQ(Tick(detector), 0);
  EXPECT_FALSE(detector.Online());
  RemoteConnection({0, 0, 0, 0});
  EXPECT_EQ(Tick(detector), 0);
  EXPECT_FALSE(detector.Online());
  RemoteConnection({1, 0, 0, 0});
  EXPECT_EQ(Tick(detector), 1);
  EXPECT_TRUE(detector.Online());
  // Two checks in the first tick, without the key; one in each tick that found it.
  EXPECT_EQ(world.sockets.addressLookups, 4);
}

// On line when the address is not the loopback address, or when the
// remote-access service reports an active dial-up connection.
TEST_F(Detector, OnLineByTheAddressOrByTheDialUpFlag) {
  struct Case {
    os::Ipv4 address;
    std::uint8_t remoteConnection;
    bool online;
  };
  const Case cases[] = {
      {{10, 0, 0, 2}, 0, true},
      {{10, 0, 0, 2}, 1, true},
      {{127, 0, 0, 1}, 0, false},
      {{127, 0, 0, 1}, 1, true},
  };
  for (const Case& c : cases) {
    TINetDetector detector(Recording(log));
    Resolve({c.address});
    RemoteConnection({c.remoteConnection, 0, 0, 0});
    Tick(detector);
    EXPECT_EQ(detector.Online(), c.online) << os::DottedQuad(c.address) << ", flag " << int{c.remoteConnection};
  }
}

TEST_F(Detector, LastAddressOfTheListDecides) {
  TINetDetector detector(Recording(log));
  Resolve({{10, 0, 0, 2}, {127, 0, 0, 1}});
  Tick(detector);
  EXPECT_FALSE(detector.Online());
  Resolve({{127, 0, 0, 1}, {192, 168, 0, 4}});
  Tick(detector);
  EXPECT_TRUE(detector.Online());
}

TEST_F(Detector, UnreadableRemoteAccessValueFallsBackToTheAddress) {
  TINetDetector detector(Recording(log));
  Resolve({{10, 0, 0, 2}});
  RemoteConnection({1, 0, 0, 0, 0, 0, 0, 0});  // more than the four bytes read
  EXPECT_EQ(Tick(detector), 2);
  EXPECT_TRUE(detector.Online());
  EXPECT_EQ(world.sockets.addressLookups, 2);
}

TEST_F(Detector, ErrorDuringATickIsShownAndTheNextTickRunsAgain) {
  TINetDetector detector(Recording(log));
  Resolve({{10, 0, 0, 2}});
  detector.OnChanged = [](TINetDetector&) { throw std::runtime_error("handler failed"); };
  log.tick();
  ASSERT_EQ(world.messages.shown.size(), 1u);
  EXPECT_EQ(world.messages.shown[0].text, "handler failed");
  EXPECT_EQ(world.messages.shown[0].caption, "Vrex Info Network");
  EXPECT_EQ(world.messages.shown[0].flags, os::mb::kOk | os::mb::kIconError);
  EXPECT_TRUE(detector.Online());
  world.sockets.hostName.reset();
  EXPECT_EQ(Tick(detector), 2);
}

TEST_F(Detector, TickArrivingDuringATickIsDropped) {
  TINetDetector detector(Recording(log));
  Resolve({{10, 0, 0, 2}});
  int fired = 0;
  // The handler lets messages through, and a timer message is waiting.
  detector.OnChanged = [&](TINetDetector&) {
    ++fired;
    log.tick();
  };
  log.tick();
  EXPECT_EQ(fired, 2);
  EXPECT_EQ(world.sockets.addressLookups, 2);
}

}  // namespace
}  // namespace vrex::components
