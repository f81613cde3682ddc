#include "gather/device_database.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <string_view>

#include "platform/text.h"

namespace vrex::gather {
namespace {

// Copy with 1-based index as the database's own tools counted: an index
// before the start counts from the start, a count below one gives nothing.
std::string Copy(const std::string& text, std::ptrdiff_t index, std::ptrdiff_t count) {
  std::ptrdiff_t start = index < 1 ? 0 : std::min<std::ptrdiff_t>(index - 1, std::ssize(text));
  if (count <= 0) return {};
  return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

// 1-based position of the first occurrence, 0 when absent.
std::ptrdiff_t Pos(std::string_view needle, const std::string& text) {
  std::size_t at = text.find(needle);
  return at == std::string::npos ? 0 : static_cast<std::ptrdiff_t>(at) + 1;
}

bool IsVendorLine(const std::string& line) { return line.find(".=") != std::string::npos; }

// Text from first up to the line's last character, that character excluded.
std::string UpToLastCharacter(const std::string& line, std::size_t first) {
  return first + 1 < line.size() ? line.substr(first, line.size() - 1 - first) : std::string();
}

constexpr std::size_t kSubsystemKeyLength = 24;
constexpr std::size_t kCompactKeyLength = 16;

}  // namespace

FirstLineOfKey::FirstLineOfKey(std::size_t expectedKeys) {
  std::size_t size = 16;
  while (size < 2 * expectedKeys) size *= 2;
  slots_.resize(size);
}

std::size_t FirstLineOfKey::SlotOf(std::string_view key) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = std::hash<std::string_view>{}(key)&mask;
  while (slots_[at].used && slots_[at].key != key) at = (at + 1) & mask;
  return at;
}

void FirstLineOfKey::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& slot : old)
    if (slot.used) slots_[SlotOf(slot.key)] = slot;
}

bool FirstLineOfKey::Add(std::string_view key, std::size_t line) {
  if (2 * (count_ + 1) > slots_.size()) Grow();
  Slot& slot = slots_[SlotOf(key)];
  if (slot.used) return false;
  slot = Slot{key, line, true};
  ++count_;
  return true;
}

std::optional<std::size_t> FirstLineOfKey::Find(std::string_view key) const {
  const Slot& slot = slots_[SlotOf(key)];
  return slot.used ? std::optional<std::size_t>(slot.line) : std::nullopt;
}

std::string SearchKey(const std::string& hardwareIds) {
  const auto vendorAt = Pos("VEN_", hardwareIds);
  const auto deviceAt = Pos("DEV_", hardwareIds);
  const auto subsystemAt = Pos("SUBSYS_", hardwareIds);
  const auto revisionAt = Pos("REV_", hardwareIds);
  return Copy(hardwareIds, vendorAt + 4, deviceAt - vendorAt - 5) +
         Copy(hardwareIds, deviceAt + 4, subsystemAt - deviceAt - 5) +
         Copy(hardwareIds, subsystemAt + 7, revisionAt - subsystemAt - 8);
}

std::string CompactKey(std::string_view key) {
  std::string packed;
  for (char c : key)
    if (c != ' ') packed += c;
  return packed.substr(0, 8) + (packed.size() >= 8 ? packed.substr(packed.size() - 8) : packed);
}

DeviceDatabase::DeviceDatabase(std::vector<std::string> lines) : lines_(std::move(lines)), firstOfKey_(lines_.size()) {
  const std::size_t count = lines_.size();
  keys_.resize(count);
  vendorBefore_.resize(count);
  std::size_t subsystemKeys = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string& line = lines_[i];
    if (std::size_t equals = line.find('='); equals != std::string::npos) {
      keys_[i] = std::string_view(line).substr(0, equals);
      if (equals == kSubsystemKeyLength) ++subsystemKeys;
    }
  }
  // Reserved whole, so that the views into it stay valid.
  compactKeys_.reserve(subsystemKeys * kCompactKeyLength);
  firstOfCompactKey_ = FirstLineOfKey(subsystemKeys);
  std::set<std::size_t> lengths;
  std::optional<std::size_t> nearestVendor;  // the last vendor line from the second line on
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view key = keys_[i];
    // An empty key occurs nowhere.
    if (!key.empty() && firstOfKey_.Add(key, i)) lengths.insert(key.size());
    if (key.size() == kSubsystemKeyLength) {
      const std::size_t at = compactKeys_.size();
      compactKeys_ += text::ToUpper(CompactKey(key));
      firstOfCompactKey_.Add(std::string_view(compactKeys_).substr(at), i);
    }
    const bool vendorLine = IsVendorLine(lines_[i]);
    // The walk back from line i + 1 stops at the second line; the first line
    // counts only when it is right before.
    if (i >= 1 && vendorLine) nearestVendor = i;
    if (i + 1 < count)
      vendorBefore_[i + 1] = i == 0 ? (vendorLine ? std::optional<std::size_t>(0) : std::nullopt) : nearestVendor;
    if (vendorLine && key.size() >= 5 && key.back() == '.')
      vendorByNumber_.emplace(text::ToUpper(key.substr(key.size() - 5, 4)), i);
  }
  keyLengths_.assign(lengths.begin(), lengths.end());
}

DeviceDatabase::~DeviceDatabase() {
  for (auto& line : lines_) std::fill(line.begin(), line.end(), '0');
}

std::optional<std::size_t> DeviceDatabase::ScanStop(const std::string& hardwareIds) const {
  if (lines_.empty()) return std::nullopt;
  std::size_t stop = lines_.size() - 1;
  const std::string_view ids(hardwareIds);
  for (std::size_t length : keyLengths_) {
    if (length > ids.size()) break;
    for (std::size_t at = 0; at + length <= ids.size(); ++at)
      if (auto found = firstOfKey_.Find(ids.substr(at, length))) stop = std::min(stop, *found);
  }
  if (!firstOfCompactKey_.Empty())
    if (auto found = firstOfCompactKey_.Find(text::ToUpper(SearchKey(hardwareIds)))) stop = std::min(stop, *found);
  return stop;
}

