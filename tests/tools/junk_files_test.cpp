// The junk files cleaner's logic: JunkFile.dat byte for byte, the name test, the walk over the
// fixture tree, the report's totals, and the clean-up in each mode.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/forwarding_file_system.h"
#include "tests/tools/cleanup_fixture.h"
#include "tools/junk_files/junk_clean.h"
#include "tools/junk_files/junk_scan.h"
#include "tools/junk_files/junk_types.h"

namespace halvex::tools::junk_files {
namespace {

using ::testing::ElementsAre;

constexpr const char* kJunkFile = "C:\\Program Files\\Halvex\\JunkFile.dat";

std::string Record(bool checked, std::string_view pattern, std::string_view description) {
  std::string record(kJunkRecordSize, '\0');
  record[0] = checked ? 1 : 0;
  record[1] = static_cast<char>(pattern.size());
  record.replace(2, pattern.size(), pattern);
  record[102] = static_cast<char>(description.size());
  record.replace(103, description.size(), description);
  return record;
}

TEST(JunkFileDat, TheDefaultsAreTheFortySevenRecordsByteForByte) {
  const std::vector<JunkType> defaults = CreateDefaultJunkTypes();
  ASSERT_EQ(defaults.size(), 47u);
  const std::string bytes = WriteJunkFile(defaults);
  ASSERT_EQ(bytes.size(), 47u * 203u);
  EXPECT_EQ(bytes.substr(0, 203), Record(true, "*.swp", "Temporary Junk Files"));
  EXPECT_EQ(bytes.substr(23 * 203, 203), Record(true, "chklist.*", "Microsoft Junk File"));
  EXPECT_EQ(bytes.substr(26 * 203, 203), Record(true, "*.fts", "Word List File of *.HLP"));
  EXPECT_EQ(bytes.substr(31 * 203, 203), Record(true, "chklist.*", "CHKDSK Log Files"));
  EXPECT_EQ(bytes.substr(41 * 203, 203), Record(true, "modemdet.txt", "Windows diagnostic file"));
  EXPECT_EQ(bytes.substr(46 * 203, 203), Record(true, "readme.txt", "Readme Files"));
  EXPECT_EQ(ReadJunkFile(bytes), defaults);
}

TEST(JunkFileDat, WholeRecordsOnlyAndLengthBytesClampedToTheirField) {
  std::string damaged = Record(false, "*.tmp", "x");
  damaged[1] = static_cast<char>(200);  // a length past the field
  damaged[102] = static_cast<char>(255);
  const std::vector<JunkType> types = ReadJunkFile(damaged + std::string(202, 'z'));
  ASSERT_EQ(types.size(), 1u) << "405 bytes hold one record";
  EXPECT_FALSE(types[0].checked);
  EXPECT_EQ(types[0].pattern.size(), 100u);
  EXPECT_EQ(types[0].pattern.substr(0, 5), "*.tmp");
  EXPECT_EQ(types[0].description.size(), 100u);
  EXPECT_TRUE(ReadJunkFile("").empty());
}

TEST(JunkFileDat, LongTextsAreStoredCutToOneHundredCharacters) {
  const std::string longText(150, 'p');
  const auto types = ReadJunkFile(WriteJunkFile({{true, longText, longText}}));
  EXPECT_EQ(types[0].pattern, longText.substr(0, 100));
  EXPECT_EQ(types[0].description, longText.substr(0, 100));
}

// A file system whose writes of the one file fail, as a full disk's.
class FailingWrites final : public testing::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  bool WriteFile(std::string_view, std::string_view) override { return false; }
};

TEST(JunkFileDat, MissingGivesTheSavedDefaultsAndAFailedSaveKeepsTheOldFile) {
  testing::ScratchMachine machine;
  machine.AddFolder("C:\\Program Files\\Halvex");
  const auto loaded = LoadJunkTypes(machine.files());
  ASSERT_TRUE(loaded);
  EXPECT_EQ(*loaded, CreateDefaultJunkTypes());
  EXPECT_EQ(machine.Read(kJunkFile), WriteJunkFile(CreateDefaultJunkTypes()));

  FailingWrites failing(machine.files());
  EXPECT_FALSE(SaveJunkTypes(failing, {{true, "*.new", "New"}}));
  EXPECT_EQ(machine.Read(kJunkFile), WriteJunkFile(CreateDefaultJunkTypes()));

  machine.AddFile(kJunkFile, "");
  EXPECT_EQ(LoadJunkTypes(machine.files()), std::vector<JunkType>{}) << "empty is no list";
}

TEST(MatchJunkType, ComparesExactlyAndLetterCaseCounts) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  } const cases[] = {
      {"a.tmp", "*.tmp", true},
      {"A.TMP", "*.tmp", false},
      {"a.b.tmp", "*.tmp", true},
      {"tmp", "*.tmp", false},
      {"thumbs.db", "thumbs.db", true},
      {"Thumbs.db", "thumbs.db", false},
      {"~a.tmp", "~*.*", false},
      {"chklist.ms", "chklist.*", false},
      {"file0001._dd", "file????._dd", false},
      {"a.~1", "*.~*", false},
      {"noext", "*.", false},
      {"a.", "*.", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchJunkType(c.name, c.pattern), c.matches) << c.name << " against " << c.pattern;
  }
}

