#pragma once
// Basic information: the identity values that getnetinfo reads once at
// start-up, and their six display lines.
#include <string>
#include <vector>

namespace vrex::gather {

struct TBasicInfo {
  std::string HostIPAddress;      // at most 255 characters
  std::string PhysicalAddress;    // at most 30 characters
  std::string ComputerOrDomain;   // 9x: computer name; NT: default domain name
  std::string WorkgroupOrDomain;  // 9x: workgroup; NT: last logon domain
  std::string UserName;
};

inline constexpr std::size_t kHostIPAddressLength = 255;
inline constexpr std::size_t kPhysicalAddressLength = 30;

// The program-wide record, filled once by getnetinfo.
TBasicInfo& BasicInfo();

// The physical address of the last interface table row that has one, each
// byte as two upper-case hex digits and a blank; empty when none has one.
std::string PhysicalAddressLookup();
// The last address of the host's resolver list in dotted form, or empty.
std::string LocalIPAddressLookup();

// The first work of getnetinfo: the physical and the IP address.
void ReadBasicAddresses(TBasicInfo& info);
// The last work of getnetinfo: the computer, workgroup and user names from
// the registry of the running Windows family.
void ReadBasicNames(TBasicInfo& info);
// Both, on the program-wide record.
void GetNetInfoBasic();

// The six display lines; the online state is the detector's at this moment.
std::vector<std::string> zakladniinfotostringlst(const TBasicInfo& info, bool online);
std::vector<std::string> zakladniinfotostringlst(bool online);

}  // namespace vrex::gather
