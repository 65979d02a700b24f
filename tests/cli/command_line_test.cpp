#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace halvex::cli {
namespace {

TEST(CommandLine, ScanOptions) {
  const auto parsed =
      ParseCommandLine({"scan", "--machine", "m", "--section", "4", "--section", "17", "--json"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  const ScanOptions& scan = std::get<CommandLine>(parsed).scan;
  EXPECT_EQ(scan.machineFolder, "m");
  EXPECT_TRUE(scan.json);
  for (int section = 1; section <= 17; ++section) {
    EXPECT_EQ(scan.sections[section - 1], section == 4 || section == 17) << "section " << section;
  }
}

TEST(CommandLine, ScanDefaultsToEverySectionOfTheLiveSystem) {
  const auto parsed = ParseCommandLine({"scan"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  const ScanOptions& scan = std::get<CommandLine>(parsed).scan;
  EXPECT_FALSE(scan.machineFolder);
  EXPECT_EQ(scan.sections, scan::AllSections());
}

TEST(CommandLine, RepairOptions) {
  const auto parsed =
      ParseCommandLine({"repair", "--section", "4", "--no-backup", "--machine", "m", "--json"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  const CommandLine& line = std::get<CommandLine>(parsed);
  EXPECT_EQ(line.command, CommandLine::Command::Repair);
  EXPECT_EQ(line.repair.machineFolder, "m");
  EXPECT_TRUE(line.repair.noBackup);
  EXPECT_TRUE(line.repair.json);
  for (int section = 1; section <= 17; ++section) {
    EXPECT_EQ(line.repair.sections[section - 1], section == 4) << "section " << section;
  }
  const auto defaults = ParseCommandLine({"repair"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(defaults));
  EXPECT_FALSE(std::get<CommandLine>(defaults).repair.noBackup) << "the backup is written";
  EXPECT_EQ(std::get<CommandLine>(defaults).repair.sections, scan::AllSections());
}

TEST(CommandLine, RestoreAndBackupsOptions) {
  auto parsed = ParseCommandLine({"restore", "C:\\b\\_1.reg", "--machine", "m"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  EXPECT_EQ(std::get<CommandLine>(parsed).command, CommandLine::Command::Restore);
  EXPECT_EQ(std::get<CommandLine>(parsed).restore.file, "C:\\b\\_1.reg");
  EXPECT_EQ(std::get<CommandLine>(parsed).restore.machineFolder, "m");

  parsed = ParseCommandLine({"backups", "--machine", "m"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  EXPECT_EQ(std::get<CommandLine>(parsed).command, CommandLine::Command::Backups);
  EXPECT_EQ(std::get<CommandLine>(parsed).backups.machineFolder, "m");
}

TEST(CommandLine, UsageErrorsSayWhatIsWrong) {
  struct Case {
    std::vector<std::string> arguments;
    const char* reason;
  };
  const Case cases[] = {
      {{}, "no command given"},
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"scan", "--section"}, "--section needs a number from 1 to 17"},
      {{"scan", "--section", "0"}, "--section takes a number from 1 to 17, not '0'"},
      {{"scan", "--section", "18"}, "--section takes a number from 1 to 17, not '18'"},
      {{"scan", "--section", "4x"}, "--section takes a number from 1 to 17, not '4x'"},
      {{"scan", "--machine"}, "--machine needs a folder"},
      {{"scan", "--verbose"}, "scan does not know '--verbose'"},
      {{"scan", "--no-backup"}, "scan does not know '--no-backup'"},
      {{"scan", "file.reg"}, "scan does not know 'file.reg'"},
      {{"repair", "--section", "x"}, "--section takes a number from 1 to 17, not 'x'"},
      {{"restore"}, "restore needs the file to import"},
      {{"restore", "a.reg", "b.reg"}, "restore does not know 'b.reg'"},
      {{"restore", "a.reg", "--json"}, "restore does not know '--json'"},
      {{"backups", "--section", "4"}, "backups does not know '--section'"},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseCommandLine(c.arguments);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.reason;
    EXPECT_EQ(std::get<UsageError>(parsed).reason, c.reason);
  }
}

}  // namespace
}  // namespace halvex::cli
