#pragma once
// The display lines of the Winsock sub-item: description, version, status
// and a blank separator line, from the values gathered at start-up.
#include <string>
#include <vector>

#include "gather/network.h"

namespace vrex::gather {

std::vector<std::string> winsocktostringlst(const TWinsock& winsock);
// Of the program-wide network object.
std::vector<std::string> winsocktostringlst();

}  // namespace vrex::gather
