#include "cli/command_line.h"

#include <gtest/gtest.h>

#include "cli/console_scan.h"
#include "cli/verb_table.h"

namespace halvex::cli {
namespace {

std::variant<CommandLine, UsageError> Parse(const std::vector<std::string>& arguments) {
  return ParseCommandLine(VerbTable(), arguments);
}

TEST(CommandLine, ScanOptions) {
  const auto parsed =
      Parse({"scan", "--machine", "m", "--section", "4", "--section", "17", "--json"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  const CommandLine& scan = std::get<CommandLine>(parsed);
  EXPECT_EQ(scan.machineFolder, "m");
  EXPECT_TRUE(scan.json);
  const scan::SectionChoice sections = ChosenSections(scan);
  for (int section = 1; section <= 17; ++section) {
    EXPECT_EQ(sections[section - 1], section == 4 || section == 17) << "section " << section;
  }
}

TEST(CommandLine, ScanDefaultsToEverySectionOfTheLiveSystem) {
  const auto parsed = Parse({"scan"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  const CommandLine& scan = std::get<CommandLine>(parsed);
  EXPECT_FALSE(scan.machineFolder);
  EXPECT_EQ(ChosenSections(scan), scan::AllSections());
}

TEST(CommandLine, RepairOptions) {
  const auto parsed =
      Parse({"repair", "--section", "4", "--no-backup", "--machine", "m", "--json"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  const CommandLine& line = std::get<CommandLine>(parsed);
  EXPECT_EQ(line.verb->name, "repair");
  EXPECT_EQ(line.machineFolder, "m");
  EXPECT_TRUE(line.Has("--no-backup"));
  EXPECT_TRUE(line.json);
  const scan::SectionChoice sections = ChosenSections(line);
  for (int section = 1; section <= 17; ++section) {
    EXPECT_EQ(sections[section - 1], section == 4) << "section " << section;
  }
  const auto defaults = Parse({"repair"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(defaults));
  EXPECT_FALSE(std::get<CommandLine>(defaults).Has("--no-backup")) << "the backup is written";
  EXPECT_EQ(ChosenSections(std::get<CommandLine>(defaults)), scan::AllSections());
}

TEST(CommandLine, RestoreAndBackupsOptions) {
  auto parsed = Parse({"restore", "C:\\b\\_1.reg", "--machine", "m"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  EXPECT_EQ(std::get<CommandLine>(parsed).verb->name, "restore");
  EXPECT_EQ(std::get<CommandLine>(parsed).operand, "C:\\b\\_1.reg");
  EXPECT_EQ(std::get<CommandLine>(parsed).machineFolder, "m");

  parsed = Parse({"backups", "--machine", "m"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  EXPECT_EQ(std::get<CommandLine>(parsed).verb->name, "backups");
  EXPECT_EQ(std::get<CommandLine>(parsed).machineFolder, "m");
}

TEST(CommandLine, ToolVerbsTakeMoreOperandsAfterTheirAction) {
  const auto parsed = Parse({"activex", "lock", "{A}", "--machine", "m", "{B}", "--json"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
  const CommandLine& lock = std::get<CommandLine>(parsed);
  EXPECT_EQ(lock.verb->name, "activex");
  EXPECT_EQ(lock.operand, "lock");
  EXPECT_EQ(lock.moreOperands, (std::vector<std::string>{"{A}", "{B}"}));
  EXPECT_EQ(lock.machineFolder, "m");
  EXPECT_TRUE(lock.json);

  const auto restore = Parse({"restorepoints", "restore", "12", "--restart"});
  ASSERT_TRUE(std::holds_alternative<CommandLine>(restore));
  EXPECT_TRUE(std::get<CommandLine>(restore).Has("--restart"));
  EXPECT_EQ(std::get<CommandLine>(restore).moreOperands, (std::vector<std::string>{"12"}));
}

TEST(CommandLine, HelpAsksForEveryVerbOrForOne) {
  struct Case {
    std::vector<std::string> arguments;
    const char* verb;  // nullptr: the help of every verb
  };
  const Case cases[] = {
      {{"help"}, nullptr},
      {{"--help"}, nullptr},
      {{"-h"}, nullptr},
      {{"help", "repair"}, "repair"},
      {{"repair", "--help"}, "repair"},
      {{"restore", "--help"}, "restore"},
  };
  for (const Case& c : cases) {
    const auto parsed = Parse(c.arguments);
    ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed)) << c.arguments.front();
    const CommandLine& line = std::get<CommandLine>(parsed);
    if (c.verb == nullptr) {
      EXPECT_EQ(line.verb, nullptr) << c.arguments.front();
    } else {
      ASSERT_NE(line.verb, nullptr) << c.arguments.front();
      EXPECT_EQ(line.verb->name, c.verb);
      EXPECT_TRUE(line.help) << c.arguments.front() << " runs nothing";
    }
  }
}

TEST(CommandLine, UsageErrorsSayWhatIsWrong) {
  struct Case {
    std::vector<std::string> arguments;
    const char* reason;
  };
  const Case cases[] = {
      {{}, "no command given"},
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"help", "frobnicate"}, "unknown command 'frobnicate'"},
      {{"help", "scan", "repair"}, "help does not know 'repair'"},
      {{"scan", "--section"}, "--section needs a number from 1 to 17"},
      {{"scan", "--section", "0"}, "--section takes a number from 1 to 17, not '0'"},
      {{"scan", "--section", "18"}, "--section takes a number from 1 to 17, not '18'"},
      {{"scan", "--section", "4x"}, "--section takes a number from 1 to 17, not '4x'"},
      {{"scan", "--machine"}, "--machine needs a folder"},
      {{"backups", "--machine"}, "--machine needs a folder"},
      {{"scan", "--verbose"}, "scan does not know '--verbose'"},
      {{"scan", "--no-backup"}, "scan does not know '--no-backup'"},
      {{"scan", "file.reg"}, "scan does not know 'file.reg'"},
      {{"repair", "--section", "x"}, "--section takes a number from 1 to 17, not 'x'"},
      {{"restore"}, "restore needs the file to import"},
      {{"restore", "a.reg", "b.reg"}, "restore does not know 'b.reg'"},
      {{"restore", "a.reg", "--json"}, "restore does not know '--json'"},
      {{"backups", "--section", "4"}, "backups does not know '--section'"},
      {{"backups", "--json"}, "backups does not know '--json'"},
      {{"activex"}, "activex needs list, lock or unlock"},
      {{"activex", "list", "--restart"}, "activex does not know '--restart'"},
      {{"reregister", "C:\\x"}, "reregister does not know 'C:\\x'"},
      {{"restorepoints", "--all"}, "restorepoints does not know '--all'"},
  };
  for (const Case& c : cases) {
    const auto parsed = Parse(c.arguments);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.reason;
    EXPECT_EQ(std::get<UsageError>(parsed).reason, c.reason);
  }
}

TEST(HelpText, ListsEveryVerbOfTheTableWithItsOptions) {
  const std::string help = HelpText(VerbTable());
  for (const Verb* verb : VerbTable()) {
    EXPECT_NE(help.find("\n  " + std::string(verb->name) + " "), std::string::npos)
        << "the help lists no verb '" << verb->name << "':\n"
        << help;
    EXPECT_NE(help.find(std::string(verb->usage.substr(0, verb->usage.find('\n')))),
              std::string::npos)
        << "the help does not say what " << verb->name << " does:\n"
        << help;
    for (const VerbOption& option : verb->options) {
      EXPECT_NE(help.find("      " + std::string(option.name)), std::string::npos)
          << "the help does not describe " << verb->name << "'s " << option.name << ":\n"
          << help;
    }
  }
  EXPECT_NE(help.find("--machine DIR"), std::string::npos) << help;
  EXPECT_NE(help.find("Exit codes:"), std::string::npos) << help;
}

TEST(HelpText, OfOneVerbShowsThatVerbAlone) {
  const std::string help = VerbHelpText(*std::get<CommandLine>(Parse({"help", "repair"})).verb);
  EXPECT_TRUE(help.starts_with(
      "Usage: halvex-cli repair [--machine DIR] [--section N]... [--no-backup] [--json]\n"))
      << help;
  EXPECT_NE(help.find("--no-backup    repair without writing the repair backup"), std::string::npos)
      << help;
  EXPECT_NE(help.find("--machine DIR"), std::string::npos) << help;
  EXPECT_EQ(help.find("restore"), std::string::npos) << "another verb's help leaked in:\n" << help;
}

}  // namespace
}  // namespace halvex::cli
