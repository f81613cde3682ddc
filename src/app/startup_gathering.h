#pragma once
// The gathering of start-up that needs no window.  The main window runs these
// steps between its own, before it is shown; the report from the command line
// runs them alone, so that it never brings up a window or the libraries
// behind one.
#include <functional>
#include <string>
#include <vector>

#include "app/catalogue.h"

namespace vrex::app {

// The system folder, filled once at start-up.
struct fslozky {
  std::string system;  // at most 255 characters
};

// Lines of the active connections, collected once at start-up.
extern std::vector<std::string> ActiveConnections;
extern fslozky SystemFolders;

// The system folder.
void ReadSystemFolder();
// The active connections, except under Windows NT 4.0; a walk that fails
// leaves none.
void GatherActiveConnections();
// The device list and its database, then the network object, which names its
// adapters from that list, and the start-up gatherers, which keep their
// results for the whole run.  A database that cannot be read goes to
// onDatabaseError and start-up goes on.
void GatherDevicesAndNetwork(const std::function<void()>& refreshDevices,
                             const std::function<void(const std::string& message)>& onDatabaseError);
// The gathering of start-up once more, for a refresh: the active connections,
// then the devices and the network as GatherDevicesAndNetwork.
void GatherAgain(const std::function<void()>& refreshDevices,
                 const std::function<void(const std::string& message)>& onDatabaseError);
// The device list and the network cards' names from the database; false
// when the database is missing altogether.
bool RefreshDevices();
// What the command line says when the database is missing: its folder.
std::string MissingDatabaseMessage();
// The identity values, with the Internet settings read between the addresses
// and the names; what an earlier run read and this one finds no more goes.
void getnetinfo();
// The catalogue's gatherers over what start-up gathered; online tells the
// basic information whether the computer counts as on line.
Gatherers StartUpGatherers(std::function<bool()> online);

}  // namespace vrex::app
