// The history cleaner against the real API under Wine: the temporary folder of TMP, typed
// addresses and RunMRU values in the live registry, the "Shell Folders" values, URL cache
// entries the test commits, the history object and the Recycle Bin.
#include <windows.h>
// windows.h first: wininet.h needs its types.
#include <wininet.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/url_cache_listing.h"
#include "platform/win32/win32_machine.h"
#include "tools/history/history_clean.h"
#include "tools/history/history_list.h"
#include "tools/history/history_listing.h"

namespace halvex::tools::history {
namespace {

namespace fs = std::filesystem;

constexpr char kTestUrl1[] = "http://halvex.test/history/one.html";
constexpr char kTestUrl2[] = "http://halvex.test/history/two.html";

std::string Environment(const char* name) {
  char value[1024] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

bool InCache(const char* url) {
  DWORD size = 0;
  GetUrlCacheEntryInfoA(url, nullptr, &size);
  return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

// Commits one normal cache entry for `url` with a small file of its own.
bool CommitEntry(const char* url) {
  char local[MAX_PATH + 1] = {};
  if (!CreateUrlCacheEntryA(url, 0, "html", local, 0)) return false;
  std::ofstream(local) << "<html></html>";
  const FILETIME never{};
  return CommitUrlCacheEntryA(url, local, never, never, NORMAL_CACHE_ENTRY, nullptr, 0, nullptr,
                              nullptr) != FALSE;
}

class HistoryWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_ =
        fs::temp_directory_path() / ("halvex-history-" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(fixture_);
    fs::create_directories(fixture_ / "sub");
    std::ofstream(fixture_ / "a.tmp") << "a";
    std::ofstream(fixture_ / "sub" / "inner.txt") << "i";
    std::ofstream(fixture_ / "kept.txt") << "k";
    SetFileAttributesA((fixture_ / "a.tmp").string().c_str(), FILE_ATTRIBUTE_ARCHIVE);
    SetFileAttributesA((fixture_ / "kept.txt").string().c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    oldTmp_ = Environment("TMP");
    // GetTempPathA answers TMP first: the test process's temporary folder is the fixture.
    SetEnvironmentVariableA("TMP", fixture_.string().c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("TMP", oldTmp_.empty() ? nullptr : oldTmp_.c_str());
    SetFileAttributesA((fixture_ / "kept.txt").string().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::error_code error;
    fs::remove_all(fixture_, error);
  }

  HistoryServices Services() {
    return {{machine_.platform, machine_.shell, machine_.identities},
            machine_.urlCache,
            machine_.recycleBin,
            machine_.folders};
  }

  std::vector<TRecycleData> List(HistoryArea area) {
    const HistoryServices services = Services();
    const cleanup::ProtectedPaths protection(services.cleanup);
    folders_ = ReadShellFolders(machine_.platform);
    HistoryListing listing;
    HistoryLister(services, folders_, protection).ListArea(area, listing);
    return listing.records;
  }

  std::vector<CleanedItem> Clean(HistoryArea area, const std::vector<TRecycleData>& records) {
    const HistoryServices services = Services();
    const cleanup::ProtectedPaths protection(services.cleanup);
    return CleanHistory(services, protection, area, records);
  }

  fs::path fixture_;
  std::string oldTmp_;
  platform::win32::Win32Machine machine_;
  ShellFolders folders_;
};

std::vector<std::string> Names(const std::vector<TRecycleData>& records) {
  std::vector<std::string> names;
  for (const TRecycleData& record : records) names.push_back(record.name);
  return names;
}

TEST_F(HistoryWineTest, TheTemporaryFolderOfTmpLosesItsFilesAndSubfolderButNotItsReadOnlyArchive) {
  const std::vector<TRecycleData> records = List(HistoryArea::TemporaryFiles);
  EXPECT_EQ(folders_.temp, fixture_.string() + "\\");
  EXPECT_EQ(Names(records), (std::vector<std::string>{"a.tmp", "sub"}));
  for (const CleanedItem& item : Clean(HistoryArea::TemporaryFiles, records)) {
    EXPECT_EQ(item.result, clean_result::kDeleted) << item.name;
  }
  EXPECT_FALSE(fs::exists(fixture_ / "a.tmp"));
  EXPECT_FALSE(fs::exists(fixture_ / "sub")) << "SHFileOperationA left the subfolder";
  EXPECT_TRUE(fs::exists(fixture_ / "kept.txt"));
}

TEST_F(HistoryWineTest, FolderEntryLeavesTheCurrentFolderAsItWas) {
  const fs::path before = fs::current_path();
  EXPECT_TRUE(machine_.folders.CanEnter(fixture_.string()));
  EXPECT_FALSE(machine_.folders.CanEnter((fixture_ / "missing").string()));
  EXPECT_EQ(fs::current_path(), before);
}

TEST_F(HistoryWineTest, TypedAddressesAndRunMruValuesGoOnlyWhenTicked) {
  HKEY typed = nullptr;
  HKEY runMru = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, std::string(kTypedUrlsKey).c_str(), &typed), 0);
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, std::string(kRunMruKey).c_str(), &runMru), 0);
  const std::string url = "http://halvex.test/typed";
  const std::string command = "halvex-test\\1";
  RegSetValueExA(typed, "halvexUrl", 0, REG_SZ, reinterpret_cast<const BYTE*>(url.c_str()),
                 static_cast<DWORD>(url.size() + 1));
  RegSetValueExA(runMru, "halvexCmd", 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                 static_cast<DWORD>(command.size() + 1));

  HistoryList list;
  std::vector<TRecycleData> records = List(HistoryArea::IeAddress);
  const std::vector<TRecycleData> mru = List(HistoryArea::RunMru);
  records.insert(records.end(), mru.begin(), mru.end());
  list.Reset(records);
  list.SelectAll(false);
  for (std::size_t row = 0; row < list.rowCount(); ++row) {
    if (list.RowRecord(row).place == "halvexUrl") list.Tick(row, true);
  }
  Clean(HistoryArea::IeAddress, list.records());
  Clean(HistoryArea::RunMru, list.records());
  EXPECT_NE(RegQueryValueExA(typed, "halvexUrl", nullptr, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(RegQueryValueExA(runMru, "halvexCmd", nullptr, nullptr, nullptr, nullptr), 0)
      << "an unticked RunMRU value was deleted";
  RegDeleteValueA(runMru, "halvexCmd");
  RegCloseKey(typed);
  RegCloseKey(runMru);
}

TEST_F(HistoryWineTest, ShellFoldersAreReadFromTheLiveRegistry) {
  char recent[MAX_PATH + 1] = {};
  DWORD size = sizeof recent;
  const bool present =
      RegGetValueA(HKEY_CURRENT_USER, std::string(kShellFoldersKey).c_str(), "Recent",
                   RRF_RT_REG_SZ, nullptr, recent, &size) == ERROR_SUCCESS;
  const ShellFolders folders = ReadShellFolders(machine_.platform);
  EXPECT_EQ(folders.recent, present ? std::string(recent) : std::string());
}

TEST_F(HistoryWineTest, OnlyTheTickedCacheEntryIsDeleted) {
  ASSERT_TRUE(CommitEntry(kTestUrl1));
  ASSERT_TRUE(CommitEntry(kTestUrl2));
  HistoryList list;
  list.Reset(List(HistoryArea::IeCache));
  const std::vector<std::string> names = Names(list.records());
  ASSERT_NE(std::find(names.begin(), names.end(), kTestUrl1), names.end());
  ASSERT_NE(std::find(names.begin(), names.end(), kTestUrl2), names.end());
  list.SelectAll(false);
  for (std::size_t row = 0; row < list.rowCount(); ++row) {
    if (list.RowRecord(row).name == kTestUrl1) list.Tick(row, true);
  }
  const auto cleaned = Clean(HistoryArea::IeCache, list.records());
  ASSERT_EQ(cleaned.size(), 1u);
  EXPECT_EQ(cleaned[0].result, clean_result::kDeleted);
  EXPECT_FALSE(InCache(kTestUrl1));
  EXPECT_TRUE(InCache(kTestUrl2));
  DeleteUrlCacheEntryA(kTestUrl2);
}

// Wine's answers, as found: the history object's ClearHistory and SHEmptyRecycleBinA. The bin
// is the build tree's own trash (wine-run points HOME and XDG_DATA_HOME there).
TEST_F(HistoryWineTest, TheHistoryObjectAndTheRecycleBinAnswer) {
  const std::string trash = Environment("XDG_DATA_HOME");
  if (trash.find("wine-home") == std::string::npos) {
    GTEST_SKIP() << "XDG_DATA_HOME is not the build tree's: the desktop's trash stays";
  }
  ASSERT_TRUE(machine_.shell.Recycle((fixture_ / "a.tmp").string()));
  EXPECT_EQ(machine_.recycleBin.EmptyAll(), platform::EmptyRecycleBinResult::Called);
  std::error_code error;
  const fs::path files = fs::path(trash) / "Trash" / "files";
  EXPECT_TRUE(!fs::exists(files, error) || fs::is_empty(files, error))
      << "the recycled file is still in the trash";
  // Wine's URL history object answers ClearHistory with a failure: the call is a stub there.
  EXPECT_FALSE(machine_.urlCache.ClearHistory());
}

}  // namespace
}  // namespace halvex::tools::history