class JunkScanTest : public ::testing::Test, protected testing::CleanupFixture {
 protected:
  std::vector<TTempFileInfo> Scan(const std::string& drive, int stopAfterTurns = -1) {
    int turns = 0;
    machine.clock.SetTickStep(cleanup::WalkTurns::kInterval);  // a turn at every entry
    cleanup::WalkTurns walkTurns(
        machine.clock, [&] { ++turns; },
        [&] { return stopAfterTurns >= 0 && turns >= stopAfterTurns; });
    const cleanup::ProtectedPaths protection(services);
    JunkScan scan(machine.platform(), TickedPatterns(CreateDefaultJunkTypes(), {}), protection,
                  walkTurns);
    std::vector<TTempFileInfo> found;
    scan.ScanFolder(drive, found);
    return found;
  }
  static std::vector<std::string> Paths(const std::vector<TTempFileInfo>& found) {
    std::vector<std::string> paths;
    for (const TTempFileInfo& file : found) paths.push_back(file.Path);
    return paths;
  }
};

TEST_F(JunkScanTest, FindsFilesNotFoldersAndEntersOnlyFoldersOfTheExactAttributeWords) {
  const std::vector<TTempFileInfo> found = Scan("C:");
  // old.bak is entered but not listed; Thumbs.db and A.TMP differ in case; the folders of
  // 0x11, 0x30 and with the reparse bit are not entered; the program's own readme.txt, which
  // no clean-up may remove, is not found.
  EXPECT_THAT(Paths(found),
              ElementsAre("C:\\Temp\\b.tmp", "C:\\Temp\\huge.log", "C:\\Temp\\old.bak\\a.tmp"));
  EXPECT_EQ(found[1].Size, kHugeSize) << "sizes are 64-bit";
  const DriveFindings onC = FindingsOn(machine.locale, found, "C:");
  EXPECT_EQ(onC.count, 3u);
  EXPECT_EQ(onC.bytes, 2048 + kHugeSize + 1000);
  EXPECT_EQ(FindingsOn(machine.locale, found, "D:").count, 0u);
}

TEST_F(JunkScanTest, StopEndsTheWalkAtTheNextEntry) {
  const std::vector<TTempFileInfo> all = Scan("C:");
  const std::vector<TTempFileInfo> some = Scan("C:", 3);
  EXPECT_LT(some.size(), all.size());
}

TEST_F(JunkScanTest, CleaningInEachModeGivesEachFileItsStatus) {
  std::vector<TTempFileInfo> found = Scan("C:");
  found.insert(found.begin(), {"readme.txt", "C:\\Program Files\\Halvex\\readme.txt", 4});
  machine.shell.Refuse("C:\\Temp\\huge.log");
  const auto statuses = [](const std::vector<CleanedFile>& cleaned) {
    std::vector<std::string> lines;
    for (const CleanedFile& file : cleaned) lines.push_back(file.path + " " + file.status);
    return lines;
  };
  EXPECT_THAT(
      statuses(CleanFoundFiles(services, found, {"C:"}, cleanup::RemovalMode::MoveInto, "")),
      ElementsAre("C:\\Program Files\\Halvex\\readme.txt Moved Error",
                  "C:\\Temp\\b.tmp Moved Error", "C:\\Temp\\huge.log Moved Error",
                  "C:\\Temp\\old.bak\\a.tmp Moved Error"));
  EXPECT_TRUE(machine.shell.calls().empty()) << "no folder: the shell is not asked";
  EXPECT_THAT(statuses(CleanFoundFiles(services, found, {"C:"}, cleanup::RemovalMode::Recycle, "")),
              ElementsAre("C:\\Program Files\\Halvex\\readme.txt Deleted Error",
                          "C:\\Temp\\b.tmp Deleted Error", "C:\\Temp\\huge.log Deleted Error",
                          "C:\\Temp\\old.bak\\a.tmp File Deleted"));
  EXPECT_TRUE(machine.files().FolderExists("C:\\Temp\\old.bak")) << "the folder stays";
}

TEST_F(JunkScanTest, AMoveIntoOneFolderKeepsEverySameNamedFile) {
  machine.AddFile("C:\\A\\readme.txt", "a");
  machine.AddFile("C:\\B\\readme.txt", "b");
  machine.AddFile("D:\\readme.txt", "d");
  machine.AddFolder("C:\\Junk");
  std::vector<TTempFileInfo> found = Scan("C:");
  const std::vector<TTempFileInfo> onD = Scan("D:");
  found.insert(found.end(), onD.begin(), onD.end());
  CleanFoundFiles(services, found, {"C:", "D:"}, cleanup::RemovalMode::MoveInto, "C:\\Junk");
  EXPECT_EQ(machine.Read("C:\\Junk\\readme.txt"), "a");
  EXPECT_EQ(machine.Read("C:\\Junk\\readme (2).txt"), "b");
  EXPECT_EQ(machine.Read("C:\\Junk\\readme (3).txt"), "d");
  EXPECT_EQ(machine.Read("C:\\Program Files\\Halvex\\readme.txt"), "ours");
}

}  // namespace
}  // namespace halvex::tools::junk_files
