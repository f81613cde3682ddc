#pragma once
// The display line most gatherers write: an icon of ImageList1, the label in
// blue at 10 points, and the value in maroon from x = 200.
#include <string>

namespace vrex::gather {

std::string LabelValueLine(int icon, const std::string& label, const std::string& value);

}  // namespace vrex::gather
