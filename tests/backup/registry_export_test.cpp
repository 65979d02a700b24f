// Saving one value or a whole key tree into a registry export file: what is appended, and what
// is reported when there is nothing to save or it cannot be read.
#include "backup/registry_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/substitute/memory_registry.h"
#include "platform/substitute/reg_file_reader.h"
#include "platform/substitute/substitute_locale.h"
#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

// "Caf" and E9, a lead byte of code page 936 without its second byte, and the NUL.
const std::vector<std::uint8_t> kCafe = {'C', 'a', 'f', 0xE9, 0};

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

// On a double-byte machine a byte that begins a character without a valid second byte becomes
// '?' within its own name or string, so the UTF-16 file still reads back whole: its quotes and
// brackets are never taken into such a character.
TEST(RegistryExportDoubleByte, AUtf16BackupReadsBackWhole) {
  using platform::substitute::CodePage;
  platform::substitute::MemoryRegistry registry(CodePage::Windows936());
  platform::substitute::SubstituteLocale locale(CodePage::Windows936());
  platform::KeyHandle key;
  ASSERT_EQ(registry.CreateKey(platform::RootHandle(platform::RootKey::CurrentUser),
                               "Software\\Caf\xE9", key),
            platform::RegStatus::Ok);
  ASSERT_EQ(registry.SetValue(key, "Caf\xE9", reg_type::kString, kCafe), platform::RegStatus::Ok);
  registry.CloseKey(key);

  backup::RegExportLines file = backup::StartRegExport(platform::PlatformClass::NtFamily);
  ASSERT_EQ(backup::ExportRegistryKeyTree({registry, locale}, "HKEY_CURRENT_USER\\Software", file),
            ExportOutcome::Exported);
  const platform::substitute::RegFileParseResult parsed = platform::substitute::ParseRegFile(
      backup::RegExportFileBytes(file, locale), CodePage::Windows936());
  ASSERT_TRUE(parsed.ok()) << "line " << parsed.error().line << ": " << parsed.error().message;
  const platform::substitute::RegFileOperation& value = parsed.operations().back();
  EXPECT_EQ(value.FullKeyPath(), "HKEY_CURRENT_USER\\Software\\Caf?");
  EXPECT_EQ(value.valueName, "Caf?");
  EXPECT_EQ(value.data, (std::vector<std::uint8_t>{'C', 'a', 'f', '?', 0}));
}

}  // namespace
}  // namespace halvex::testing
