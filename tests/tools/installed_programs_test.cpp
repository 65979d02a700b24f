// The installed programs: which Uninstall entries are listed and with what, the details of one,
// the removal of its entry, and how its uninstall command is started.
#include "tools/installed_programs/installed_programs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/platform/registry_dump.h"
#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using tools::ProgramDetail;
namespace reg_type = platform::reg_type;

constexpr std::string_view kUninstall =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

std::string Entry(std::string_view subkey) {
  return std::string(kUninstall) + "\\" + std::string(subkey);
}

std::vector<std::uint8_t> Bytes(std::string_view text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

struct ListingCase {
  const char* name;
  // The entry's values.
  struct Value {
    const char* name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  };
  std::vector<Value> values;
  bool listed;
  std::string displayName = {};
  std::string uninstallString = {};
  std::vector<ProgramDetail> details = {};
};

class InstalledProgramsListing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(InstalledProgramsListing, ListsAndDetailsTheEntry) {
  const ListingCase& c = GetParam();
  ScratchMachine machine;
  for (const auto& value : c.values)
    machine.SetValue(Entry("App"), value.name, value.type, value.data);
  machine.SetString(kUninstall, "", "");  // the key exists even when the entry has no values

  const auto programs = tools::ListInstalledPrograms(machine.registry);
  if (!c.listed) {
    EXPECT_TRUE(programs.empty()) << "the entry lacks a value the list needs";
  } else {
    ASSERT_EQ(programs.size(), 1u);
    EXPECT_EQ(programs[0].displayName, c.displayName);
    EXPECT_EQ(programs[0].uninstallString, c.uninstallString);
    EXPECT_EQ(programs[0].keyPath,
              "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App");
    EXPECT_EQ(tools::ShowProgramDetails(machine.registry, programs[0].keyPath), c.details);
  }
}

const std::vector<std::uint8_t> kNumber = {1, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, InstalledProgramsListing,
    ::testing::Values(
        ListingCase{
            .name = "Complete",
            .values = {{"DisplayName", reg_type::kString, Bytes("Demo App")},
                       {"UninstallString", reg_type::kString, Bytes("C:\\App\\un.exe /S")},
                       {"DisplayVersion", reg_type::kString, Bytes("1.2")},
                       {"DisplayIcon", reg_type::kExpandString, Bytes("%ProgramFiles%\\a.ico")}},
            .listed = true,
            .displayName = "Demo App",
            .uninstallString = "C:\\App\\un.exe /S",
            .details = {{"Name", "Demo App"},
                        {"UninstallString", "C:\\App\\un.exe /S"},
                        {"Version", "1.2"},
                        {"Icon", "%ProgramFiles%\\a.ico"}}},
        ListingCase{.name = "NoUninstallString",
                    .values = {{"DisplayName", reg_type::kString, Bytes("Demo App")}},
                    .listed = false},
        ListingCase{.name = "NoDisplayName",
                    .values = {{"UninstallString", reg_type::kString, Bytes("C:\\un.exe")}},
                    .listed = false},
        ListingCase{.name = "EmptyNameIsListed",
                    .values = {{"DisplayName", reg_type::kString, Bytes("")},
                               {"UninstallString", reg_type::kString, Bytes("C:\\un.exe")}},
                    .listed = true,
                    .displayName = "",
                    .uninstallString = "C:\\un.exe",
                    .details = {{"Name", ""}, {"UninstallString", "C:\\un.exe"}}},
        ListingCase{.name = "NonStringTypeReadsEmpty",
                    .values = {{"DisplayName", reg_type::kDword, kNumber},
                               {"UninstallString", reg_type::kString, Bytes("C:\\un.exe")},
                               {"DisplayVersion", reg_type::kDword, kNumber}},
                    .listed = true,
                    .displayName = "",
                    .uninstallString = "C:\\un.exe",
                    .details = {{"Name", ""}, {"UninstallString", "C:\\un.exe"}, {"Version", ""}}},
        ListingCase{.name = "IconWithoutVersion",
                    .values = {{"DisplayName", reg_type::kString, Bytes("A")},
                               {"UninstallString", reg_type::kString, Bytes("u")},
                               {"DisplayIcon", reg_type::kString, Bytes("a.ico")}},
                    .listed = true,
                    .displayName = "A",
                    .uninstallString = "u",
                    .details = {{"Name", "A"}, {"UninstallString", "u"}, {"Icon", "a.ico"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InstalledPrograms, AMissingUninstallKeyListsNothing) {
  ScratchMachine machine;
  EXPECT_TRUE(tools::ListInstalledPrograms(machine.registry).empty());
}

TEST(InstalledPrograms, RemovingAnEntryDeletesItsWholeKeyAndNoOther) {
  ScratchMachine machine;
  machine.SetString(Entry("Gone"), "DisplayName", "Gone");
  machine.SetString(Entry("Gone") + "\\Sub", "x", "y");
  machine.SetString(Entry("Kept"), "DisplayName", "Kept");
  EXPECT_TRUE(tools::RemoveProgramEntry(
      machine.registry, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Gone"));
  EXPECT_EQ(DumpRegistry(machine.registry, platform::RootKey::LocalMachine,
                         "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"),
            ".\nKept\nKept: 'DisplayName' = 1 'Kept\\0'\n");
}

struct StartCase {
  const char* commandLine;
  const char* file;
  const char* parameters;
};

TEST(InstalledPrograms, StartsTheUninstallCommandAsTheSystemReadsIt) {
  ScratchMachine machine;
  machine.AddFile("C:\\Program Files\\App\\uninst.exe");
  const StartCase cases[] = {
      {"\"C:\\Program Files\\App\\uninst.exe\" /S", "C:\\Program Files\\App\\uninst.exe", "/S"},
      {"C:\\Program Files\\App\\uninst.exe /S", "C:\\Program Files\\App\\uninst.exe", "/S"},
      {"C:\\Program Files\\App\\uninst /S", "C:\\Program Files\\App\\uninst", "/S"},
      {"MsiExec.exe /X{12345}", "MsiExec.exe", "/X{12345}"},
      {"C:\\Gone\\un.exe", "C:\\Gone\\un.exe", ""},
      {"  \"C:\\unclosed.exe", "C:\\unclosed.exe", ""},
  };
  for (const StartCase& c : cases) {
    const platform::ProcessStart start = tools::UninstallStart(machine.files(), c.commandLine);
    EXPECT_EQ(start.file, c.file) << c.commandLine;
    EXPECT_EQ(start.parameters, c.parameters) << c.commandLine;
    EXPECT_EQ(start.show, platform::ShowMode::Normal);
  }
}

}  // namespace
}  // namespace halvex::testing
