// The repair driver: the first full backup offer, the backup message and the question when the
// backup fails, "NotAutoBackup", Cancel, errors that stay inside their section, and Finish.
#include "repair/repair_driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "model/registry_object.h"
#include "model/result_rows.h"
#include "repair/finish_list.h"
#include "tests/scan/scan_test_run.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kSharedDlls =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";
constexpr const char* kAppPaths =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
constexpr const char* kEmptyKeys = "HKEY_USERS\\S-1-5-21\\Software\\Empty";

// A program's subkey of App Paths, which section 10's repair deletes whole.
std::string AppPath(std::string_view program) {
  return std::string(kAppPaths) + "\\" + std::string(program);
}
constexpr platform::PlatformClass kNt = platform::PlatformClass::NtFamily;

// Records what the user saw, in order, and answers questions as told.
class RecordingConversation final : public scan::RepairConversation {
 public:
  void OfferFirstFullBackup() override { events.push_back("first full backup offer"); }
  void Inform(std::string_view message) override {
    events.push_back("inform: " + std::string(message));
  }
  bool AskYesNo(std::string_view question) override {
    events.push_back("ask: " + std::string(question));
    return answer;
  }
  void RepairStarted() override { events.push_back("repair dialog"); }
  void RepairEnded() override { events.push_back("repair dialog closed"); }
  scan::RepairFrontEnd& frontEnd() override { return repairFrontEnd; }

  std::vector<std::string> events;
  bool answer = false;
  RecordingRepairFrontEnd repairFrontEnd;
};

model::registry_content::TContent Problem(std::string keyPath, std::string valueName) {
  model::registry_content::TContent problem;
  problem.Marked = true;
  problem.KeyPath = std::move(keyPath);
  problem.ValueName = std::move(valueName);
  return problem;
}

class RepairDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.AddFolder("C:\\Program Files\\Halvex");
    // Three sections with problems: the driver repairs whatever their collections hold.
    for (const char* name : {"C:\\a.dll", "C:\\b.dll"}) {
      machine.SetDword(kSharedDlls, name, 1);
      model.SectionContents[4].push_back(Problem(kSharedDlls, name));
    }
    for (const char* name : {"x.exe", "y.exe", "z.exe"}) {
      machine.SetString(AppPath(name), "", "C:\\gone.exe");
      model.SectionContents[10].push_back(Problem(AppPath(name), "Path"));
    }
    machine.SetString(kEmptyKeys, "v", "1");
    model.SectionContents[12].push_back(Problem(kEmptyKeys, "v"));
    settings.OneTime = false;
  }
  scan::RepairRun Repair() {
    const std::vector<int> rows = model::ResultRowSections(model);
    return scan::RunRepair({machine.platform(), kNt, model, settings}, rows, conversation);
  }
  std::vector<std::string> RepairedPaths() const {
    std::vector<std::string> paths;
    for (const auto& record : model.RepairContents) paths.push_back(record.KeyPath);
    return paths;
  }
  std::string BackupMessage() const {
    return "inform: Registry backup complete! Backup file at \rC:\\Program Files\\Halvex\\"
           "RepairBackup\\ folder.\r\rYou can use registry restore function to restore it.\r"
           "Press OK to repair problems now!";
  }

  ScratchMachine machine;
  model::ScanModel model;
  model::TMyRegistryInfo settings;
  RecordingConversation conversation;
};

TEST_F(RepairDriver, BacksUpThenRepairsEverySection) {
  const scan::RepairRun run = Repair();
  EXPECT_TRUE(run.repaired);
  EXPECT_EQ(run.backup.status, backup::RepairBackupStatus::Written);
  EXPECT_EQ(run.backup.savedTargets, 6u);
  EXPECT_THAT(conversation.events,
              ElementsAre(BackupMessage(), "repair dialog", "repair dialog closed"));
  EXPECT_THAT(RepairedPaths(), ElementsAre(kSharedDlls, kSharedDlls, AppPath("x.exe"),
                                           AppPath("y.exe"), AppPath("z.exe"), kEmptyKeys));
  for (const auto& record : model.RepairContents) EXPECT_EQ(record.Status, "Repaired Successfully");
  EXPECT_FALSE(machine.ValueExists(AppPath("y.exe"), ""));
}

