// Invalid shortcuts: which shortcuts on which drives are examined, which targets count as
// missing, and the repair that deletes the shortcut file only when it really goes.
#include "scan/sections/shortcuts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/platform/shortcut_file_builder.h"
#include "tests/scan/section_test_run.h"
#include "tests/support/forwarding_file_system.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAreArray;
using Problem = model::registry_content::TContent;
namespace file_attribute = platform::file_attribute;

constexpr int kShortcuts = 11;

// Two fixed drives, a CD-ROM and a removable one.
const std::vector<ScratchDrive> kDrives = {{'C', platform::DriveType::Fixed},
                                           {'D', platform::DriveType::CdRom},
                                           {'E', platform::DriveType::Fixed},
                                           {'F', platform::DriveType::Removable}};

class ShortcutsScan : public ::testing::Test {
 protected:
  void AddShortcut(std::string_view path, std::string_view target) {
    machine.AddFile(path, BuildShortcutFile({.localBasePath = std::string(target)}).bytes);
  }
  void AddShareShortcut(std::string_view path, std::string_view share, std::string_view suffix) {
    machine.AddFile(path, BuildShortcutFile({.commonPathSuffix = std::string(suffix),
                                             .networkShare = std::string(share)})
                              .bytes);
  }
  void SetAttributes(std::string_view path, std::uint32_t attributes) {
    ASSERT_TRUE(machine.files().SetAttributes(path, attributes)) << path;
  }

  ScratchMachine machine{{}, kDrives};
  ScanRun run{machine};
  RecordingRepairFrontEnd repairFrontEnd;
};

TEST_F(ShortcutsScan, ReportsShortcutsWhoseTargetIsMissing) {
  for (const char* file : {"C:\\Here\\app.exe", "C:\\Tools\\tool", "C:\\recent.txt"}) {
    machine.AddFile(file);
  }
  machine.AddFolder("C:\\Java\\jre1.8.0");
  machine.AddFolder("C:\\Docs");
  struct Case {
    const char* shortcut;
    const char* target;
    bool reported;
  };
  const Case cases[] = {
      {"C:\\Users\\u\\Desktop\\Old.lnk", "C:\\Gone\\old.exe", true},
      {"C:\\Users\\u\\Desktop\\GoneFolder.lnk", "C:\\Gone", true},
      {"C:\\Users\\u\\Desktop\\App.lnk", "C:\\Here\\app.exe", false},
      {"C:\\Users\\u\\Desktop\\Docs.lnk", "C:\\Docs", false},
      // Existence decides, not the extension: a folder with a dot, a file without one.
      {"C:\\Users\\u\\Desktop\\Java.lnk", "C:\\Java\\jre1.8.0", false},
      {"C:\\Users\\u\\Desktop\\Tool.lnk", "C:\\Tools\\tool", false},
      {"C:\\Users\\u\\Desktop\\Web.lnk", "http://www.example.com/", false},
      {"C:\\Users\\u\\Desktop\\Floppy.lnk", "A:\\setup.exe", false},
      {"C:\\Users\\u\\Desktop\\Cd.lnk", "D:\\setup.exe", false},
      // Exact case: an upper-case extension is not a shortcut the scan examines.
      {"C:\\Users\\u\\Desktop\\x.LNK", "C:\\Gone\\upper.exe", false},
      // The user's recent items are not examined; recent.txt in C:\ stops nothing.
      {"C:\\Users\\u\\Recent\\old.lnk", "C:\\Gone\\recent.exe", false},
      {"C:\\Users\\u\\Start Menu\\Old.lnk", "C:\\Gone\\menu.exe", true},
      {"C:\\Users\\u\\Archived\\Old.lnk", "C:\\Gone\\archived.exe", true},
      {"C:\\Users\\u\\Junction\\Old.lnk", "C:\\Gone\\junction.exe", false},
      // The repair's own copies of deleted shortcuts.
      {"C:\\Program Files\\Halvex\\RepairBackup\\_20260101_120000\\C\\Old.lnk", "C:\\Gone\\old.exe",
       false},
      {"E:\\Old.lnk", "E:\\Gone\\old.exe", true},
      {"F:\\Old.lnk", "F:\\Gone\\old.exe", false},
  };
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    AddShortcut(c.shortcut, c.target);
    if (c.reported) expected.push_back(c.shortcut);
  }
  AddShareShortcut("C:\\Users\\u\\Desktop\\Share.lnk", "\\\\server\\share", "gone.exe");
  // A customised folder is read-only, many folders carry the archive bit; a junction is not
  // walked into.
  SetAttributes("C:\\Users\\u\\Start Menu", file_attribute::kReadOnly);
  SetAttributes("C:\\Users\\u\\Archived", file_attribute::kArchive);
  SetAttributes("C:\\Users\\u\\Junction", file_attribute::kReparsePoint);

  EXPECT_THAT(FieldOfEach(ScanOnly(run, kShortcuts), &Problem::KeyPath),
              UnorderedElementsAreArray(expected));
}

