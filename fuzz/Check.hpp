#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property ends the run as a crash, so that the fuzzer keeps the input.
inline void require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}