TEST_F(RepairDriver, OffersTheFirstFullBackupOnlyOnce) {
  settings.OneTime = true;
  model::RegistryObject key(machine.registry);
  key.SetRootKey(platform::RootKey::CurrentUser);
  ASSERT_TRUE(key.OpenKey(model::kSettingsKey, true));
  ASSERT_TRUE(key.WriteString("OneTime", "0"));

  (void)Repair();
  EXPECT_EQ(conversation.events.front(), "first full backup offer");
  EXPECT_FALSE(settings.OneTime);
  EXPECT_EQ(key.ReadString("OneTime"), "1");

  conversation.events.clear();
  (void)Repair();
  EXPECT_THAT(conversation.events, ElementsAre("repair dialog", "repair dialog closed"))
      << "the next repair goes straight on (with nothing left to save)";
}

TEST_F(RepairDriver, WithNothingMarkedThereIsNoBackupAndNoMessage) {
  settings.OneTime = true;
  for (auto& section : model.SectionContents) {
    for (auto& problem : section) problem.Marked = false;
  }
  const scan::RepairRun run = Repair();
  EXPECT_TRUE(run.repaired) << "the finish page shows, empty";
  EXPECT_EQ(run.backup.status, backup::RepairBackupStatus::NothingToSave);
  EXPECT_THAT(conversation.events,
              ElementsAre("first full backup offer", "repair dialog", "repair dialog closed"));
  EXPECT_THAT(model.RepairContents, ElementsAre());
  EXPECT_FALSE(machine.files().FolderExists("C:\\Program Files\\Halvex\\RepairBackup"));
}

TEST_F(RepairDriver, NotAutoBackupWritesNoBackupAndShowsNoMessage) {
  settings.NotAutoBackup = true;
  const scan::RepairRun run = Repair();
  EXPECT_FALSE(run.backupAttempted);
  EXPECT_THAT(conversation.events, ElementsAre("repair dialog", "repair dialog closed"));
  EXPECT_EQ(model.RepairContents.size(), 6u);
  EXPECT_FALSE(machine.files().FolderExists("C:\\Program Files\\Halvex\\RepairBackup"));
}

TEST_F(RepairDriver, AFailedBackupAsksAndNoRepairsNothing) {
  machine.AddFile("C:\\Program Files\\Halvex\\RepairBackup", "a file in the folder's place");
  const scan::RepairRun run = Repair();
  EXPECT_FALSE(run.repaired);
  EXPECT_EQ(run.backup.status, backup::RepairBackupStatus::NotWritten);
  EXPECT_THAT(conversation.events,
              ElementsAre("ask: " + std::string(scan::kRepairWithoutBackupQuestion)));
  EXPECT_THAT(model.RepairContents, ElementsAre());
  EXPECT_TRUE(machine.ValueExists(kSharedDlls, "C:\\a.dll"));
  EXPECT_TRUE(machine.ValueExists(kEmptyKeys, "v"));
}

TEST_F(RepairDriver, AFailedBackupAnsweredYesRepairs) {
  machine.AddFile("C:\\Program Files\\Halvex\\RepairBackup", "a file in the folder's place");
  conversation.answer = true;
  EXPECT_TRUE(Repair().repaired);
  EXPECT_EQ(model.RepairContents.size(), 6u);
  EXPECT_FALSE(machine.ValueExists(kSharedDlls, "C:\\a.dll"));
}

TEST_F(RepairDriver, AnIncompleteBackupAsksToo) {
  machine.registry.InjectFaults(platform::RootKey::Users, "S-1-5-21\\Software\\Empty",
                                {.refuseOpen = true});
  const scan::RepairRun run = Repair();
  EXPECT_EQ(run.backup.status, backup::RepairBackupStatus::Incomplete);
  EXPECT_FALSE(run.repaired);
  EXPECT_TRUE(machine.ValueExists(kSharedDlls, "C:\\a.dll"));
}