TEST_F(ShortcutsScan, FillsTheRecordWithTheTextTheTargetsExtensionPicks) {
  AddShortcut("C:\\Links\\File.lnk", "C:\\Gone\\old.exe");
  AddShortcut("C:\\Links\\Folder.lnk", "C:\\Gone");
  const model::TRegistryContents& problems = ScanOnly(run, kShortcuts);
  ASSERT_EQ(problems.size(), 2u);
  const Problem& file = problems[0];
  EXPECT_EQ(file.KeyPath, "C:\\Links\\File.lnk");
  EXPECT_EQ(file.ItemName, "C:\\Links\\File.lnk");
  EXPECT_EQ(file.ValueName, "C:\\Gone\\old.exe");
  EXPECT_EQ(file.ValueData, "");
  EXPECT_EQ(file.DetailKeyPath, " File Path:C:\\Links\\File.lnk");
  EXPECT_EQ(file.DetailValueName, " File Name:C:\\Gone\\old.exe");
  EXPECT_EQ(file.DetailValue, " Value:C:\\Links\\File.lnk");
  EXPECT_EQ(file.DetailProblem,
            " The file (C:\\Gone\\old.exe) does not exist at the specified location");
  EXPECT_EQ(problems[1].DetailProblem, "This shortcut (C:\\Links\\Folder.lnk) is invalid.");
}

TEST_F(ShortcutsScan, AnIgnoredShortcutSkipsOnlyThatShortcut) {
  for (const char* name : {"a", "b", "c"}) {
    AddShortcut(std::string("C:\\Links\\") + name + ".lnk",
                std::string("C:\\Gone\\") + name + ".exe");
  }
  Exclude(machine, kShortcuts, "C:\\Links\\b.lnk", "C:\\Gone\\b.exe");
  EXPECT_THAT(FieldOfEach(ScanOnly(run, kShortcuts), &Problem::ItemName),
              ElementsAre("C:\\Links\\a.lnk", "C:\\Links\\c.lnk"));
}

// A file system whose deletes of one file are refused, as of a file another program holds.
class RefusedDelete final : public ForwardingFileSystem {
 public:
  RefusedDelete(platform::FileSystem& files, std::string path)
      : ForwardingFileSystem(files), path_(std::move(path)) {}
  bool DeleteFile(std::string_view path) override {
    return path != path_ && files_.DeleteFile(path);
  }

 private:
  std::string path_;
};

TEST_F(ShortcutsScan, RepairDeletesTheShortcutAndSaysWhenItCouldNot) {
  AddShortcut("C:\\Links\\a.lnk", "C:\\Gone\\a.exe");
  AddShortcut("C:\\Links\\held.lnk", "C:\\Gone\\held.exe");
  AddShortcut("C:\\Links\\vanished.lnk", "C:\\Gone\\vanished.exe");
  ASSERT_EQ(ScanOnly(run, kShortcuts).size(), 3u);
  const scan::RepairTarget target =
      scan::ShortcutsSection().TargetOf(run.model.SectionContents[kShortcuts][0]);
  EXPECT_EQ(target.kind, scan::RepairTarget::Kind::File);
  EXPECT_EQ(target.filePath, "C:\\Links\\a.lnk");
  ASSERT_TRUE(machine.files().DeleteFile("C:\\Links\\vanished.lnk"));

  RefusedDelete files(machine.files(), "C:\\Links\\held.lnk");
  platform::Platform platform{machine.registry, files, machine.locale, machine.clock,
                              machine.links};
  scan::RepairContext context{platform, run.model, repairFrontEnd};
  scan::RepairSection(context, *scan::FindSection(kShortcuts));
  std::vector<std::string> statuses;
  for (const auto& record : run.model.RepairContents) statuses.push_back(record.Status);
  EXPECT_THAT(statuses,
              ElementsAre(scan::kRepairedStatus, scan::kNotRepairedStatus, scan::kRepairedStatus));
  EXPECT_EQ(machine.Read("C:\\Links\\a.lnk"), "<missing>");
  EXPECT_NE(machine.Read("C:\\Links\\held.lnk"), "<missing>");
}

}  // namespace
}  // namespace halvex::testing
