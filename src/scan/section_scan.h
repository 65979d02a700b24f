#pragma once
// One run of one section's scan routine, and everything the routines share: the progress line,
// the count label, the ignore test, the abort test, message processing and adding a problem.
// Written once here, so that no section repeats it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/registry_contents.h"
#include "model/scan_model.h"
#include "model/settings.h"
#include "platform/platform.h"
#include "scan/scan_front_end.h"

namespace halvex::scan {

struct SectionRow;

// What the scan driver hands every section: the machine, the shared collections and counters,
// the settings and whoever shows the progress.
struct ScanContext {
  platform::Platform& platform;
  model::ScanModel& model;
  const model::TMyRegistryInfo& settings;
  ScanFrontEnd& frontEnd;
};

class SectionScan {
 public:
  SectionScan(ScanContext& context, const SectionRow& row, platform::RootKey root);

  int section() const;
  platform::RootKey root() const { return root_; }
  // The key the driver passes; empty for the sections that get none.
  std::string_view startKey() const;
  platform::Platform& platform() { return context_.platform; }
  model::ScanModel& model() { return context_.model; }
  // The section's collection, emptied by the driver before the first root: a routine adds to
  // it and never clears it.
  model::TRegistryContents& problems();

  // True once the user asked the scan to stop; routines test it before each entry.
  bool Aborted() const;
  void ShowProgress(std::string_view text);
  // Lets the user interface handle its messages, unless it had its turn less than
  // kPumpInterval milliseconds ago: routines call it after every entry, and on large trees a
  // turn per entry would cost more than the entries themselves.
  void ProcessMessages();
  // Counts one visited key or value and shows it on every 200th visit.
  void CountVisit(std::string_view path);
  // The ignore test with the section's category; false for the sections that get no ignore list.
  bool IsIgnored(std::string_view keyPath, std::string_view valueName);
  // Adds the problem (marked by the SelectAll setting, numbered by the problem counter) and
  // shows the section's new count.
  void AddProblem(model::registry_content::TContent problem);

 private:
  ScanContext& context_;
  const SectionRow& row_;
  platform::RootKey root_;
  // The tick count of the last turn the user interface had; none before the first.
  std::optional<std::uint32_t> lastPump_;
};

// For this many milliseconds after a turn of the user interface, ProcessMessages skips further
// turns. Abort, the busy animation (a 20 ms timer) and painting still get one well within 50 ms.
inline constexpr std::uint32_t kPumpInterval = 10;

}  // namespace halvex::scan
