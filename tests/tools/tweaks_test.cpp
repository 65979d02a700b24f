// What the tweaks save into the speed backup file, and how files written before the prior
// values were saved restore.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/substitute/memory_registry.h"
#include "tests/tools/memory_profile_file.h"
#include "tests/tools/registry_listing.h"
#include "tools/system_speed/registry_values.h"
#include "tools/system_speed/tweaks.h"

namespace halvex::tools::system_speed {
namespace {

using platform::substitute::MemoryRegistry;
using testing::MemoryProfileFile;

constexpr RootKey HKCU = RootKey::CurrentUser;
constexpr RootKey HKLM = RootKey::LocalMachine;
constexpr RootKey HKCR = RootKey::ClassesRoot;
constexpr std::string_view kPrefetch =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters";
constexpr std::string_view kExplorer = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
constexpr std::string_view kDnsCache = "SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters";

void SetText(MemoryRegistry& registry, RootKey root, std::string_view key, std::string_view name,
             std::string_view text) {
  platform::ScopedKey opened = OpenForWriting(registry, root, key, KeyUse::Created);
  ASSERT_TRUE(opened && WriteText(registry, opened.get(), name, text));
}

void SetInteger(MemoryRegistry& registry, RootKey root, std::string_view key, std::string_view name,
                std::uint32_t number) {
  platform::ScopedKey opened = OpenForWriting(registry, root, key, KeyUse::Created);
  ASSERT_TRUE(opened && WriteInteger(registry, opened.get(), name, number));
}

std::optional<std::uint32_t> IntegerAt(MemoryRegistry& registry, RootKey root, std::string_view key,
                                       std::string_view name) {
  const auto value = ReadValue(registry, root, key, name);
  return value ? IntegerOf(*value) : std::nullopt;
}

std::optional<std::string> TextAt(MemoryRegistry& registry, RootKey root, std::string_view key,
                                  std::string_view name) {
  const auto value = ReadValue(registry, root, key, name);
  return value ? TextOf(*value) : std::nullopt;
}

// A value as the registry holds it before the run, and what the box saves of it.
struct SavedCase {
  std::string what;
  int box;
  RootKey root;
  std::string_view key;
  std::string_view name;
  bool asText;
  std::string_view text;
  std::uint32_t number;
  std::string savedKey;
  std::string expected;
};

const SavedCase kSavedCases[] = {
    {"a decimal MinAniMate", 1, HKCU, "Control Panel\\Desktop\\WindowMetrics", "MinAniMate", true,
     "12", 0, "F1", "12"},
    {"a non-decimal MinAniMate saves 0", 1, HKCU, "Control Panel\\Desktop\\WindowMetrics",
     "MinAniMate", true, "fast", 0, "F1", "0"},
    {"a non-decimal AllocateFloppies saves 0", 14, HKLM,
     "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "AllocateFloppies", true, "1x", 0,
     "F1", "0"},
    {"an integer read of a text saves 0", 9, HKLM, kPrefetch, "EnablePrefetcher", true, "3", 0,
     "F1", "0"},
    {"a text read of an integer saves the empty text",
     2,
     HKCU,
     "Control Panel\\Desktop",
     "MenuShowDelay",
     false,
     {},
     400,
     "F1",
     ""},
    {"an integer AlwaysUnloadDLL saves its decimal text",
     23,
     HKLM,
     kExplorer,
     "AlwaysUnloadDLL",
     false,
     {},
     5,
     "F2",
     "5"},
    {"LargePageMinimum of all ones saves -1",
     26,
     HKLM,
     "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
     "LargePageMinimum",
     false,
     {},
     0xFFFFFFFFu,
     "F1",
     "-1"},
};

TEST(TweakBackup, SavesEveryValueItCanReadAndGoesOn) {
  for (const SavedCase& c : kSavedCases) {
    SCOPED_TRACE(c.what);
    MemoryRegistry registry;
    if (c.asText) {
      SetText(registry, c.root, c.key, c.name, c.text);
    } else {
      SetInteger(registry, c.root, c.key, c.name, c.number);
    }
    MemoryProfileFile file;
    TweakBoxes boxes{};
    boxes[static_cast<std::size_t>(c.box - 1)] = true;
    boxes[23] = true;  // box 24, after every box of the table: the run must reach it
    StepFailures failures;
    ApplyTweaks(registry, file, boxes, failures);
    EXPECT_EQ(file.Read(TweakOfBox(c.box).section, c.savedKey), c.expected);
    EXPECT_EQ(
        TextAt(registry, HKLM, "SYSTEM\\CurrentControlSet\\Control", "WaitToKillServiceTimeout"),
        "500");
    EXPECT_TRUE(failures.empty());
  }
}

TEST(TweakBackup, AnIntegerAlwaysUnloadDllIsLeftInPlaceUntilTheApply) {
  MemoryRegistry registry;
  SetInteger(registry, HKLM, kExplorer, "AlwaysUnloadDLL", 5);
  MemoryProfileFile file;
  StepFailures failures;
  BackupTweakValues(registry, file, TweakOfBox(23), failures);
  EXPECT_EQ(IntegerAt(registry, HKLM, kExplorer, "AlwaysUnloadDLL"), 5u);
}

TEST(TweakBackup, NetCacheValuesMissingAreSavedAsTheirNewValues) {
  MemoryRegistry registry;
  MemoryProfileFile file;
  StepFailures failures;
  BackupTweakValues(registry, file, TweakOfBox(15), failures);
  const std::string section(TweakOfBox(15).section);
  EXPECT_EQ(file.Read(section, "F1"), "1");
  EXPECT_EQ(file.Read(section, "F2"), "384");
  EXPECT_EQ(file.Read(section, "F3"), "64000");
  EXPECT_EQ(file.Read(section, "F4"), "301");
}

TEST(TweakRestore, PrefetcherSetByBoxNineAndSavedByBoxTwentyThreeComesBack) {
  MemoryRegistry registry;
  SetInteger(registry, HKLM, kPrefetch, "EnablePrefetcher", 3);
  MemoryProfileFile file;
  TweakBoxes boxes{};
  boxes[8] = boxes[22] = true;
  StepFailures failures;
  ApplyTweaks(registry, file, boxes, failures);
  EXPECT_EQ(IntegerAt(registry, HKLM, kPrefetch, "EnablePrefetcher"), 1u);
  RestoreTweaks(registry, file, failures);
  EXPECT_EQ(IntegerAt(registry, HKLM, kPrefetch, "EnablePrefetcher"), 3u);
}

TEST(TweakRestore, BoxesThirteenAndTwentySevenTogetherRestoreTheValuesBeforeEither) {
  MemoryRegistry registry;
  const std::string_view bios = "System\\CurrentControlSet\\Services\\VxD\\BIOS";
  SetInteger(registry, HKLM, bios, "PCIConcur", 0);
  MemoryProfileFile file;
  TweakBoxes boxes{};
  boxes[12] = boxes[26] = true;
  StepFailures failures;
  ApplyTweaks(registry, file, boxes, failures);
  EXPECT_EQ(IntegerAt(registry, HKLM, bios, "FastDRAM"), 1u);
  RestoreTweaks(registry, file, failures);
  EXPECT_EQ(IntegerAt(registry, HKLM, bios, "PCIConcur"), 0u);
  EXPECT_FALSE(ReadValue(registry, HKLM, bios, "FastDRAM"));
}

TEST(TweakRestore, AFileThatCannotBeWrittenIsAFailedStep) {
  MemoryRegistry registry;
  MemoryProfileFile file;
  file.refuseWrites = true;
  TweakBoxes boxes{};
  boxes[1] = true;
  StepFailures failures;
  ApplyTweaks(registry, file, boxes, failures);
  ASSERT_FALSE(failures.empty());
  EXPECT_NE(failures.lines.front().find("C:\\speed.ini"), std::string::npos);
}

// Files written before the prior values were saved hold F1 to F4 alone.
TEST(OlderSpeedFile, RestoresThroughTheTableAndANonDecimalTextCountsZero) {
  MemoryRegistry registry;
  SetInteger(registry, HKLM, kDnsCache, "CacheHashTableSize", 999);
  SetText(registry, HKLM, kExplorer, "AlwaysUnloadDLL", "1");
  MemoryProfileFile file;
  ASSERT_TRUE(file.Write("Optimize network speed", "F1", "many"));
  ASSERT_TRUE(file.Write("Optimize network speed", "F2", "384"));
  ASSERT_TRUE(file.Write("Optimize network speed", "F3", ""));
  ASSERT_TRUE(file.Write("Optimize network speed", "F4", "301"));
  ASSERT_TRUE(file.Write("Machine speed is opened in the optimization", "F1", "2x"));
  ASSERT_TRUE(file.Write("Machine speed is opened in the optimization", "F2", ""));
  ASSERT_TRUE(file.Write("Quicken menu display speed", "F1", "250"));
  StepFailures failures;
  RestoreTweaks(registry, file, failures);
  EXPECT_TRUE(failures.empty());
  EXPECT_EQ(IntegerAt(registry, HKLM, kDnsCache, "CacheHashTableBucketSize"), 0u);
  EXPECT_EQ(IntegerAt(registry, HKLM, kDnsCache, "CacheHashTableSize"), 384u);
  EXPECT_EQ(IntegerAt(registry, HKLM, kDnsCache, "MaxCacheEntryTtlLimit"), 0u);
  EXPECT_EQ(IntegerAt(registry, HKLM, kPrefetch, "EnablePrefetcher"), 0u);
  EXPECT_EQ(TextAt(registry, HKLM, kExplorer, "AlwaysUnloadDLL"), "");
  EXPECT_EQ(TextAt(registry, HKCU, "Control Panel\\Desktop", "MenuShowDelay"), "250");
  EXPECT_EQ(file.Read("Optimize network speed", "F1"), "many");
}

TEST(OlderSpeedFile, SectionsWithoutARestoreStepChangeNothing) {
  MemoryRegistry registry;
  SetInteger(registry, HKLM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem",
             "NtfsDisableLastAccessUpdate", 1);
  const auto before = testing::ListRegistry(registry);
  MemoryProfileFile file;
  for (const char* section : {"Optimize NTFS Volume", "Optimize the DefaultTTL Settings",
                              "Enhance Modem Performance", "Close Mini-map Memory"}) {
    ASSERT_TRUE(file.Write(section, "F1", "0"));
  }
  StepFailures failures;
  RestoreTweaks(registry, file, failures);
  EXPECT_EQ(testing::ListRegistry(registry), before);
}

TEST(OlderSpeedFile, TheAviSectionRemovesTheWholeClassKey) {
  MemoryRegistry registry;
  const std::string_view avi = "CLSID\\{87D62D94-71B3-4b9a-9489-5FE6850DC73E}";
  SetInteger(registry, HKCR, avi, "LargeSystemCache", 1);
  SetText(registry, HKCR, std::string(avi) + "\\Sub", "", "x");
  MemoryProfileFile file;
  ASSERT_TRUE(file.Write("Optimize AVI Media Files", "F1", ""));
  StepFailures failures;
  RestoreTweaks(registry, file, failures);
  EXPECT_FALSE(KeyExists(registry, HKCR, avi));
  EXPECT_TRUE(KeyExists(registry, HKCR, "CLSID"));
}

TEST(SavedText, DecimalOrZeroReadsOnlyDecimalNumbers) {
  const std::pair<std::string_view, std::int32_t> cases[] = {
      {"0", 0},   {"12", 12},  {"-1", -1}, {"+7", 7},         {"", 0},
      {"1x", 0},  {" 5", 0},   {"$10", 0}, {"2147483648", 0}, {"-2147483648", INT32_MIN},
      {"++1", 0}, {"0x10", 0},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(DecimalOrZero(text), expected) << text;
}

TEST(SavedText, PriorValuesReadBackAsWritten) {
  platform::RegValue value{platform::reg_type::kBinary, 3, {0x00, 0xAB, 0xFF}};
  const std::string line = EncodePriorValue(value);
  EXPECT_EQ(line, "3:00abff");
  const auto decoded = DecodePriorValue(line);
  ASSERT_TRUE(decoded && *decoded);
  EXPECT_EQ((*decoded)->data, value.data);
  EXPECT_EQ(EncodePriorValue(std::nullopt), "none");
  const auto none = DecodePriorValue("none");
  ASSERT_TRUE(none);
  EXPECT_FALSE(*none);
  for (const char* bad : {"", "4", ":00", "4:0", "4:zz", "x:00", "4:-1"}) {
    EXPECT_FALSE(DecodePriorValue(bad)) << bad;
  }
}

}  // namespace
}  // namespace halvex::tools::system_speed
