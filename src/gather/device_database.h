#pragma once
// The device database: deciphered lines of two forms, device lines
// "key=name" (the name may end in a suffix from "_0" on) and vendor lines
// holding ".=" (the vendor name may be followed by "#" and an extra text).
// A device is found by the first line, in file order, whose key occurs in its
// hardware identifiers or whose 24-character key, compacted, equals its search
// key.  The keys are indexed once, so a lookup costs a few hash probes per
// character of the identifiers instead of a pass over every line.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vrex::gather {

// The PCI vendor, device and subsystem numbers of an upper-cased hardware
// identifier text, run together: "PCI\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10"
// gives "10EC8139813910EC".  Each part stops two characters before the next
// marker, so the separator in front of it is not taken; a missing marker
// gives an empty or shortened part.
std::string SearchKey(const std::string& hardwareIds);

// The 16-character form of a 24-character key: blanks removed, then the first
// eight and the last eight characters.
std::string CompactKey(std::string_view key);

// What the database says about one device.
struct DatabaseEntry {
  std::string vendor;
  std::string device;
  std::string vendorExtra;   // after "#" in the vendor line
  std::string deviceSuffix;  // from "_0" on in the device line
};

// The first line of each key, in open addressing over views of the keys:
// tens of thousands of keys are indexed without one allocation each.  The
// viewed texts must outlive the table.
class FirstLineOfKey {
 public:
  explicit FirstLineOfKey(std::size_t expectedKeys = 0);
  // Records the line for the key unless the key already has one; true when
  // the key is new.
  bool Add(std::string_view key, std::size_t line);
  std::optional<std::size_t> Find(std::string_view key) const;
  bool Empty() const { return count_ == 0; }

 private:
  struct Slot {
    std::string_view key;
    std::size_t line = 0;
    bool used = false;
  };
  // The slot holding the key, or the free slot where it would go.
  std::size_t SlotOf(std::string_view key) const;
  void Grow();

  std::vector<Slot> slots_;  // a power of two, never more than half full
  std::size_t count_ = 0;
};

class DeviceDatabase {
 public:
  explicit DeviceDatabase(std::vector<std::string> lines);
  DeviceDatabase(const DeviceDatabase&) = delete;
  DeviceDatabase& operator=(const DeviceDatabase&) = delete;
  // The lines are overwritten before they are released.
  ~DeviceDatabase();

  std::size_t LineCount() const { return lines_.size(); }
  // The index of the line the first-match scan stops at for these
  // identifiers: the first line whose key occurs in them (case-sensitive) or
  // whose compact key equals the search key (ignoring case), else the last
  // line.  Nothing for an empty database.
  std::optional<std::size_t> ScanStop(const std::string& hardwareIds) const;
  // The entry of the line the scan stops at, when that line matches.  With
  // settled, also whether lines added after these could not change it: the
  // match is not the last line (which the scan treats apart) and its vendor
  // was found here.
  std::optional<DatabaseEntry> Lookup(const std::string& hardwareIds, bool* settled = nullptr) const;
  // Gives the lines back, unchanged, leaving the database empty.
  std::vector<std::string> TakeLines() &&;

 private:
  bool Matches(std::size_t line, const std::string& upperIds, const std::string& searchKey) const;
  std::string VendorOfKeyMatch(std::size_t line, std::string& extra) const;
  // Nothing when the subsystem's vendor is not listed here.
  std::optional<std::string> VendorOfSubsystem(std::size_t line, std::string& extra) const;
  std::string VendorFromLine(std::size_t line, std::string& extra) const;

  // Keys are views into the lines, which the database owns and never changes,
  // so a window of the identifiers is looked up without copying it.
  std::vector<std::string> lines_;
  std::vector<std::string_view> keys_;  // per line; empty without "="
  // The upper-cased compact keys, 16 characters each, one after the other.
  std::string compactKeys_;
  // The first line of each key, and of each upper-cased compact key.
  FirstLineOfKey firstOfKey_;
  FirstLineOfKey firstOfCompactKey_;
  // The distinct lengths of the indexed keys, shortest first.
  std::vector<std::size_t> keyLengths_;
  // Per line, the vendor line the walk back from it reaches, if any.
  std::vector<std::optional<std::size_t>> vendorBefore_;
  // The first vendor line of each vendor number (the four characters before
  // the "." that ends its key), for subsystem entries.
  std::unordered_map<std::string, std::size_t> vendorByNumber_;
};

// Each list of identifiers looked up as DeviceDatabase(first + rest) would,
// building that whole database only when some list is not settled by first
// alone; rest gives the further lines when asked.  The network cards' lines
// come first and settle nearly every network card, so the far longer rest is
// then never deciphered.
std::vector<std::optional<DatabaseEntry>> LookupInParts(std::vector<std::string> first,
                                                        const std::function<std::vector<std::string>()>& rest,
                                                        const std::vector<std::string>& hardwareIdLists);

// The scan as the pass describes it, line by line: the reference the index is
// measured and tested against.
std::optional<std::size_t> LinearScanStop(const std::vector<std::string>& lines, const std::string& hardwareIds);

}  // namespace vrex::gather
