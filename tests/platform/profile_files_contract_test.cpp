// Profile files, checked the same way on every binding: win.ini in the Windows folder (in a
// section of the test's own, taken out again afterwards) and a file of a scratch folder that
// the test writes itself, so that both bindings read the same text.
#include <gmock/gmock.h>

#include <memory>

#include "tests/platform/files_scratch.h"

namespace halvex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kSection[] = "HalvexProfileTest";

class ProfilesContract : public ::testing::TestWithParam<ProfilesBinding> {
 protected:
  void SetUp() override {
    made_ = GetParam().make();
    profiles_ = std::move(made_->profiles);
    removeSection_ = std::move(made_->removeWinIniSection);
    scratch_ = std::make_unique<FilesScratch>(std::move(made_->files));
    removeSection_(kSection);
  }
  void TearDown() override {
    if (removeSection_) removeSection_(kSection);
    profiles_.reset();
    scratch_.reset();
  }

  platform::ProfileFiles& profiles() { return *profiles_; }
  platform::FileSystem& files() { return scratch_->files(); }
  std::string Path(const std::string& below) const { return scratch_->Path(below); }

 private:
  std::unique_ptr<ProfilesUnderTest> made_;
  std::unique_ptr<platform::ProfileFiles> profiles_;
  std::function<void(const std::string&)> removeSection_;
  std::unique_ptr<FilesScratch> scratch_;
};

TEST_P(ProfilesContract, WinIniKeysAreWrittenReadListedAndDeleted) {
  const std::string_view winIni = platform::kWinIni;
  EXPECT_THAT(profiles().KeyNames(winIni, kSection), IsEmpty()) << "a section not yet there";
  ASSERT_TRUE(profiles().WriteKey(winIni, kSection, "First", "C:\\Tools\\one.exe"));
  ASSERT_TRUE(profiles().WriteKey(winIni, kSection, "second", "two"));
  ASSERT_TRUE(profiles().WriteKey(winIni, kSection, "FIRST", "C:\\Tools\\uno.exe"));
  EXPECT_THAT(profiles().KeyNames(winIni, kSection), ElementsAre("First", "second"))
      << "rewriting a key keeps its place and its spelling";
  EXPECT_EQ(profiles().ReadKey(winIni, kSection, "first"), "C:\\Tools\\uno.exe");
  EXPECT_EQ(profiles().ReadKey(winIni, "halvexprofiletest", "SECOND"), "two");
  EXPECT_EQ(profiles().ReadKey(winIni, kSection, "third"), std::nullopt);

  ASSERT_TRUE(profiles().WriteKey(winIni, kSection, "empty", ""));
  EXPECT_EQ(profiles().ReadKey(winIni, kSection, "empty"), "") << "empty, yet there";

  EXPECT_TRUE(profiles().DeleteKey(winIni, kSection, "First"));
  EXPECT_TRUE(profiles().DeleteKey(winIni, kSection, "never there"));
  EXPECT_THAT(profiles().KeyNames(winIni, kSection), ElementsAre("second", "empty"));
  EXPECT_EQ(profiles().ReadKey(winIni, kSection, "First"), std::nullopt);
}

TEST_P(ProfilesContract, WinIniLiesInTheWindowsFolderAndIsOnDiskOnceFlushed) {
  ASSERT_TRUE(profiles().WriteKey(platform::kWinIni, kSection, "Flushed", "yes"));
  profiles().Flush(platform::kWinIni);
  const std::optional<std::string> text = files().ReadFile(files().WindowsFolder() + "\\win.ini");
  ASSERT_TRUE(text.has_value()) << "win.ini in " << files().WindowsFolder();
  EXPECT_NE(text->find(std::string("[") + kSection + "]"), std::string::npos) << *text;
  EXPECT_NE(text->find("Flushed=yes"), std::string::npos) << *text;
}

// The text a user or an installer may have left: blanks around names, quotes, comments, lines
// without "=", a section named twice and keys before the first section.
constexpr char kHandWritten[] =
    "orphan=before any section\r\n"
    "[Load]\r\n"
    "  Tray Agent  =  C:\\Tools\\tray.exe -min  \r\n"
    "; comment=not a key\r\n"
    "no equals sign here\r\n"
    "\r\n"
    "Quoted=\"C:\\Program Files\\A\\a.exe\"\r\n"
    "[run]\r\n"
    "Run1=run.exe\r\n"
    "[LOAD]\r\n"
    "Later=second section of that name\r\n";

TEST_P(ProfilesContract, AHandWrittenFileReadsAsTheSystemReadsIt) {
  const std::string file = Path("hand.ini");
  ASSERT_TRUE(files().WriteFile(file, kHandWritten));
  EXPECT_THAT(profiles().KeyNames(file, "load"), ElementsAre("Tray Agent", "Quoted"));
  EXPECT_THAT(profiles().KeyNames(file, "Run"), ElementsAre("Run1"));
  EXPECT_EQ(profiles().ReadKey(file, "Load", "tray agent"), "C:\\Tools\\tray.exe -min");
  EXPECT_EQ(profiles().ReadKey(file, "Load", "Quoted"), "C:\\Program Files\\A\\a.exe")
      << "one pair of surrounding quotes is taken off";
  EXPECT_EQ(profiles().ReadKey(file, "Load", "Later"), std::nullopt)
      << "only the first section of a name counts";
  EXPECT_THAT(profiles().KeyNames(file, "Absent"), IsEmpty());
  EXPECT_THAT(profiles().KeyNames(Path("absent.ini"), "Load"), IsEmpty());
  EXPECT_EQ(profiles().ReadKey(Path("absent.ini"), "Load", "x"), std::nullopt);
}

TEST_P(ProfilesContract, ChangesToAFileKeepItsOtherKeys) {
  const std::string file = Path("hand.ini");
  ASSERT_TRUE(files().WriteFile(file, kHandWritten));
  ASSERT_TRUE(profiles().DeleteKey(file, "Load", "Tray Agent"));
  ASSERT_TRUE(profiles().WriteKey(file, "Run", "Run2", "two.exe"));
  ASSERT_TRUE(profiles().WriteKey(file, "New", "Key", "value"));
  EXPECT_THAT(profiles().KeyNames(file, "Load"), ElementsAre("Quoted"));
  EXPECT_THAT(profiles().KeyNames(file, "Run"), ElementsAre("Run1", "Run2"));
  EXPECT_THAT(profiles().KeyNames(file, "New"), ElementsAre("Key"));
  EXPECT_EQ(profiles().ReadKey(file, "Load", "Quoted"), "C:\\Program Files\\A\\a.exe");

  const std::string created = Path("created.ini");
  ASSERT_TRUE(profiles().WriteKey(created, "Section", "Key", "value")) << "a new file";
  profiles().Flush(created);
  EXPECT_TRUE(files().FileExists(created));
  EXPECT_EQ(profiles().ReadKey(created, "section", "key"), "value");
}

HALVEX_RUN_ON_BINDINGS(ProfilesContract, ProfilesBindings);

}  // namespace
}  // namespace halvex::testing
