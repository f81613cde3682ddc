#pragma once
// A broken invariant in a fuzz target: says which and aborts, which libFuzzer
// reports as a crash and keeps the input of.
#include <cstdio>
#include <cstdlib>

namespace vrex::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken invariant: %s\n", what);
  std::abort();
}

}  // namespace vrex::fuzz
