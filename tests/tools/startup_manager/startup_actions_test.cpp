// Disable, Enable, Remove and Restore Item: the round trips give back the registry and the
// folders as they were; each acts on its own entry; a refused step leaves entry, copy and
// lines agreeing with each other.
#include <gmock/gmock.h>

#include "platform/substitute/substitute_profile_files.h"
#include "tests/support/forwarding_file_system.h"
#include "tests/tools/startup_manager/startup_fixture.h"

namespace halvex::tools::startup_manager {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

ActionOutcome Restore(platform::Platform& platform, const StartupBackupPaths& paths,
                      const std::string& name) {
  for (const RestorableEntry& entry : ListRestorableEntries(platform.files, paths)) {
    if (entry.name == name) return RestoreEntry(platform, paths, entry);
  }
  return ActionOutcome::NotDone("not in the restoral list: " + name);
}

TEST_F(StartupMachine, DisableThenEnableGivesEveryEntryBack) {
  const std::string before = Snapshot();
  for (const char* name : {"Tray Agent", "Helper"}) {
    ASSERT_TRUE(DisableEntry(platform(), paths, Find(EntryKind::RunValue, name)).done) << name;
  }
  ASSERT_TRUE(DisableEntry(platform(), paths, Find(EntryKind::FolderFile, "notes.txt")).done);
  EXPECT_EQ(Lines(paths.startupDat).size(), 2u);
  EXPECT_EQ(Lines(paths.delTxt).size(), 1u);
  EXPECT_NE(Snapshot(), before);

  for (const StartupEntry& entry : List()) {
    if (entry.status == kStatusDisabled) {
      EXPECT_TRUE(EnableEntry(platform(), paths, entry).done) << entry.name;
    }
  }
  EXPECT_EQ(Snapshot(), before) << "REG_EXPAND_SZ comes back expandable, REG_SZ as REG_SZ";
  EXPECT_THAT(Lines(paths.startupDat), IsEmpty());
  EXPECT_THAT(Lines(paths.delTxt), IsEmpty());
  EXPECT_EQ(machine.files().ListFolder(paths.delFolder)->size(), 2u) << "only . and ..";
}

TEST_F(StartupMachine, RemoveThenRestoreGivesEveryEntryBack) {
  const std::string before = Snapshot();
  ASSERT_TRUE(RemoveEntry(platform(), paths, Find(EntryKind::RunValue, "Helper")).done);
  ASSERT_TRUE(RemoveEntry(platform(), paths, Find(EntryKind::FolderFile, "notes.txt")).done);
  // A disabled entry removed: its line moves on.
  ASSERT_TRUE(DisableEntry(platform(), paths, Find(EntryKind::RunValue, "Tray Agent")).done);
  ASSERT_TRUE(RemoveEntry(platform(), paths, Find(EntryKind::DisabledRunValue, "Tray Agent")).done);
  EXPECT_THAT(Lines(paths.startupDat), IsEmpty());
  EXPECT_EQ(ListRestorableEntries(machine.files(), paths).size(), 3u);

  for (const char* name : {"Helper", "Tray Agent", "C:\\User Startup\\notes.txt"}) {
    EXPECT_TRUE(Restore(platform(), paths, name).done) << name;
  }
  EXPECT_EQ(Snapshot(), before);
  EXPECT_THAT(ListRestorableEntries(machine.files(), paths), IsEmpty());
}

TEST_F(StartupMachine, ARemovedDisabledFileMovesFromTheStartupListToTheRestoralList) {
  ASSERT_TRUE(DisableEntry(platform(), paths, Find(EntryKind::FolderFile, "notes.txt")).done);
  ASSERT_TRUE(RemoveEntry(platform(), paths,
                          Find(EntryKind::DisabledFolderFile, "C:\\User Startup\\notes.txt"))
                  .done);
  EXPECT_THAT(Lines(paths.delTxt),
              ElementsAre("C:\\User Startup\\notes.txt#" + paths.delFolder + "\\notes.txt"));
  for (const StartupEntry& entry : List()) EXPECT_NE(entry.kind, EntryKind::DisabledFolderFile);
}

TEST_F(StartupMachine, TheSecondOfTwoSameNamedValuesIsTheOneActedOn) {
  const StartupEntry user = Find(EntryKind::RunValue, "Tray Agent", kHkcuRun);
  ASSERT_TRUE(DisableEntry(platform(), paths, user).done);
  EXPECT_TRUE(machine.ValueExists(kHklmRun, "Tray Agent"));
  EXPECT_FALSE(machine.ValueExists(kHkcuRun, "Tray Agent"));
  EXPECT_THAT(Lines(paths.startupDat),
              ElementsAre(std::string(kHkcuRun) + "#Tray Agent|C:\\Tools\\user-tray.exe"));
  ASSERT_TRUE(machine.ValueExists(kHklmRun, "Tray Agent"));
  ASSERT_TRUE(
      RemoveEntry(platform(), paths, Find(EntryKind::RunValue, "Tray Agent", kHklmRun)).done);
  EXPECT_FALSE(machine.ValueExists(kHklmRun, "Tray Agent"));
  EXPECT_THAT(Lines(paths.removeStartupDat),
              ElementsAre(std::string(kHklmRun) + "#Tray Agent|C:\\Tools\\tray.exe -min"));
}

TEST_F(StartupMachine, TwoSameNamedFilesKeepTwoCopies) {
  const std::string before = Snapshot();
  ASSERT_TRUE(RemoveEntry(platform(), paths, Find(EntryKind::FolderFile, "agent.lnk")).done);
  ASSERT_TRUE(RemoveEntry(platform(), paths, Find(EntryKind::FolderFile, "agent.lnk")).done);
  EXPECT_EQ(machine.Read(paths.delFolder + "\\agent.lnk"), "common agent");
  EXPECT_EQ(machine.Read(paths.delFolder + "\\agent_2.lnk"), "user agent");
  EXPECT_THAT(Lines(paths.delTxt),
              ElementsAre("C:\\Common Startup\\agent.lnk#" + paths.delFolder + "\\agent.lnk",
                          "C:\\User Startup\\agent.lnk#" + paths.delFolder + "\\agent_2.lnk"));
  for (const char* name : {"C:\\Common Startup\\agent.lnk", "C:\\User Startup\\agent.lnk"}) {
    EXPECT_TRUE(Restore(platform(), paths, name).done) << name;
  }
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(StartupMachine, EntriesNoLineCanGiveBackAreLeftAlone) {
  machine.SetString(kHkcuRun, "Odd#Name", "odd.exe");
  machine.SetString(kHkcuRun, "Two Lines", "a.exe\r\nb.exe");
  machine.AddFile("C:\\User Startup\\a#b.lnk", "x");
  const std::string before = Snapshot();
  const struct {
    StartupEntry entry;
    const char* reason;
  } cases[] = {
      {Find(EntryKind::RunValue, "Counter"), reason::kNotAString},
      {Find(EntryKind::RunValue, "Blob"), reason::kNotAString},
      {Find(EntryKind::RunValue, "Odd#Name"), reason::kNoLineHoldsIt},
      {Find(EntryKind::RunValue, "Two Lines"), reason::kNoLineHoldsIt},
      {Find(EntryKind::FolderFile, "a#b.lnk"), reason::kNoLineHoldsFile},
  };
  for (const auto& test : cases) {
    for (const auto action : {DisableEntry, RemoveEntry}) {
      const ActionOutcome outcome = action(platform(), paths, test.entry);
      EXPECT_FALSE(outcome.done) << test.entry.name;
      EXPECT_EQ(outcome.reason, test.reason) << test.entry.name;
    }
  }
  EXPECT_EQ(Snapshot(), before);
  EXPECT_THAT(Lines(paths.startupDat), IsEmpty());
  EXPECT_THAT(Lines(paths.removeStartupDat), IsEmpty());
  EXPECT_THAT(Lines(paths.delTxt), IsEmpty());
}

TEST_F(StartupMachine, WinIniKeysAreOnlyRemovedNeverDisabled) {
  const StartupEntry loader = Find(EntryKind::WinIniKey, "Loader");
  const ActionOutcome disabled = DisableEntry(platform(), paths, loader);
  EXPECT_FALSE(disabled.done);
  EXPECT_EQ(disabled.reason, reason::kWinIniNotDisabled);
  EXPECT_EQ(platform().profiles.ReadKey(platform::kWinIni, "Load", "Loader"),
            "C:\\Tools\\load.exe");
  EXPECT_TRUE(RemoveEntry(platform(), paths, loader).done);
  EXPECT_EQ(platform().profiles.ReadKey(platform::kWinIni, "Load", "Loader"), std::nullopt);
  EXPECT_EQ(platform().profiles.ReadKey(platform::kWinIni, "Run", "Runner"), "run.exe");
  EXPECT_THAT(ListRestorableEntries(machine.files(), paths), IsEmpty());
}

TEST_F(StartupMachine, StatusesThatDoNotFitTheActionAreLeftAlone) {
  EXPECT_EQ(EnableEntry(platform(), paths, Find(EntryKind::RunValue, "Helper")).reason,
            reason::kNotDisabled);
  EXPECT_EQ(EnableEntry(platform(), paths, Find(EntryKind::WinIniKey, "Runner")).reason,
            reason::kNotDisabled);
  ASSERT_TRUE(DisableEntry(platform(), paths, Find(EntryKind::RunValue, "Helper")).done);
  EXPECT_EQ(DisableEntry(platform(), paths, Find(EntryKind::DisabledRunValue, "Helper")).reason,
            reason::kAlreadyDisabled);
  EXPECT_EQ(Lines(paths.startupDat).size(), 1u);
}

// The machine's files with one kind of call refused for one path.
class RefusingFiles final : public testing::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  std::string refuseCopyTo, refuseWrite, refuseDelete;

  bool CopyFile(std::string_view from, std::string_view to, bool failIfExists) override {
    if (to == refuseCopyTo) return false;
    return ForwardingFileSystem::CopyFile(from, to, failIfExists);
  }
  bool WriteFile(std::string_view path, std::string_view bytes) override {
    if (path == refuseWrite) return false;
    return ForwardingFileSystem::WriteFile(path, bytes);
  }
  bool DeleteFile(std::string_view path) override {
    if (path == refuseDelete) return false;
    return ForwardingFileSystem::DeleteFile(path);
  }
};

class StartupFailures : public StartupMachine {
 protected:
  RefusingFiles files{machine.files()};
  platform::substitute::SubstituteProfileFiles profiles{files};
  platform::Platform refusing{machine.registry, files,         machine.locale,
                              machine.clock,    machine.links, profiles};
};

TEST_F(StartupFailures, ARefusedStepKeepsFileCopyAndLineInAgreement) {
  const std::string file = "C:\\User Startup\\notes.txt";
  const std::string copy = paths.delFolder + "\\notes.txt";
  const StartupEntry notes = Find(EntryKind::FolderFile, "notes.txt");
  const struct {
    const char* what;
    std::string RefusingFiles::*refused;
    std::string path;
    const char* reason;
  } cases[] = {
      {"the copy refused", &RefusingFiles::refuseCopyTo, copy, reason::kCopyFailed},
      {"del.txt not saved", &RefusingFiles::refuseWrite, paths.delTxt, reason::kLineNotSaved},
      {"the original not deleted", &RefusingFiles::refuseDelete, file, reason::kFileNotDeleted},
  };
  for (const auto& test : cases) {
    files.*test.refused = test.path;
    for (const auto action : {DisableEntry, RemoveEntry}) {
      const ActionOutcome outcome = action(refusing, paths, notes);
      EXPECT_FALSE(outcome.done) << test.what;
      EXPECT_EQ(outcome.reason, test.reason) << test.what;
      EXPECT_EQ(machine.Read(file), "notes") << test.what;
      EXPECT_FALSE(machine.files().FileExists(copy)) << test.what;
      EXPECT_THAT(Lines(paths.delTxt), IsEmpty()) << test.what;
    }
    files.*test.refused = "";
  }
}

TEST_F(StartupFailures, ARefusedCopyBackKeepsTheCopyAndItsLine) {
  ASSERT_TRUE(DisableEntry(refusing, paths, Find(EntryKind::FolderFile, "notes.txt")).done);
  ASSERT_TRUE(RemoveEntry(refusing, paths, Find(EntryKind::FolderFile, "agent.lnk")).done);
  files.refuseCopyTo = "C:\\User Startup\\notes.txt";
  const ActionOutcome enabled = EnableEntry(
      refusing, paths, Find(EntryKind::DisabledFolderFile, "C:\\User Startup\\notes.txt"));
  files.refuseCopyTo = "C:\\Common Startup\\agent.lnk";
  const ActionOutcome restored = Restore(refusing, paths, "C:\\Common Startup\\agent.lnk");
  for (const ActionOutcome& outcome : {enabled, restored}) {
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.reason, reason::kCopyBackFailed);
  }
  EXPECT_EQ(Lines(paths.delTxt).size(), 2u);
  EXPECT_EQ(machine.Read(paths.delFolder + "\\notes.txt"), "notes");
  EXPECT_EQ(machine.Read(paths.delFolder + "\\agent.lnk"), "common agent");
}

