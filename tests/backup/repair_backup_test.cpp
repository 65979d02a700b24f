// The repair backup: where it goes, what it holds, and that it says honestly whether it was
// written.
#include "backup/repair_backup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backup/shortcut_copies.h"
#include "model/program_folder.h"
#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

using backup::RepairBackupStatus;
using scan::RepairTarget;

constexpr const char* kSharedDlls =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";
constexpr platform::PlatformClass kNt = platform::PlatformClass::NtFamily;

using Problem = model::registry_content::TContent;

Problem MarkedProblem(std::string keyPath, std::string valueName, bool marked = true) {
  Problem problem;
  problem.Marked = marked;
  problem.KeyPath = std::move(keyPath);
  problem.ValueName = std::move(valueName);
  return problem;
}

// The text of a UTF-16 file as 8-bit lines joined by "\n", with its line ends checked.
std::string DecodedLines(ScratchMachine& machine, const std::string& bytes) {
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE")
      << "a version 5.00 file starts with its byte order mark";
  std::u16string units;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                   static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  std::string text = machine.locale.FromUtf16(units);
  EXPECT_TRUE(text.ends_with("\r\n")) << "the last line ends with CR LF";
  std::string joined;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    joined += text.substr(start, end - start) + "\n";
    start = end + 2;
  }
  return joined;
}

class RepairBackup : public ::testing::Test {
 protected:
  void SetUp() override { machine.AddFolder("C:\\Program Files\\Halvex"); }

  backup::RepairBackupResult Write(std::vector<int> rows,
                                   platform::PlatformClass platformClass = kNt) {
    return backup::WriteRepairBackup(machine.platform(), platformClass, model, rows);
  }
  std::string Folder() { return machine.files().ProgramFolder() + "RepairBackup\\"; }

  ScratchMachine machine;
  model::ScanModel model;
};

TEST_F(RepairBackup, SavesThreeSharedDllsProblemsInSevenLines) {
  for (int n = 1; n <= 3; ++n) {
    const std::string name = "C:\\WINDOWS\\system32\\x" + std::to_string(n) + ".dll";
    machine.SetDword(kSharedDlls, name, static_cast<std::uint32_t>(n));
    model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, name));
  }
  machine.clock.SetNow({2024, 1, 31, 14, 25, 7, 0});
  const backup::RepairBackupResult result = Write({0, 4});
  EXPECT_EQ(result.status, RepairBackupStatus::Written);
  EXPECT_TRUE(result.written());
  EXPECT_EQ(result.path, "C:\\Program Files\\Halvex\\RepairBackup\\_20240131_142507.reg");
  EXPECT_EQ(result.Folder(), "C:\\Program Files\\Halvex\\RepairBackup\\");
  EXPECT_EQ(result.savedTargets, 3u);
  const std::string key =
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls]\n";
  EXPECT_EQ(DecodedLines(machine, machine.Read(result.path)),
            "Windows Registry Editor Version 5.00\n" + key +
                "\"C:\\\\WINDOWS\\\\system32\\\\x1.dll\"=dword:00000001\n" + key +
                "\"C:\\\\WINDOWS\\\\system32\\\\x2.dll\"=dword:00000002\n" + key +
                "\"C:\\\\WINDOWS\\\\system32\\\\x3.dll\"=dword:00000003\n");
}

TEST_F(RepairBackup, IsWrittenWithoutTheSettingsKey) {
  // Nothing exists below HKEY_CURRENT_USER\Software\Halvex on this machine.
  machine.SetDword(kSharedDlls, "C:\\x.dll", 1);
  model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, "C:\\x.dll"));
  const backup::RepairBackupResult result = Write({0, 4});
  EXPECT_EQ(result.status, RepairBackupStatus::Written);
  EXPECT_NE(machine.Read(result.path), "<missing>");
}

TEST_F(RepairBackup, Regedit4FilesAre8Bit) {
  machine.SetString(kSharedDlls, "C:\\x.dll", "1");
  model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, "C:\\x.dll"));
  const backup::RepairBackupResult result = Write({0, 4}, platform::PlatformClass::Windows95Family);
  EXPECT_EQ(machine.Read(result.path),
            "REGEDIT4\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls]\r\n"
            "\"C:\\\\x.dll\"=\"1\"\r\n");
}

TEST_F(RepairBackup, TakesSectionsInResultListOrderAndMarkedProblemsOnly) {
  const std::string key10 =
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\a.exe";
  machine.SetString(key10, "", "C:\\a.exe");
  machine.SetDword(kSharedDlls, "C:\\x.dll", 1);
  machine.SetDword(kSharedDlls, "C:\\y.dll", 1);
  model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, "C:\\x.dll"));
  model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, "C:\\y.dll", false));
  model.SectionContents[10].push_back(MarkedProblem(key10, "default"));
  model.RebuildAllProblems();

  const std::vector<int> rows = {10, 0, 4};
  const std::vector<RepairTarget> targets = backup::MarkedRegistryTargets(model, rows);
  ASSERT_EQ(targets.size(), 2u) << "the All Problems row adds nothing, unmarked problems neither";
  EXPECT_EQ(targets[0].keyPath, key10);
  EXPECT_EQ(targets[1].valueName, "C:\\x.dll");
}

