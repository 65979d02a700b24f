#pragma once
// What the repair-and-restore round trip runs on: natively the substitute machine and its
// registry editor, under Wine the real registry and the system's registry editor. Each test
// binary names its bindings (RoundTripBindings), as it does for the contract suites.
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/process_runner.h"
#include "scan/scan_driver.h"
#include "tests/platform/platform_bindings.h"

namespace halvex::testing {

class RoundTripMachine {
 public:
  virtual ~RoundTripMachine() = default;
  virtual platform::Platform& platform() = 0;
  // The registry editor that exports and imports .reg files.
  virtual platform::ProcessRunner& editor() = 0;
  // What the editor last complained of, for failure messages; "" when it cannot say.
  virtual std::string editorError() const { return {}; }
  // Puts in place what the binding needs beside the round trip's fixture (folders, entries that
  // stay) and clears what an earlier run left; false with the reason in `failure`.
  [[nodiscard]] virtual bool Prepare(std::string& failure) = 0;
  // The sections the scan runs: every section on the substitute; on the real registry only
  // those whose entries the fixture holds.
  virtual scan::SectionChoice sections() const = 0;
  // The whole registry as the registry editor exports it, in a form in which two exports of
  // the same registry are equal.
  virtual std::string FullExport() = 0;
};

using RoundTripBinding = Binding<RoundTripMachine>;

// The bindings of this test binary (each binary that runs the round trip defines it).
std::vector<RoundTripBinding> RoundTripBindings();

}  // namespace halvex::testing
