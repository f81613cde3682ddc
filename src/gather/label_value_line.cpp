#include "gather/label_value_line.h"

namespace vrex::gather {

std::string LabelValueLine(int icon, const std::string& label, const std::string& value) {
  return "<IMG src=\"idx:" + std::to_string(icon) + "\"></IMG> <FONT size=\"10\" color=\"clblue\">" + label +
         " <IND x=\"200\"><FONT color=\"clmaroon\"> " + value + " </FONT>";
}

}  // namespace vrex::gather