bool DeviceDatabase::Matches(std::size_t line, const std::string& upperIds, const std::string& searchKey) const {
  const std::string_view key = keys_[line];
  if (!key.empty() && upperIds.find(text::ToUpper(key)) != std::string::npos) return true;
  return key.size() == kSubsystemKeyLength && text::EqualsNoCase(CompactKey(key), searchKey);
}

std::string DeviceDatabase::VendorFromLine(std::size_t line, std::string& extra) const {
  const std::string& text = lines_[line];
  const std::size_t nameAt = text.find(".=") + 2;
  const std::size_t hash = text.find('#', nameAt);
  if (hash == std::string::npos) return text.substr(nameAt);
  extra = UpToLastCharacter(text, hash + 1);
  return text.substr(nameAt, hash - nameAt);
}

std::string DeviceDatabase::VendorOfKeyMatch(std::size_t line, std::string& extra) const {
  auto vendorLine = vendorBefore_[line];
  return vendorLine ? VendorFromLine(*vendorLine, extra) : std::string();
}

// A subsystem entry names the card of the subsystem's vendor, the last four
// characters of its compact key.
std::optional<std::string> DeviceDatabase::VendorOfSubsystem(std::size_t line, std::string& extra) const {
  const std::string compact = CompactKey(keys_[line]);
  auto vendor =
      vendorByNumber_.find(text::ToUpper(compact.substr(compact.size() - std::min<std::size_t>(4, compact.size()))));
  if (vendor == vendorByNumber_.end()) return std::nullopt;
  return VendorFromLine(vendor->second, extra);
}

std::optional<DatabaseEntry> DeviceDatabase::Lookup(const std::string& hardwareIds, bool* settled) const {
  if (settled != nullptr) *settled = false;
  auto stop = ScanStop(hardwareIds);
  if (!stop) return std::nullopt;
  const std::string upperIds = text::ToUpper(hardwareIds);
  const std::string searchKey = SearchKey(hardwareIds);
  if (!Matches(*stop, upperIds, searchKey)) return std::nullopt;

  const std::string& line = lines_[*stop];
  DatabaseEntry entry;
  // The name runs from the first "=" to a suffix "_0" that follows it.
  const std::size_t nameAt = line.find('=') + 1;
  const std::size_t suffix = line.find("_0", nameAt);
  if (suffix == std::string::npos) {
    entry.device = line.substr(nameAt);
  } else {
    entry.device = line.substr(nameAt, suffix - nameAt);
    entry.deviceSuffix = UpToLastCharacter(line, suffix);
  }
  const std::string_view key = keys_[*stop];
  const bool byKey = !key.empty() && upperIds.find(text::ToUpper(key)) != std::string::npos;
  // A subsystem vendor the database does not list leaves the chip's vendor,
  // found as for any other line.
  std::optional<std::string> subsystemVendor;
  if (!byKey) subsystemVendor = VendorOfSubsystem(*stop, entry.vendorExtra);
  entry.vendor = subsystemVendor ? *subsystemVendor : VendorOfKeyMatch(*stop, entry.vendorExtra);
  if (settled != nullptr) *settled = *stop + 1 < lines_.size() && (byKey || subsystemVendor);
  return entry;
}

std::vector<std::string> DeviceDatabase::TakeLines() && {
  keys_.clear();
  firstOfKey_ = FirstLineOfKey();
  firstOfCompactKey_ = FirstLineOfKey();
  compactKeys_.clear();
  keyLengths_.clear();
  vendorBefore_.clear();
  vendorByNumber_.clear();
  return std::move(lines_);
}

std::vector<std::optional<DatabaseEntry>> LookupInParts(std::vector<std::string> first,
                                                        const std::function<std::vector<std::string>()>& rest,
                                                        const std::vector<std::string>& hardwareIdLists) {
  std::vector<std::optional<DatabaseEntry>> found(hardwareIdLists.size());
  std::vector<std::size_t> unsettled;
  std::vector<std::string> lines;
  {
    DeviceDatabase head(std::move(first));
    for (std::size_t i = 0; i < hardwareIdLists.size(); ++i) {
      bool settled = false;
      found[i] = head.Lookup(hardwareIdLists[i], &settled);
      if (!settled) unsettled.push_back(i);
    }
    if (unsettled.empty()) return found;
    lines = std::move(head).TakeLines();
  }
  // The whole database wipes the lines when it goes; so must a failure before it.
  std::vector<std::string> more;
  try {
    more = rest();
  } catch (...) {
    for (auto& line : lines) std::fill(line.begin(), line.end(), '0');
    throw;
  }
  lines.insert(lines.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
  const DeviceDatabase whole(std::move(lines));
  for (std::size_t i : unsettled) found[i] = whole.Lookup(hardwareIdLists[i]);
  return found;
}

std::optional<std::size_t> LinearScanStop(const std::vector<std::string>& lines, const std::string& hardwareIds) {
  if (lines.empty()) return std::nullopt;
  const std::string searchKey = SearchKey(hardwareIds);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const std::size_t equals = lines[i].find('=');
    if (equals == std::string::npos) continue;
    const std::string key = lines[i].substr(0, equals);
    if (!key.empty() && hardwareIds.find(key) != std::string::npos) return i;
    if (key.size() == kSubsystemKeyLength && text::EqualsNoCase(CompactKey(key), searchKey)) return i;
  }
  return lines.size() - 1;
}

}  // namespace vrex::gather