TEST_F(RepairDriver, CancelInTheSecondOfThreeSectionsLeavesTheThirdAlone) {
  settings.NotAutoBackup = true;
  conversation.repairFrontEnd.onProcessMessages = [this] {
    // The user presses Cancel once the first problem of section 10 is repaired.
    if (model.RepairContents.size() == 3) scan::CancelRepair(model);
  };
  EXPECT_TRUE(Repair().repaired);
  EXPECT_THAT(RepairedPaths(), ElementsAre(kSharedDlls, kSharedDlls, AppPath("x.exe")));
  EXPECT_FALSE(machine.ValueExists(AppPath("x.exe"), ""));
  EXPECT_TRUE(machine.ValueExists(AppPath("y.exe"), ""));
  EXPECT_TRUE(machine.ValueExists(kEmptyKeys, "v")) << "the third section is not touched";
  EXPECT_EQ(conversation.events.back(), "repair dialog closed");
}

// A progress label that fails on one text, as a broken window might.
class ThrowingFrontEnd final : public scan::RepairFrontEnd {
 public:
  void ShowRepairProgress(std::string_view text) override {
    if (text.starts_with(kAppPaths)) throw std::runtime_error("the label is gone");
  }
  void ShowRepairCount(std::size_t) override {}
  void ProcessMessages() override {}
};

TEST_F(RepairDriver, AnErrorInOneSectionShowsInItsRecordsAndTheNextSectionRuns) {
  ThrowingFrontEnd frontEnd;
  scan::RepairContext context{machine.platform(), model, frontEnd};
  const std::vector<int> rows = model::ResultRowSections(model);
  scan::RepairAllSections(context, rows);
  ASSERT_EQ(model.RepairContents.size(), 4u);
  EXPECT_EQ(model.RepairContents[2].KeyPath, "Application Paths");
  EXPECT_EQ(model.RepairContents[2].Status, "Error: the label is gone");
  EXPECT_EQ(model.RepairContents[3].KeyPath, kEmptyKeys);
  EXPECT_EQ(model.RepairContents[3].Status, "Repaired Successfully");
  EXPECT_EQ(scan::StatusColourOf(model.RepairContents[2].Status), scan::kErrorStatusColour);
}

TEST_F(RepairDriver, NoRowsDoesNothing) {
  const scan::RepairRun run =
      scan::RunRepair({machine.platform(), kNt, model, settings}, {}, conversation);
  EXPECT_FALSE(run.repaired);
  EXPECT_THAT(conversation.events, ElementsAre());
}

TEST(FinishRepair, ClearsTheResultsAndTheAbortFlagUnlessAScanRuns) {
  model::ScanModel model;
  model.SectionContents[4].emplace_back();
  model.RepairContents.push_back({"k", "Repaired Successfully"});
  model.abortFlag = model::abort_flag::kStopRepair;
  scan::FinishRepair(model, /*scanRunning=*/true);
  EXPECT_EQ(model.abortFlag, model::abort_flag::kStopRepair);
  EXPECT_EQ(model.TotalProblemCount(), 0u);
  EXPECT_THAT(model.RepairContents, ElementsAre());
  scan::FinishRepair(model, /*scanRunning=*/false);
  EXPECT_EQ(model.abortFlag, model::abort_flag::kRun);
}

TEST(FinishListRows, PaintErrorsRedAndTheRestGreen) {
  const model::TRepairContents repairs = {{"HKEY_A", "Repaired Successfully"},
                                          {"HKEY_B", "Error: could not be repaired"},
                                          {"Problems Found: 0", ""}};
  EXPECT_THAT(
      scan::FinishListRows(repairs),
      ElementsAre(scan::FinishListRow{"HKEY_A", "Repaired Successfully", {0, 128, 0}},
                  scan::FinishListRow{"HKEY_B", "Error: could not be repaired", {255, 0, 0}},
                  scan::FinishListRow{"Problems Found: 0", "", {0, 128, 0}}));
}

