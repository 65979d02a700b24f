// errorlist.txt: the entries a text gives, the actions an entry runs, the rows the list shows.
#include <gtest/gtest.h>

#include "platform/substitute/substitute_locale.h"
#include "tools/error_utilities/error_list.h"
#include "tools/error_utilities/error_rows.h"

namespace halvex::tools::errors {
namespace {

using Op = ErrorOperation;
using Type = ErrorValueType;

struct ParseCase {
  const char* name;
  const char* text;
  std::vector<TContent> entries;
};

class ErrorListParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ErrorListParse, GivesTheEntries) {
  platform::substitute::SubstituteLocale locale;
  EXPECT_EQ(ParseErrorList(GetParam().text, locale), GetParam().entries) << GetParam().text;
}

TContent Entry(std::string name, std::string keyPath, std::string actions,
               std::string description) {
  return {.ErrorName = std::move(name),
          .ErrorKeyPath = std::move(keyPath),
          .ErrorActions = std::move(actions),
          .ErrorDescription = std::move(description),
          .ErrorReserved = 0};
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ErrorListParse,
    ::testing::Values(
        ParseCase{"TwoLinesOfOneError",
                  "A)HKEY_CURRENT_USER\\Software\\X||V1#5$1@0,V2#abc$1@1##Fixes A\r\n"
                  "A)HKEY_CURRENT_USER\\Software\\Y||V3#$2@0##Fixes A\r\n",
                  {Entry("A", "HKEY_CURRENT_USER\\Software\\X", "V1#5$1@0,V2#abc$1@1##Fixes A",
                         "Fixes A"),
                   Entry("A", "HKEY_CURRENT_USER\\Software\\Y", "V3#$2@0##Fixes A", "Fixes A")}},
        ParseCase{"EmptyLinesAreSkipped",
                  "\r\nB)HKEY_USERS\\K||V#1$1@0##d\n\n\n",
                  {Entry("B", "HKEY_USERS\\K", "V#1$1@0##d", "d")}},
        ParseCase{"NoDescription",
                  "C)HKEY_USERS\\K||V#1$1@0",
                  {Entry("C", "HKEY_USERS\\K", "V#1$1@0", "")}},
        ParseCase{"TheFieldKeepsTheDescriptionWithItsCommas",
                  "D)HKEY_USERS\\K||V#1$1@0##see ,V#x$2@0 here",
                  {Entry("D", "HKEY_USERS\\K", "V#1$1@0##see ,V#x$2@0 here", "see ,V#x$2@0 here")}},
        ParseCase{"ALineWithoutKeyPathEndNamesNoKey", "E)HKEY_USERS\\K V#1$1@0##d\r\nno name", {}},
        ParseCase{"TheDescriptionIsConvertedFromTheCodePage",
                  "F)HKEY_USERS\\K||V#1$1@0##caf\xe9",
                  {Entry("F", "HKEY_USERS\\K", "V#1$1@0##caf\xe9", "caf\xc3\xa9")}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ActionCase {
  const char* name;
  const char* errorActions;
  std::vector<ErrorAction> actions;
};

class ErrorActionParse : public ::testing::TestWithParam<ActionCase> {};

TEST_P(ErrorActionParse, GivesTheActions) {
  EXPECT_EQ(ParseErrorActions(GetParam().errorActions), GetParam().actions)
      << GetParam().errorActions;
}

ErrorAction Action(std::string value, std::string data, Op operation, Type type) {
  return {
      .valueName = std::move(value), .data = std::move(data), .operation = operation, .type = type};
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, ErrorActionParse,
    ::testing::Values(ActionCase{"TwoActions",
                                 "V1#5$1@0,V2#abc$1@1##Fixes A",
                                 {Action("V1", "5", Op::Write, Type::Integer),
                                  Action("V2", "abc", Op::Write, Type::Text)}},
                      ActionCase{"OneActionWithoutComma",
                                 "V3#$2@0##Fixes A",
                                 {Action("V3", "", Op::Delete, Type::Integer)}},
                      ActionCase{"OneActionWithoutDescription",
                                 "V3#$2@0",
                                 {Action("V3", "", Op::Delete, Type::Integer)}},
                      // Split at every ",", the description's fragment would delete the value V.
                      ActionCase{"ADescriptionHoldingAnActionRunsNothing",
                                 "V1#5$1@0##see ,V#x$2@0 here",
                                 {Action("V1", "5", Op::Write, Type::Integer)}},
                      ActionCase{"NonDigitOperationDoesNothing",
                                 "V#1$x@0",
                                 {Action("V", "1", Op::Nothing, Type::Integer)}},
                      ActionCase{"NonDigitTypeReadsAsInteger",
                                 "V#1$1@t",
                                 {Action("V", "1", Op::Write, Type::Integer)}},
                      ActionCase{"OtherDigitsAreNoOperationAndNoType",
                                 "V#1$3@0,W#1$1@2",
                                 {Action("V", "1", Op::Nothing, Type::Integer),
                                  Action("W", "1", Op::Write, Type::Other)}},
                      ActionCase{"TextAfterTheTypeIsIgnored",
                                 "V#1$1@1 and more",
                                 {Action("V", "1", Op::Write, Type::Text)}},
                      ActionCase{"APieceWithoutItsMarksDoesNothing",
                                 "V#1,$2@0",
                                 {Action("V#1", "", Op::Nothing, Type::Integer),
                                  Action("$2@0", "", Op::Nothing, Type::Integer)}},
                      ActionCase{"EmptyPiecesAreNoActions",
                                 ",V#1$2@0,,##d",
                                 {Action("V", "1", Op::Delete, Type::Integer)}},
                      ActionCase{"NoActionsAtAll", "##only a description", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorIntegerData, ReadsDecimalNumbersOfThirtyTwoBits) {
  const std::vector<std::pair<std::string_view, std::optional<std::uint32_t>>> cases{
      {"5", 5u},
      {"+7", 7u},
      {"-1", 0xffffffffu},
      {"2147483647", 0x7fffffffu},
      {"-2147483648", 0x80000000u},
      {"2147483648", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"1 ", std::nullopt},
      {"0x10", std::nullopt},
      {"-", std::nullopt},
      {"99999999999999999999", std::nullopt}};
  for (const auto& [data, expected] : cases) {
    EXPECT_EQ(ParseIntegerData(data), expected) << "data \"" << data << "\"";
  }
}

TEST(ErrorRowsOfTheList, ConsecutiveLinesOfOneNameGiveOneRowAndTheBuiltInRowsFollow) {
  platform::substitute::SubstituteLocale locale;
  const TErrorContents contents = ParseErrorList(
      "A)HKEY_CURRENT_USER\\Software\\X||V1#5$1@0##Fixes A\n"
      "A)HKEY_CURRENT_USER\\Software\\Y||V3#$2@0##Other text\n"
      "B)HKEY_CURRENT_USER\\Software\\Z||V#1$2@0##Fixes B\n"
      "A)HKEY_CURRENT_USER\\Software\\W||V#1$2@0##A again\n",
      locale);
  const std::vector<ErrorRow> rows = ErrorRows(contents);
  ASSERT_EQ(rows.size(), 3u + 4u);
  EXPECT_EQ(rows[0], (ErrorRow{"A", "Fixes A", "reg"}));
  EXPECT_EQ(rows[1], (ErrorRow{"B", "Fixes B", "reg"}));
  EXPECT_EQ(rows[2], (ErrorRow{"A", "A again", "reg"}));
  EXPECT_EQ(rows[3],
            (ErrorRow{"\"Internal application error\" occurred in Windows Media Player",
                      "\"Internal application error\" occurred in Windows Media Player", ""}));
  EXPECT_EQ(rows[4].caption, "1607:Unable to install InstallShield Scripting Runtime");
  EXPECT_EQ(rows[4].description,
            "Received error message \"1607:Unable to install InstallShield Scripting runtime\" "
            "when tried to install software in Windows XP");
  EXPECT_EQ(rows[5], (ErrorRow{"Unable to open new window by IE hyperlink",
                               "It was unable to open new window in IE hyperlink. ", ""}));
  EXPECT_EQ(rows[6], (ErrorRow{"Unable to update Windows online",
                               "The [Windows] issue of unable to update online.", ""}));
}

}  // namespace
}  // namespace halvex::tools::errors
