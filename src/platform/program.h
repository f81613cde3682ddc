#pragma once
// What names the program itself.

namespace vrex {

// The title of the main window and the caption of the program's message boxes.
inline constexpr const char* kApplicationTitle = "Vrex Info Network";

}  // namespace vrex
