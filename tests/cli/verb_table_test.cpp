// The verb table against the tool table: a tool with a window is also a verb of halvex-cli, as
// every tool is both.
#include "cli/verb_table.h"

#include <gtest/gtest.h>

#include <string_view>

#include "tools/tool_table.h"

namespace halvex::cli {
namespace {

bool HasVerb(std::string_view name) {
  for (const Verb* verb : VerbTable()) {
    if (verb->name == name) return true;
  }
  return false;
}

TEST(VerbTable, EveryBuiltToolHasItsVerb) {
  for (const tools::ToolEntry& tool : tools::kTools) {
    if (tool.makeWindow == tools::kUnbuilt) continue;
    EXPECT_TRUE(HasVerb(tool.cliVerb))
        << tool.windowClass << " has a window, so halvex-cli should have its verb \""
        << tool.cliVerb << "\"";
  }
}

TEST(VerbTable, VerbNamesAreUnique) {
  const VerbList verbs = VerbTable();
  for (std::size_t i = 0; i < verbs.size(); ++i) {
    for (std::size_t j = i + 1; j < verbs.size(); ++j) {
      EXPECT_NE(verbs[i]->name, verbs[j]->name) << "two rows for one verb";
    }
  }
}

}  // namespace
}  // namespace halvex::cli