TEST_F(RepairBackup, ShortcutProblemsAndUnmarkedProblemsWriteNothing) {
  machine.SetDword(kSharedDlls, "C:\\x.dll", 1);
  // Section 11's problems are shortcut files; even one naming a registry value is not exported.
  model.SectionContents[11].push_back(MarkedProblem(kSharedDlls, "C:\\x.dll"));
  model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, "C:\\x.dll", false));
  const backup::RepairBackupResult result = Write({0, 4, 11});
  EXPECT_EQ(result.status, RepairBackupStatus::NothingToSave);
  EXPECT_FALSE(result.written());
  EXPECT_TRUE(result.complete());
  EXPECT_FALSE(result.path.empty()) << "the name is formed anyway";
  EXPECT_EQ(machine.Read(result.path), "<missing>");
}

TEST_F(RepairBackup, TargetsThatAreGoneLeaveNothingToSave) {
  model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, "C:\\gone.dll"));
  EXPECT_EQ(Write({0, 4}).status, RepairBackupStatus::NothingToSave);
}

TEST_F(RepairBackup, NeverOverwritesAnEarlierBackup) {
  machine.SetDword(kSharedDlls, "C:\\x.dll", 1);
  model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, "C:\\x.dll"));
  const backup::RepairBackupResult first = Write({0, 4});
  machine.SetDword(kSharedDlls, "C:\\x.dll", 2);
  const backup::RepairBackupResult second = Write({0, 4});
  const backup::RepairBackupResult third = Write({0, 4});
  EXPECT_EQ(first.path, Folder() + "_20260115_120000.reg");
  EXPECT_EQ(second.path, Folder() + "_20260115_120000_2.reg");
  EXPECT_EQ(third.path, Folder() + "_20260115_120000_3.reg");
  EXPECT_NE(DecodedLines(machine, machine.Read(first.path)).find("dword:00000001"),
            std::string::npos);
  EXPECT_NE(DecodedLines(machine, machine.Read(second.path)).find("dword:00000002"),
            std::string::npos);
}

TEST_F(RepairBackup, AFileThatCannotBeWrittenIsReported) {
  machine.SetDword(kSharedDlls, "C:\\x.dll", 1);
  model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, "C:\\x.dll"));
  // A file where the folder should be: the folder cannot be made.
  machine.AddFile("C:\\Program Files\\Halvex\\RepairBackup", "in the way");
  const backup::RepairBackupResult result = Write({0, 4});
  EXPECT_EQ(result.status, RepairBackupStatus::NotWritten);
  EXPECT_FALSE(result.written());
  EXPECT_FALSE(result.complete());
}

TEST_F(RepairBackup, WithoutAValidHeaderNothingIsWrittenAndTheBackupFails) {
  // No registry editor imports a file whose first line is empty, so such a file is no backup:
  // the repair driver must ask whether to repair anyway.
  machine.SetDword(kSharedDlls, "C:\\x.dll", 1);
  model.SectionContents[4].push_back(MarkedProblem(kSharedDlls, "C:\\x.dll"));
  for (const platform::PlatformClass platformClass :
       {platform::PlatformClass::Undetermined, platform::PlatformClass::Win32s}) {
    const backup::RepairBackupResult result = Write({0, 4}, platformClass);
    const int number = static_cast<int>(platformClass);
    EXPECT_EQ(result.status, RepairBackupStatus::NotWritten) << "platform class " << number;
    EXPECT_FALSE(result.complete()) << "platform class " << number;
    EXPECT_EQ(machine.Read(result.path), "<missing>") << "platform class " << number;
    EXPECT_FALSE(machine.files().FolderExists(Folder())) << "platform class " << number;
  }
}

TEST_F(RepairBackup, AValueThatCannotBeReadMakesTheBackupIncomplete) {
  const std::string locked = "HKEY_CURRENT_USER\\Software\\Locked";
  machine.SetDword(locked, "v", 1);
  machine.SetDword(kSharedDlls, "C:\\x.dll", 1);
  machine.registry.InjectFaults(platform::RootKey::CurrentUser, "Software\\Locked",
                                {.refuseOpen = true});
  const RepairTarget targets[] = {{RepairTarget::Kind::Value, locked, "v", {}},
                                  {RepairTarget::Kind::Value, kSharedDlls, "C:\\x.dll", {}}};
  backup::RepairBackupResult result = backup::WriteRepairBackup(machine.platform(), kNt, targets);
  EXPECT_EQ(result.status, RepairBackupStatus::Incomplete);
  EXPECT_TRUE(result.written());
  EXPECT_FALSE(result.complete());
  EXPECT_EQ(result.savedTargets, 1u);
  EXPECT_EQ(result.unsavedTargets, 1u);

  // With nothing else to save, there is no file at all.
  result = backup::WriteRepairBackup(machine.platform(), kNt, std::span(targets, 1));
  EXPECT_EQ(result.status, RepairBackupStatus::NotWritten);
}

