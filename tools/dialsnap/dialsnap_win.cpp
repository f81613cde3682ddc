// The phonebook library: getdialsnap gives every entry of the default
// phonebook, read through the Remote Access API, as one text of pieces ended
// by "@" and closed by two NULs.  The text stays valid until the next call or
// until the library is unloaded.
//
// The library imports rasapi32.dll, so on a system without dial-up networking
// it does not load at all, which its caller takes as "nothing to show".
#include <windows.h>
#include <ras.h>
#include <raserror.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/phonebook_text.h"

namespace {

// The entry name and entry records in the layout every served Windows accepts
// (that of Windows 95 and NT 4.0); later systems take the older size too.
struct EntryName {
  DWORD dwSize;
  CHAR szEntryName[RAS_MaxEntryName + 1];
};
static_assert(sizeof(EntryName) == 264);

struct EntryRecord {
  DWORD dwSize;
  DWORD dwfOptions;
  DWORD dwCountryID;
  DWORD dwCountryCode;
  CHAR szAreaCode[RAS_MaxAreaCode + 1];
  CHAR szLocalPhoneNumber[RAS_MaxPhoneNumber + 1];
  DWORD dwAlternateOffset;
  RASIPADDR ipaddr;
  RASIPADDR ipaddrDns;
  RASIPADDR ipaddrDnsAlt;
  RASIPADDR ipaddrWins;
  RASIPADDR ipaddrWinsAlt;
  DWORD dwFrameSize;
  DWORD dwfNetProtocols;
  DWORD dwFramingProtocol;
  CHAR szScript[MAX_PATH];
  CHAR szAutodialDll[MAX_PATH];
  CHAR szAutodialFunc[MAX_PATH];
  CHAR szDeviceType[RAS_MaxDeviceType + 1];
  CHAR szDeviceName[RAS_MaxDeviceName + 1];
  CHAR szX25PadType[RAS_MaxPadType + 1];
  CHAR szX25Address[RAS_MaxX25Address + 1];
  CHAR szX25Facilities[RAS_MaxFacilities + 1];
  CHAR szX25UserData[RAS_MaxUserData + 1];
  DWORD dwChannels;
  DWORD dwReserved1;
  DWORD dwReserved2;
};
static_assert(sizeof(EntryRecord) == 1768);

// A fixed text field up to its NUL, never past its end.
template <std::size_t N>
std::string Field(const CHAR (&text)[N]) {
  const void* end = std::memchr(text, '\0', N);
  return std::string(text, end != nullptr ? static_cast<const CHAR*>(end) - text : N);
}

std::array<std::uint8_t, 4> Bytes(const RASIPADDR& address) { return {address.a, address.b, address.c, address.d}; }

std::vector<EntryName> EntryNames() {
  std::vector<EntryName> names(1);
  names[0].dwSize = sizeof(EntryName);
  DWORD length = sizeof(EntryName);
  DWORD count = 0;
  DWORD status = RasEnumEntriesA(nullptr, nullptr, reinterpret_cast<LPRASENTRYNAMEA>(names.data()), &length, &count);
  if (status == ERROR_BUFFER_TOO_SMALL) {
    names.assign(length / sizeof(EntryName) + 1, EntryName{});
    for (auto& name : names) name.dwSize = sizeof(EntryName);
    length = static_cast<DWORD>(names.size() * sizeof(EntryName));
    count = 0;
    status = RasEnumEntriesA(nullptr, nullptr, reinterpret_cast<LPRASENTRYNAMEA>(names.data()), &length, &count);
  }
  if (status != ERROR_SUCCESS) return {};
  names.resize(std::min<std::size_t>(count, names.size()));
  return names;
}

// The entry's properties; nothing when the phonebook refuses them.  The
// record may come with alternate numbers after it, so the buffer grows to
// the size asked for.
bool ReadEntry(const std::string& name, vrex::phonebook::Entry& entry) {
  std::vector<std::uint8_t> buffer(sizeof(EntryRecord));
  DWORD status = ERROR_BUFFER_TOO_SMALL;
  for (int attempt = 0; attempt < 2 && status == ERROR_BUFFER_TOO_SMALL; ++attempt) {
    std::fill(buffer.begin(), buffer.end(), 0);
    reinterpret_cast<EntryRecord*>(buffer.data())->dwSize = sizeof(EntryRecord);
    DWORD length = static_cast<DWORD>(buffer.size());
    status = RasGetEntryPropertiesA(nullptr, name.c_str(), reinterpret_cast<LPRASENTRYA>(buffer.data()), &length,
                                    nullptr, nullptr);
    if (status == ERROR_BUFFER_TOO_SMALL && length > buffer.size()) buffer.resize(length);
  }
  if (status != ERROR_SUCCESS) return false;
  EntryRecord record;
  std::memcpy(&record, buffer.data(), sizeof record);
  entry.name = name;
  entry.deviceName = Field(record.szDeviceName);
  entry.phoneNumber = Field(record.szLocalPhoneNumber);
  entry.countryId = record.dwCountryID;
  entry.countryCode = record.dwCountryCode;
  entry.areaCode = Field(record.szAreaCode);
  entry.ipAddr = Bytes(record.ipaddr);
  entry.dns = Bytes(record.ipaddrDns);
  entry.dnsAlt = Bytes(record.ipaddrDnsAlt);
  entry.wins = Bytes(record.ipaddrWins);
  entry.winsAlt = Bytes(record.ipaddrWinsAlt);
  entry.netProtocols = record.dwfNetProtocols;
  entry.framingProtocol = record.dwFramingProtocol;
  entry.script = Field(record.szScript);
  entry.options = record.dwfOptions;
  return true;
}

// The last text given; the caller copies it before unloading the library.
std::string text;

}  // namespace

extern "C" const char* WINAPI getdialsnap() {
  std::vector<vrex::phonebook::Entry> entries;
  try {
    for (const EntryName& name : EntryNames()) {
      vrex::phonebook::Entry entry;
      if (ReadEntry(Field(name.szEntryName), entry)) entries.push_back(std::move(entry));
    }
    text = vrex::phonebook::PhonebookText(entries);
  } catch (...) {
    // Nothing escapes into the caller: an empty phonebook then.
    text.clear();
  }
  // The reader stops at two NULs in a row.
  text.push_back('\0');
  text.push_back('\0');
  return text.c_str();
}
