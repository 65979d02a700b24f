// Saving one value or a whole key tree into a registry export file: what is appended, and what
// is reported when there is nothing to save or it cannot be read.
#include "backup/registry_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

using backup::ExportOutcome;
using ::testing::ElementsAre;
namespace reg_type = platform::reg_type;

constexpr const char* kSharedDlls =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";
constexpr const char* kScratch = "HKEY_CURRENT_USER\\Software\\Scratch";

class RegistryExport : public ::testing::Test {
 protected:
  backup::RegistrySource source() { return {machine.registry, machine.locale}; }
  ExportOutcome Value(std::string_view keyPath, std::string_view name) {
    return backup::ExportRegistryValue(source(), keyPath, name, file);
  }
  ExportOutcome Tree(std::string_view keyPath) {
    return backup::ExportRegistryKeyTree(source(), keyPath, file);
  }
  // The appended lines, without the header.
  std::vector<std::string> Lines() const { return {file.lines.begin() + 1, file.lines.end()}; }

  ScratchMachine machine;
  backup::RegExportLines file = backup::StartRegExport(platform::PlatformClass::NtFamily);
};

TEST_F(RegistryExport, WritesTheKeyLineAndTheValueLine) {
  machine.SetDword(kSharedDlls, "C:\\WINDOWS\\system32\\x.dll", 1);
  EXPECT_EQ(Value(kSharedDlls, "C:\\WINDOWS\\system32\\x.dll"), ExportOutcome::Exported);
  EXPECT_THAT(Lines(),
              ElementsAre("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
                          "SharedDlls]",
                          "\"C:\\\\WINDOWS\\\\system32\\\\x.dll\"=dword:00000001"));
  EXPECT_EQ(file.lines[0], "Windows Registry Editor Version 5.00");
}

TEST_F(RegistryExport, AKeyWithSeveralValuesGetsAKeyLineBeforeEach) {
  machine.SetDword(kScratch, "a", 1);
  machine.SetDword(kScratch, "b", 2);
  ASSERT_EQ(Value(kScratch, "a"), ExportOutcome::Exported);
  ASSERT_EQ(Value(kScratch, "b"), ExportOutcome::Exported);
  EXPECT_THAT(Lines(),
              ElementsAre("[HKEY_CURRENT_USER\\Software\\Scratch]", "\"a\"=dword:00000001",
                          "[HKEY_CURRENT_USER\\Software\\Scratch]", "\"b\"=dword:00000002"));
}

TEST_F(RegistryExport, SavesTheDefaultValueAsAtSign) {
  machine.SetString(kScratch, "", "C:\\App\\app.exe");
  EXPECT_EQ(Value(kScratch, "default"), ExportOutcome::Exported);
  EXPECT_THAT(Lines(),
              ElementsAre("[HKEY_CURRENT_USER\\Software\\Scratch]", "@=\"C:\\\\App\\\\app.exe\""));
}

TEST_F(RegistryExport, SavesAValueUnderTheNameTheKeyHolds) {
  machine.SetValue(kScratch, "UpperFilters", reg_type::kMultiString, {'a', 0, 0});
  machine.SetDword(kScratch, "Upper", 1);  // a shorter name that begins the same way
  EXPECT_EQ(Value(kScratch, "Upperfilters"), ExportOutcome::Exported);
  EXPECT_THAT(Lines(), ElementsAre("[HKEY_CURRENT_USER\\Software\\Scratch]",
                                   "\"UpperFilters\"=hex(7):61,00,00,00,00,00"))
      << "a restore must recreate the value under its own spelling";
}

TEST_F(RegistryExport, SavesValuesOfAnySize) {
  const std::string text(300, 'x');
  machine.SetString(kScratch, "long", text);
  EXPECT_EQ(Value(kScratch, "long"), ExportOutcome::Exported);
  EXPECT_THAT(Lines(),
              ElementsAre("[HKEY_CURRENT_USER\\Software\\Scratch]", "\"long\"=\"" + text + "\""));
}