TEST_F(RepairBackup, SavesWholeKeysAndPassesOverFiles) {
  const std::string key = "HKEY_CLASSES_ROOT\\CLSID\\{1}";
  machine.SetString(key, "", "Thing");
  machine.SetString(key + "\\InprocServer32", "", "C:\\gone.dll");
  machine.AddFile("C:\\a.lnk", "shortcut");
  const RepairTarget targets[] = {{RepairTarget::Kind::KeyTree, key, {}, {}},
                                  {RepairTarget::Kind::File, {}, {}, "C:\\a.lnk"}};
  const backup::RepairBackupResult result =
      backup::WriteRepairBackup(machine.platform(), kNt, targets);
  EXPECT_EQ(result.status, RepairBackupStatus::Written);
  EXPECT_EQ(DecodedLines(machine, machine.Read(result.path)),
            "Windows Registry Editor Version 5.00\n"
            "[HKEY_CLASSES_ROOT\\CLSID\\{1}]\n@=\"Thing\"\n"
            "[HKEY_CLASSES_ROOT\\CLSID\\{1}\\InprocServer32]\n@=\"C:\\\\gone.dll\"\n");
}

TEST_F(RepairBackup, RecordsWhoseRepairChangesNothingAreNotSaved) {
  machine.SetDword(kSharedDlls, "C:\\x.dll", 1);
  const RepairTarget targets[] = {{RepairTarget::Kind::NoChange, kSharedDlls, "C:\\x.dll", {}}};
  const backup::RepairBackupResult result =
      backup::WriteRepairBackup(machine.platform(), kNt, targets);
  EXPECT_EQ(result.status, RepairBackupStatus::NothingToSave);
  EXPECT_EQ(machine.Read(result.path), "<missing>");
}

// The shortcuts' round trip: copied beside the backup, deleted by the repair, and copied back
// byte for byte; a file that has since taken a shortcut's place is left and named.
TEST_F(RepairBackup, ShortcutCopiesComeBackByteForByteExceptOverAFileThatExistsNow) {
  const std::string bytes("L\0\0\0\x01\x14\x02\0\xFF binary", 16);
  machine.AddFile("C:\\Users\\Start Menu\\a.lnk", bytes);
  machine.AddFile("C:\\b.lnk", "shortcut b");
  const RepairTarget targets[] = {
      {RepairTarget::Kind::File, {}, {}, "C:\\Users\\Start Menu\\a.lnk"},
      {RepairTarget::Kind::File, {}, {}, "C:\\b.lnk"}};
  const backup::RepairBackupResult result =
      backup::WriteRepairBackup(machine.platform(), kNt, targets);
  ASSERT_EQ(result.status, RepairBackupStatus::Written);
  EXPECT_EQ(machine.Read(Folder() + "_20260115_120000\\C\\Users\\Start Menu\\a.lnk"), bytes);

  ASSERT_TRUE(machine.files().DeleteFile("C:\\Users\\Start Menu\\a.lnk"));
  ASSERT_TRUE(machine.files().DeleteFile("C:\\b.lnk"));
  machine.AddFile("C:\\b.lnk", "made since");
  const backup::ShortcutRestore restore =
      backup::RestoreShortcutCopies(machine.files(), result.path);
  EXPECT_THAT(restore.restored, ::testing::ElementsAre("C:\\Users\\Start Menu\\a.lnk"));
  EXPECT_THAT(restore.leftInPlace, ::testing::ElementsAre("C:\\b.lnk"));
  EXPECT_TRUE(restore.failed.empty());
  EXPECT_EQ(machine.Read("C:\\Users\\Start Menu\\a.lnk"), bytes);
  EXPECT_EQ(machine.Read("C:\\b.lnk"), "made since");
}

TEST_F(RepairBackup, ABackupWithoutShortcutsRestoresNoneOfThem) {
  const backup::ShortcutRestore restore =
      backup::RestoreShortcutCopies(machine.files(), Folder() + "_20260115_120000.reg");
  EXPECT_TRUE(restore.restored.empty() && restore.leftInPlace.empty() && restore.failed.empty());
}

TEST(RepairBackupFileName, IsTheTimeStamp) {
  EXPECT_EQ(backup::RepairBackupFileName({2024, 1, 31, 14, 25, 7, 0}), "_20240131_142507.reg");
  EXPECT_EQ(backup::RepairBackupFileName({2026, 12, 1, 0, 0, 0, 999}), "_20261201_000000.reg");
}

}  // namespace
}  // namespace halvex::testing
