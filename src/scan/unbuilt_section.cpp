#include "scan/section_routines.h"

namespace halvex::scan {
namespace {

class Unbuilt final : public SectionRoutines {
 public:
  void Scan(SectionScan&) const override {}
  RepairTarget TargetOf(const model::registry_content::TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::Value, problem.KeyPath, problem.ValueName, {}};
  }
};

}  // namespace

const SectionRoutines& UnbuiltSection() {
  static const Unbuilt routines;
  return routines;
}

}  // namespace halvex::scan