// The shortcuts of section 11 are copied beside the backup before the repair deletes them, and a
// shortcut without its copy stays. The copy of C:\Locked\b.lnk is refused: a file lies where
// its folder in the copies would go.
class ShortcutRepair : public RepairDriver {
 protected:
  void SetUp() override {
    RepairDriver::SetUp();
    model.ClearSectionProblems();
    machine.AddFile("C:\\a.lnk", "shortcut a");
    machine.AddFile("C:\\Locked\\b.lnk", "shortcut b");
    for (const char* shortcut : {"C:\\a.lnk", "C:\\Locked\\b.lnk", "C:\\gone.lnk"}) {
      model.SectionContents[11].push_back(Problem(shortcut, "C:\\missing.exe"));
      model.SectionContents[11].back().ItemName = shortcut;
    }
  }
  std::vector<std::string> Statuses() const {
    std::vector<std::string> statuses;
    for (const auto& record : model.RepairContents) statuses.push_back(record.Status);
    return statuses;
  }
  const std::string copies = "C:\\Program Files\\Halvex\\RepairBackup\\_20260115_120000\\";
};

TEST_F(ShortcutRepair, CopiesEachShortcutBeforeDeletingItAndLeavesOneWithoutItsCopy) {
  machine.AddFile(copies + "C\\Locked", "in the way");
  conversation.answer = true;
  const scan::RepairRun run = Repair();
  EXPECT_EQ(run.backup.status, backup::RepairBackupStatus::Incomplete);
  EXPECT_THAT(run.backup.copiedShortcuts, ElementsAre("C:\\a.lnk"));
  EXPECT_EQ(run.backup.uncopiedShortcuts, 1u);
  EXPECT_EQ(conversation.events.front(), "ask: " + std::string(scan::kRepairWithoutBackupQuestion));
  EXPECT_THAT(Statuses(),
              ElementsAre(scan::kRepairedStatus, scan::kNotCopiedStatus, scan::kRepairedStatus))
      << "the copied shortcut goes, the uncopied one stays, the vanished one is already gone";
  EXPECT_EQ(machine.Read("C:\\a.lnk"), "<missing>");
  EXPECT_EQ(machine.Read(copies + "C\\a.lnk"), "shortcut a");
  EXPECT_EQ(machine.Read("C:\\Locked\\b.lnk"), "shortcut b");
}

TEST_F(ShortcutRepair, ShortcutsAloneWriteAHeaderOnlyBackup) {
  const scan::RepairRun run = Repair();
  EXPECT_EQ(run.backup.status, backup::RepairBackupStatus::Written);
  EXPECT_EQ(run.backup.path, "C:\\Program Files\\Halvex\\RepairBackup\\_20260115_120000.reg");
  std::string headerOnly = "\xFF\xFE";  // the header line in UTF-16, and nothing else
  for (char c : std::string_view("Windows Registry Editor Version 5.00\r\n")) {
    headerOnly += {c, '\0'};
  }
  EXPECT_EQ(machine.Read(run.backup.path), headerOnly);
  EXPECT_THAT(conversation.events,
              ElementsAre(BackupMessage(), "repair dialog", "repair dialog closed"));
  EXPECT_EQ(machine.Read(copies + "C\\Locked\\b.lnk"), "shortcut b");
  EXPECT_EQ(machine.Read("C:\\Locked\\b.lnk"), "<missing>");
}

TEST_F(ShortcutRepair, AFailedBackupFileLeavesEveryShortcut) {
  // A file where the backup folder should be: neither the file nor the copies can be made.
  machine.AddFile("C:\\Program Files\\Halvex\\RepairBackup", "in the way");
  conversation.answer = true;
  const scan::RepairRun run = Repair();
  EXPECT_EQ(run.backup.status, backup::RepairBackupStatus::NotWritten);
  EXPECT_THAT(Statuses(),
              ElementsAre(scan::kNotCopiedStatus, scan::kNotCopiedStatus, scan::kRepairedStatus));
  EXPECT_EQ(machine.Read("C:\\a.lnk"), "shortcut a");
}

TEST_F(ShortcutRepair, WithoutTheAutomaticBackupTheUserChoseNoCopies) {
  settings.NotAutoBackup = true;
  (void)Repair();
  EXPECT_THAT(Statuses(),
              ElementsAre(scan::kRepairedStatus, scan::kRepairedStatus, scan::kRepairedStatus));
  EXPECT_EQ(machine.Read("C:\\a.lnk"), "<missing>");
}

}  // namespace
}  // namespace halvex::testing
