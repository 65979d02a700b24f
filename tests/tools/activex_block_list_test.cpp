// The "Code" list: which lines become controls, and which are skipped.
#include "tools/activex_blocker/block_list.h"

#include <gtest/gtest.h>

namespace halvex::tools::activex {
namespace {

constexpr const char* kId = "{00000566-0000-0010-8000-00AA006D2EA4}";

TEST(ActiveXBlockList, TakesTheNameBeforeTheBraceAndTheIdentifierFromIt) {
  const struct {
    const char* line;
    std::vector<BlockedControl> expected;
  } cases[] = {
      {"Bad Toolbar{00000566-0000-0010-8000-00AA006D2EA4}", {{"Bad Toolbar", kId}}},
      {"  \tBad Toolbar {00000566-0000-0010-8000-00AA006D2EA4}  \r\n", {{"Bad Toolbar ", kId}}},
      {"{00000566-0000-0010-8000-00AA006D2EA4}", {{"", kId}}},
      {"lower{0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d}",
       {{"lower", "{0a1b2c3d-4e5f-6a7b-8c9d-0e1f2a3b4c5d}"}}},
      // Every line that would not name one control's key is skipped.
      {"", {}},
      {"   \t  ", {}},
      {"No braces at all", {}},
      {"Trailing{00000566-0000-0010-8000-00AA006D2EA4}junk", {}},
      {"Two{00000566-0000-0010-8000-00AA006D2EA4}{00000566-0000-0010-8000-00AA006D2EA4}", {}},
      {"Short{00000566-0000-0010-8000-00AA006D2EA}", {}},
      {"NotHex{0000056G-0000-0010-8000-00AA006D2EA4}", {}},
      {"Dashes{00000566_0000-0010-8000-00AA006D2EA4}", {}},
      {"Open{00000566-0000-0010-8000-00AA006D2EA4", {}},
      {"Empty{}", {}},
      {"Path{00000566-0000-0010-8000-00AA006D2EA4}\\..", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseBlockList(c.line), c.expected) << "line: \"" << c.line << "\"";
  }
}

TEST(ActiveXBlockList, KeepsFileOrderAcrossLineEnds) {
  const std::string text =
      "One{11111111-1111-1111-1111-111111111111}\r\n"
      "\r\n"
      "Two{22222222-2222-2222-2222-222222222222}\n"
      "Three{33333333-3333-3333-3333-333333333333}\r";
  const std::vector<BlockedControl> controls = ParseBlockList(text);
  ASSERT_EQ(controls.size(), 3u);
  EXPECT_EQ(controls[0].name, "One");
  EXPECT_EQ(controls[1].name, "Two");
  EXPECT_EQ(controls[2].classId, "{33333333-3333-3333-3333-333333333333}");
}

}  // namespace
}  // namespace halvex::tools::activex
