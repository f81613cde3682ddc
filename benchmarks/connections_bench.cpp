// The connection walk and its rendering over the in-memory agent: 2,000 TCP
// rows to 100 distinct remote addresses, with name lookups answered at once;
// and start-up at scale: 400 rows to 200 distinct remote addresses whose
// reverse lookups take 75 ms each, looked up all at once and one at a time.
// Reports the reverse and service lookups made per walk.
#include <benchmark/benchmark.h>

#include "gather/connections.h"
#include "support/memory/memory_ports.h"

namespace {

using vrex::os::Ipv4;

constexpr int kRows = 2000;
constexpr int kRemoteAddresses = 100;

Ipv4 Remote(int index) {
  return {10, 20, static_cast<std::uint8_t>(index / 50), static_cast<std::uint8_t>(index % 50 + 1)};
}

void FillWorld(vrex::os::memory::World& world) {
  world.sockets.hostName = "desk";
  for (int i = 0; i < kRemoteAddresses; ++i)
    if (i % 4 != 0) world.sockets.reverseNames[Remote(i)] = "host-" + std::to_string(i) + ".example";
  world.sockets.services[{80, "tcp"}] = "http";
  world.sockets.services[{443, "tcp"}] = "https";
  for (int row = 0; row < kRows; ++row) {
    std::uint32_t remotePort = row % 3 == 0 ? 80 : row % 3 == 1 ? 443 : 8000 + row % 10;
    world.snmp.AddTcpRow(5, {192, 168, 1, 2}, 1024 + row, Remote(row % kRemoteAddresses), remotePort);
  }
}

void BM_ConnectionWalkAndRendering(benchmark::State& state) {
  vrex::os::memory::World world;
  FillWorld(world);
  int reverseLookups = 0;
  int serviceLookups = 0;
  std::size_t lines = 0;
  for (auto _ : state) {
    const int names = world.sockets.nameLookups + world.sockets.lookupsStarted;
    const int services = world.sockets.serviceLookups;
    auto collected = vrex::gather::connectionstostringlst();
    benchmark::DoNotOptimize(collected.data());
    reverseLookups = world.sockets.nameLookups + world.sockets.lookupsStarted - names;
    serviceLookups = world.sockets.serviceLookups - services;
    lines = collected.size();
  }
  if (reverseLookups > kRemoteAddresses) state.SkipWithError("more reverse lookups than distinct remote addresses");
  if (lines != static_cast<std::size_t>(kRows) * 4) state.SkipWithError("not every row was rendered");
  state.counters["rows"] = kRows;
  state.counters["reverse_lookups"] = reverseLookups;
  state.counters["service_lookups"] = serviceLookups;
}
BENCHMARK(BM_ConnectionWalkAndRendering)->Unit(benchmark::kMillisecond);

constexpr int kSlowRemoteAddresses = 200;
constexpr std::uint32_t kLookupMilliseconds = 75;

// state.range(0): 1 when the lookups run at once, 0 when Winsock takes one at a time.
void BM_StartUpWithSlowReverseLookups(benchmark::State& state) {
  const bool atOnce = state.range(0) == 1;
  vrex::os::memory::World world;
  world.sockets.hostName = "desk";
  world.sockets.lookupMilliseconds = kLookupMilliseconds;
  world.sockets.startLookupFails = !atOnce;
  for (int i = 0; i < kSlowRemoteAddresses; ++i) {
    const Ipv4 remote = {10, 30, static_cast<std::uint8_t>(i / 100), static_cast<std::uint8_t>(i % 100 + 1)};
    if (i % 4 != 0) world.sockets.reverseNames[remote] = "peer-" + std::to_string(i) + ".example";
    world.snmp.AddTcpRow(5, {192, 168, 1, 2}, 1024 + 2 * i, remote, 80);
    world.snmp.AddTcpRow(5, {192, 168, 1, 2}, 1025 + 2 * i, remote, 443);
  }
  std::size_t named = 0;
  for (auto _ : state) {
    auto collected = vrex::gather::connectionstostringlst();
    named = 0;
    for (std::size_t line = 2; line < collected.size(); line += 4)
      if (collected[line].find(".example: ") != std::string::npos) ++named;
  }
  if (named != static_cast<std::size_t>(kSlowRemoteAddresses) / 4 * 3 * 2) state.SkipWithError("names are missing");
  state.counters["distinct_remotes"] = kSlowRemoteAddresses;
  state.counters["lookup_ms"] = kLookupMilliseconds;
  state.counters["named_rows"] = static_cast<double>(named);
}
BENCHMARK(BM_StartUpWithSlowReverseLookups)
    ->ArgName("at_once")
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_StartUpWithSlowReverseLookups)
    ->ArgName("at_once")
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