TEST_F(RegistryExport, OnlyTheLeadingRootNameIsTakenOff) {
  const std::string key = "HKEY_CURRENT_USER\\Software\\OldHKEY_CURRENT_USER\\x";
  machine.SetDword(key, "v", 7);
  EXPECT_EQ(Value(key, "v"), ExportOutcome::Exported);
  EXPECT_THAT(Lines(), ElementsAre("[" + key + "]", "\"v\"=dword:00000007"));
}

TEST_F(RegistryExport, NothingToSaveAppendsNothing) {
  machine.SetDword(kScratch, "a", 1);
  struct Case {
    const char* what;
    std::string keyPath, valueName;
  };
  const Case cases[] = {
      {"missing value", kScratch, "b"},
      {"missing default value", kScratch, "default"},
      {"missing key", std::string(kScratch) + "\\none", "a"},
      {"unknown root", "HKEY_NOWHERE\\Software\\Scratch", "a"},
      {"root name spelt otherwise", "hkey_current_user\\Software\\Scratch", "a"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Value(c.keyPath, c.valueName), ExportOutcome::Missing) << c.what;
  }
  EXPECT_EQ(Tree(std::string(kScratch) + "\\none"), ExportOutcome::Missing);
  EXPECT_THAT(Lines(), ElementsAre());
}

TEST_F(RegistryExport, AKeyThatCannotBeReadIsAFailure) {
  machine.SetDword(kScratch, "a", 1);
  machine.registry.InjectFaults(platform::RootKey::CurrentUser, "Software\\Scratch",
                                {.refuseOpen = true});
  EXPECT_EQ(Value(kScratch, "a"), ExportOutcome::Failed);
  EXPECT_EQ(Tree(kScratch), ExportOutcome::Failed);
  EXPECT_THAT(Lines(), ElementsAre());
}

TEST_F(RegistryExport, SavesAWholeKeyTree) {
  const std::string key = std::string(kScratch) + "\\App";
  machine.SetString(key, "", "top");
  machine.SetDword(key, "n", 5);
  machine.SetValue(key + "\\Sub\\Deep", "b", reg_type::kBinary, {1, 2});
  machine.SetString(key + "\\Other", "s", "x");
  EXPECT_EQ(Tree(key), ExportOutcome::Exported);
  EXPECT_THAT(
      Lines(),
      ElementsAre("[HKEY_CURRENT_USER\\Software\\Scratch\\App]", "@=\"top\"",
                  "\"n\"=dword:00000005", "[HKEY_CURRENT_USER\\Software\\Scratch\\App\\Other]",
                  "\"s\"=\"x\"", "[HKEY_CURRENT_USER\\Software\\Scratch\\App\\Sub]",
                  "[HKEY_CURRENT_USER\\Software\\Scratch\\App\\Sub\\Deep]", "\"b\"=hex:01,02"));
}

TEST_F(RegistryExport, ASubkeyThatCannotBeReadFailsTheTree) {
  const std::string key = std::string(kScratch) + "\\App";
  machine.SetDword(key + "\\Locked", "n", 5);
  machine.registry.InjectFaults(platform::RootKey::CurrentUser, "Software\\Scratch\\App\\Locked",
                                {.refuseOpen = true});
  EXPECT_EQ(Tree(key), ExportOutcome::Failed);
}

TEST_F(RegistryExport, ClosesEveryKeyItOpens) {
  machine.SetDword(kScratch + std::string("\\A\\B"), "n", 5);
  ASSERT_EQ(Tree(kScratch), ExportOutcome::Exported);
  ASSERT_EQ(Value(kScratch + std::string("\\A\\B"), "n"), ExportOutcome::Exported);
  EXPECT_EQ(machine.registry.openHandleCount(), 0u);
}

}  // namespace
}  // namespace halvex::testing
