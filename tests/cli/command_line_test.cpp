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
  };
  for (const Case& c : cases) {
    const auto parsed = ParseCommandLine(c.arguments);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.reason;
    EXPECT_EQ(std::get<UsageError>(parsed).reason, c.reason);
  }
}

}  // namespace
}  // namespace halvex::cli
