#include "repair/repair_driver.h"

#include <exception>
#include <string>

#include "model/registry_object.h"
#include "model/text_format.h"
#include "scan/section_table.h"

namespace halvex::scan {
namespace {

// The dialog goes and the main window comes back even when the repair ends by an error.
class RepairDialogScope {
 public:
  explicit RepairDialogScope(RepairConversation& conversation) : conversation_(conversation) {
    conversation_.RepairStarted();
  }
  ~RepairDialogScope() { conversation_.RepairEnded(); }
  RepairDialogScope(const RepairDialogScope&) = delete;
  RepairDialogScope& operator=(const RepairDialogScope&) = delete;

 private:
  RepairConversation& conversation_;
};

// An error outside the standard loop's own protection: the record it interrupted says so, or
// a record of its own under the section's caption.
void RecordSectionError(model::TRepairContents& repairs, std::size_t firstRecord, int section,
                        std::string_view message) {
  const std::string status = "Error: " + std::string(message);
  if (repairs.size() > firstRecord && repairs.back().Status.empty()) {
    repairs.back().Status = status;
  } else {
    repairs.push_back({std::string(model::SectionCaption(section)), status});
  }
}

void StoreOneTimeDone(platform::Registry& registry) {
  model::RegistryObject key(registry);
  key.SetRootKey(platform::RootKey::CurrentUser);
  if (key.OpenKey(model::kSettingsKey, /*create=*/false)) (void)key.WriteString("OneTime", "1");
}

// Whether the backup lets the repair go on: a complete backup, or the user's yes.
bool MayRepairAfter(const backup::RepairBackupResult& backup, RepairConversation& conversation) {
  switch (backup.status) {
    case backup::RepairBackupStatus::Written:
      conversation.Inform(
          model::FormatText(std::string(kBackupCompleteMessage).c_str(), backup.Folder()));
      return true;
    case backup::RepairBackupStatus::NothingToSave:
      return true;
    case backup::RepairBackupStatus::Incomplete:
    case backup::RepairBackupStatus::NotWritten:
      break;
  }
  return conversation.AskYesNo(kRepairWithoutBackupQuestion);
}

}  // namespace

void RepairAllSections(RepairContext& context, std::span<const int> resultRowSections) {
  model::ScanModel& model = context.model;
  model.RepairContents.clear();
  for (int section : resultRowSections) {
    if (model.abortFlag == model::abort_flag::kStopRepair) break;
    const SectionRow* row = FindSection(section);
    if (row == nullptr) continue;  // the "All Problems" row
    const std::size_t firstRecord = model.RepairContents.size();
    try {
      RepairSection(context, *row);
    } catch (const std::exception& error) {
      RecordSectionError(model.RepairContents, firstRecord, section, error.what());
      context.frontEnd.ShowRepairCount(model.RepairContents.size());
    }
  }
}

RepairRun RunRepair(RepairServices services, std::span<const int> resultRowSections,
                    RepairConversation& conversation) {
  RepairRun run;
  if (resultRowSections.empty()) return run;

  if (services.settings.OneTime) {
    conversation.OfferFirstFullBackup();
    services.settings.OneTime = false;
    StoreOneTimeDone(services.platform.registry);
  }

  if (!services.settings.NotAutoBackup) {
    run.backupAttempted = true;
    run.backup = backup::WriteRepairBackup(services.platform, services.platformClass,
                                           services.model, resultRowSections);
    if (!MayRepairAfter(run.backup, conversation)) return run;
  }

  RepairContext context{services.platform, services.model, conversation.frontEnd()};
  if (run.backupAttempted) context.copiedFiles = &run.backup.copiedShortcuts;
  {
    const RepairDialogScope dialog(conversation);
    RepairAllSections(context, resultRowSections);
  }
  run.repaired = true;
  return run;
}

void FinishRepair(model::ScanModel& model, bool scanRunning) {
  if (!scanRunning) model.abortFlag = model::abort_flag::kRun;
  model.ClearSectionProblems();
  model.RepairContents.clear();
}

void CancelRepair(model::ScanModel& model) {
  model.abortFlag = model::abort_flag::kStopRepair;
}

}  // namespace halvex::scan
