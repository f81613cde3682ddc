// The device database pass over the database the build generates from the
// PCI ID list: deciphering every line, and naming 1,000 network cards (one in
// ten unknown to the list, so its scan runs to the end) with the indexed
// lookup and with the line-by-line scan the index replaces.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "devicedb_build.h"
#include "gather/device_database.h"
#include "gather/device_list.h"
#include "platform/cipher.h"
#include "support/memory/memory_ports.h"

namespace {

using Lines = std::vector<std::string>;
constexpr int kDevices = 1000;

struct Database {
  Lines plain;       // net.txt then other.txt
  Lines net, other;  // enciphered
  Lines hardwareIds;
};

const Database& TheDatabase() {
  static const Database database = [] {
    auto files = vrex::devicedb::BuildDatabaseFromFiles(VREX_PCI_IDS, VREX_NETWORK_PCI_IDS);
    Database db;
    db.plain = files.net;
    db.plain.insert(db.plain.end(), files.other.begin(), files.other.end());
    vrex::TCryptLib cipher = vrex::DeviceDatabaseCipher();
    for (const auto& line : files.net) db.net.push_back(cipher.Encode(line));
    for (const auto& line : files.other) db.other.push_back(cipher.Encode(line));
    // Cards spread over the whole database: device keys become identifiers,
    // every tenth with a vendor the list does not know.
    Lines keys;
    for (const auto& line : db.plain)
      if (line.rfind("VEN_", 0) == 0) keys.push_back(line.substr(0, line.find('=')));
    for (int i = 0; i < kDevices; ++i) {
      std::string key = keys[(keys.size() - 1) * static_cast<std::size_t>(i) / (kDevices - 1)];
      if (i % 10 == 9) key.replace(4, 4, "F00D");
      const std::string id = "PCI\\" + key + "&SUBSYS_12345678";
      db.hardwareIds.push_back(id + "&REV_01" + id + "PCI\\" + key + "&CC_020000PCI\\" + key + "&CC_0200");
    }
    return db;
  }();
  return database;
}

void CountLines(benchmark::State& state) {
  state.counters["lines"] = static_cast<double>(TheDatabase().plain.size());
  state.counters["devices"] = kDevices;
}

void BM_DecipherWholeDatabase(benchmark::State& state) {
  const Database& db = TheDatabase();
  for (auto _ : state) {
    vrex::TCryptLib cipher = vrex::DeviceDatabaseCipher();
    std::size_t bytes = 0;
    for (const auto* file : {&db.net, &db.other})
      for (const auto& line : *file) bytes += cipher.Decode(line).size();
    benchmark::DoNotOptimize(bytes);
  }
  CountLines(state);
}

void BM_NameDevicesIndexed(benchmark::State& state) {
  const Database& db = TheDatabase();
  for (auto _ : state) {
    vrex::gather::DeviceDatabase database(db.plain);  // the index is built in every pass
    int named = 0;
    for (const auto& ids : db.hardwareIds) named += database.Lookup(ids) ? 1 : 0;
    benchmark::DoNotOptimize(named);
  }
  CountLines(state);
}

void BM_NameDevicesLineByLine(benchmark::State& state) {
  const Database& db = TheDatabase();
  for (auto _ : state) {
    std::size_t stops = 0;
    for (const auto& ids : db.hardwareIds) stops += *vrex::gather::LinearScanStop(db.plain, ids);
    benchmark::DoNotOptimize(stops);
  }
  CountLines(state);
}

// The program's pass itself: both files read, every line deciphered, 1,000
// records named.
void BM_AnnotateDevices(benchmark::State& state) {
  const Database& db = TheDatabase();
  vrex::os::memory::World world;
  world.system.SetVersion(2, 5, 1);
  world.files.AddFile(vrex::gather::DefaultDatabaseFolder() + "net.txt", db.net);
  world.files.AddFile(vrex::gather::DefaultDatabaseFolder() + "other.txt", db.other);
  auto& list = vrex::gather::DeviceList();
  list.clear();
  for (const auto& ids : db.hardwareIds) {
    vrex::gather::DeviceListRecord record;
    record.ClassName = "Net";
    record.HardwareIds = ids;
    list.push_back(record);
  }
  for (auto _ : state) vrex::gather::AnnotateDevices("net", "");
  std::size_t named = 0;
  for (const auto& record : list) named += record.DatabaseName.empty() ? 0 : 1;
  state.counters["named"] = static_cast<double>(named);
  list.clear();
  CountLines(state);
}

}  // namespace

BENCHMARK(BM_DecipherWholeDatabase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NameDevicesIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NameDevicesLineByLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnnotateDevices)->Unit(benchmark::kMillisecond);
