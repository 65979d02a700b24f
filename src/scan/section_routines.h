#pragma once
// The two routines every scan section has: its scan, and what repairing one of its problems
// changes (the standard repair loop performs it, and the backup saves it first).
#include "model/registry_contents.h"
#include "scan/repair_target.h"
#include "scan/section_scan.h"

namespace halvex::scan {

class SectionRoutines {
 public:
  virtual ~SectionRoutines() = default;
  virtual void Scan(SectionScan& scan) const = 0;
  virtual RepairTarget TargetOf(const model::registry_content::TContent& problem) const = 0;
};

}  // namespace halvex::scan
