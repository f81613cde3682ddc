// The connection walk and its rendering over the in-memory agent: 2,000 TCP
// rows to 100 distinct remote addresses, with name lookups answered at once.
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
    const int names = world.sockets.nameLookups;
    const int services = world.sockets.serviceLookups;
    auto collected = vrex::gather::connectionstostringlst();
    benchmark::DoNotOptimize(collected.data());
    reverseLookups = world.sockets.nameLookups - names;
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

}  // namespace
