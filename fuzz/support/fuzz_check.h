#pragma once
// What a fuzz target does when its oracle does not hold: it prints what it expected and what it
// got, and aborts, so that libFuzzer keeps the input as a finding.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace halvex::fuzz {

[[noreturn]] inline void OracleFailed(const std::string& what) {
  std::fprintf(stderr, "\n== oracle failed: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace halvex::fuzz

// The message is built only when the condition fails.
#define HALVEX_FUZZ_CHECK(condition, message)                \
  do {                                                       \
    if (!(condition)) ::halvex::fuzz::OracleFailed(message); \
  } while (false)