TEST_F(StartupFailures, ARegistryValueGoesOnlyWithItsLineSaved) {
  const StartupEntry helper = Find(EntryKind::RunValue, "Helper");
  files.refuseWrite = paths.startupDat;
  EXPECT_EQ(DisableEntry(refusing, paths, helper).reason, reason::kLineNotSaved);
  EXPECT_TRUE(machine.ValueExists(kHklmRun, "Helper"));
  files.refuseWrite = "";

  machine.registry.InjectFaults(platform::RootKey::LocalMachine,
                                "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                {.refuseDelete = true});
  EXPECT_EQ(DisableEntry(refusing, paths, helper).reason, reason::kValueNotDeleted);
  EXPECT_EQ(RemoveEntry(refusing, paths, helper).reason, reason::kValueNotDeleted);
  EXPECT_TRUE(machine.ValueExists(kHklmRun, "Helper"));
  EXPECT_THAT(Lines(paths.startupDat), IsEmpty()) << "the line went again";
  EXPECT_THAT(Lines(paths.removeStartupDat), IsEmpty());
}

TEST_F(StartupMachine, AMissingKeyAtWriteBackKeepsTheLine) {
  ASSERT_TRUE(
      DisableEntry(platform(), paths, Find(EntryKind::RunValue, "Tray Agent", kHkcuRun)).done);
  ASSERT_TRUE(
      RemoveEntry(platform(), paths, Find(EntryKind::RunValue, "Tray Agent", kHklmRun)).done);
  for (const auto& [root, key] : {std::pair{platform::RootKey::CurrentUser, kHkcuRun},
                                  std::pair{platform::RootKey::LocalMachine, kHklmRun}}) {
    const std::string path = std::string(key).substr(std::string(key).find('\\') + 1);
    ASSERT_EQ(machine.registry.DeleteKey(platform::RootHandle(root), path),
              platform::RegStatus::Ok);
  }
  const ActionOutcome enabled =
      EnableEntry(platform(), paths, Find(EntryKind::DisabledRunValue, "Tray Agent"));
  const ActionOutcome restored = Restore(platform(), paths, "Tray Agent");
  for (const ActionOutcome& outcome : {enabled, restored}) {
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.reason, reason::kKeyMissing);
  }
  EXPECT_EQ(Lines(paths.startupDat).size(), 1u);
  EXPECT_EQ(Lines(paths.removeStartupDat).size(), 1u);
}

}  // namespace
}  // namespace halvex::tools::startup_manager
