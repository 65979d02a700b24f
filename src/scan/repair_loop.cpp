#include "scan/repair_loop.h"

#include <algorithm>
#include <exception>
#include <string>

#include "scan/repair_target.h"
#include "scan/section_table.h"

namespace halvex::scan {

std::string_view ShownKeyPath(const SectionRow& row, std::string_view keyPath) {
  const std::string_view hidden = row.repair.hiddenRootName;
  // Only the leading root name goes: a key below it may contain the same text.
  if (!hidden.empty() && keyPath.substr(0, hidden.size()) == hidden) {
    return keyPath.substr(hidden.size());
  }
  return keyPath;
}

namespace {

// A file is deleted only when its copy lies in the repair backup, or when it is gone already.
bool IsUncopiedFile(RepairContext& context, const RepairTarget& target) {
  if (target.kind != RepairTarget::Kind::File || context.copiedFiles == nullptr) return false;
  return std::ranges::find(*context.copiedFiles, target.filePath) == context.copiedFiles->end() &&
         context.platform.files.FileExists(target.filePath);
}

}  // namespace

void RepairSection(RepairContext& context, const SectionRow& row) {
  model::ScanModel& model = context.model;
  const model::TRegistryContents& problems =
      model.SectionContents[static_cast<std::size_t>(row.number)];
  const std::size_t count = problems.size();
  for (std::size_t index = 0; index < count; ++index) {
    if (row.repair.processMessages) context.frontEnd.ProcessMessages();
    if (model.abortFlag == model::abort_flag::kStopRepair) return;
    const model::registry_content::TContent& problem = problems[index];
    if (!problem.Marked) continue;

    const std::string shown(ShownKeyPath(row, problem.KeyPath));
    context.frontEnd.ShowRepairProgress(shown);
    model.RepairContents.push_back(model::TRepairRec{shown, ""});
    std::string& status = model.RepairContents.back().Status;
    try {
      const RepairTarget target = row.routines.TargetOf(problem);
      if (IsUncopiedFile(context, target)) {
        status = kNotCopiedStatus;
      } else {
        const RepairOutcome outcome = PerformRepair(context.platform, target);
        status = outcome == RepairOutcome::Failed ? kNotRepairedStatus : kRepairedStatus;
      }
    } catch (const std::exception& error) {
      status = std::string("Error: ") + error.what();
      context.frontEnd.ShowRepairCount(model.RepairContents.size());
      return;
    }
    context.frontEnd.ShowRepairCount(model.RepairContents.size());
  }
}

}  // namespace halvex::scan
