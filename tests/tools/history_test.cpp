// The history cleaner on a small machine: what a clean leaves for each node, tick and Select
// All; the URL cache's enumeration on scripted answers; the protected folders; Cancel, the
// Recycle Bin's answers and missing registry keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/url_cache_listing.h"
#include "tests/tools/history_fixture.h"
#include "tools/history/history_clean.h"
#include "tools/history/history_list.h"
#include "tools/history/history_listing.h"

namespace halvex::tools::history {
namespace {

using Traces = std::set<std::string>;

class HistoryTest : public ::testing::Test, protected testing::HistoryFixture {
 protected:
  HistoryListing List(std::optional<HistoryArea> node) {
    const ShellFolders shellFolders = ReadShellFolders(services.platform());
    const HistoryLister lister(services, shellFolders, protection);
    if (!node) return lister.ListAll();
    HistoryListing listing;
    lister.ListArea(*node, listing);
    return listing;
  }

  cleanup::ProtectedPaths protection{services.cleanup};
};

std::vector<std::string> RowNames(const HistoryList& list) {
  std::vector<std::string> names;
  for (std::size_t row = 0; row < list.rowCount(); ++row) names.push_back(list.RowRecord(row).name);
  return names;
}

const Traces kEverything = {"temp:a.tmp",
                            "temp:b.log",
                            "temp:kept.txt",
                            "temp:sub",
                            "temp:sub\\inner.txt",
                            "nethood:Share",
                            "recent:doc.lnk",
                            "historyfolder:History.IE5",
                            "typed:url1",
                            "typed:url2",
                            "runmru:a",
                            "runmru:MRUList",
                            "cache:http://a.example/page.html",
                            "cache:Cookie:user@a.example/",
                            "cache:http://b.example/logo.png",
                            "cache:http://sticky.example/"};

Traces Without(Traces traces, const std::vector<std::string>& gone) {
  for (const std::string& trace : gone) traces.erase(trace);
  return traces;
}

TEST_F(HistoryTest, ACleanTakesOnlyTheTickedRowsOfItsNode) {
  struct Case {
    const char* what;
    std::optional<HistoryArea> node;  // none: "All"
    std::optional<bool> selectAll;    // the box, set before the single ticks
    std::vector<std::string> unticked;
    std::vector<std::string> ticked;
    Traces left;
  } const cases[] = {
      {"one unticked temporary row survives",
       HistoryArea::TemporaryFiles,
       {},
       {"b.log"},
       {},
       Without(kEverything, {"temp:a.tmp", "temp:sub", "temp:sub\\inner.txt"})},
      {"under All with Select All off nothing with a row goes",
       std::nullopt,
       false,
       {},
       {},
       kEverything},
      {"RunMRU rows go only when ticked",
       HistoryArea::RunMru,
       false,
       {},
       {"notepad\\1"},
       Without(kEverything, {"runmru:a"})},
      {"under All a RunMRU row follows its tick",
       std::nullopt,
       true,
       {"notepad\\1"},
       {},
       Without(kEverything,
               {"temp:a.tmp", "temp:b.log", "temp:sub", "temp:sub\\inner.txt", "nethood:Share",
                "recent:doc.lnk", "typed:url1", "typed:url2", "runmru:MRUList",
                "cache:http://a.example/page.html", "cache:http://b.example/logo.png"})},
      {"cache entries go only when ticked",
       HistoryArea::IeCache,
       {},
       {"http://b.example/logo.png"},
       {},
       Without(kEverything, {"cache:http://a.example/page.html"})},
      {"a typed address unticked stays",
       HistoryArea::IeAddress,
       {},
       {"http://a.example/"},
       {},
       Without(kEverything, {"typed:url2"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::HistoryFixture fresh;
    const ShellFolders shellFolders = ReadShellFolders(fresh.services.platform());
    const cleanup::ProtectedPaths freshProtection(fresh.services.cleanup);
    const HistoryLister lister(fresh.services, shellFolders, freshProtection);
    HistoryListing listing;
    if (c.node) {
      lister.ListArea(*c.node, listing);
    } else {
      listing = lister.ListAll();
    }
    HistoryList list;
    list.Reset(std::move(listing.records));
    if (c.selectAll) list.SelectAll(*c.selectAll);
    const std::vector<std::string> names = RowNames(list);
    for (const auto& [wanted, tick] : {std::pair{&c.unticked, false}, std::pair{&c.ticked, true}}) {
      for (const std::string& name : *wanted) {
        const auto row = std::find(names.begin(), names.end(), name);
        ASSERT_NE(row, names.end()) << name << " has no row";
        list.Tick(static_cast<std::size_t>(row - names.begin()), tick);
      }
    }
    fresh.cache.Add({"http://late.example/", 1});  // cached after the listing
    CleanHistory(fresh.services, freshProtection, c.node, list.records());
    Traces left = fresh.RemainingTraces();
    EXPECT_TRUE(left.erase("cache:http://late.example/")) << "an entry cached later was deleted";
    EXPECT_EQ(left, c.left);
  }
}

TEST_F(HistoryTest, UnderAllTheRunMruRowsFollowTheHistoryRecordsAndCookiesAreNeverListed) {
  HistoryList list;
  list.Reset(List(std::nullopt).records);
  EXPECT_EQ(RowNames(list),
            (std::vector<std::string>{"http://a.example/page.html", "http://b.example/logo.png",
                                      "http://a.example/", "http://b.example/", "a.tmp", "b.log",
                                      "sub", "Share", "doc.lnk", "notepad\\1", "a"}));
  EXPECT_EQ(list.records().size(), list.rowCount() + 1) << "the History folder's one record";
  EXPECT_EQ(list.records()[9].kind, record_kind::kHistoryEntry);
}

TEST_F(HistoryTest, UnderAllTheRecycleBinIsEmptiedAndTheHistoryClearedWhateverTheTicks) {
  machine.AddFile("C:\\Temp\\gone.txt");
  ASSERT_TRUE(machine.shell.Recycle("C:\\Temp\\gone.txt"));
  HistoryList list;
  list.Reset(List(std::nullopt).records);
  list.SelectAll(false);
  CleanHistory(services, protection, std::nullopt, list.records());
  EXPECT_EQ(recycleBin.calls(), 1);
  EXPECT_FALSE(std::filesystem::exists(machine.shell.recycleBin() / "gone.txt"));
  EXPECT_EQ(cache.calls(), std::vector<std::string>{"clear history"});
}

TEST_F(HistoryTest, TheCacheListingEndsOnEveryAnswerButOneGrowingEntry) {
  struct Case {
    const char* what;
    std::vector<std::uint32_t> script;  // 0: the cache's own answer
    bool alwaysTooSmall;
    std::size_t listed;
  } const cases[] = {
      {"122 then the entry", {0, 0, 0, 122}, false, 4},
      {"122 for ever", {}, true, 0},
      {"122 for ever on the second entry", {0, 0, 122, 122, 122, 122}, false, 1},
      {"5, access denied", {0, 0, 5}, false, 1},
      {"259, no more items", {}, false, 4},
      {"87, invalid parameter", {0, 0, 87}, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::HistoryFixture fresh;
    fresh.cache.ScriptAnswers(c.script);
    if (c.alwaysTooSmall) fresh.cache.AnswerAlways(platform::url_cache_error::kInsufficientBuffer);
    EXPECT_EQ(platform::ListUrlCache(fresh.cache).size(), c.listed);
    EXPECT_EQ(fresh.cache.openFinds(), 0) << "the enumeration was left open";
    EXPECT_LE(fresh.cache.enumerationCalls(), 2 * 5 + 2 * platform::kUrlCacheRegrowthLimit);
  }
}

TEST_F(HistoryTest, AProtectedFolderListsNothingAndLosesNothing) {
  struct Case {
    const char* temp;
  } const cases[] = {
      {"C:\\"},
      {"C:\\WINDOWS\\"},
      {"C:\\WINDOWS\\system32\\"},
      {"C:\\Documents and Settings\\User\\"},
      {"C:\\Program Files\\Halvex\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.temp);
    testing::HistoryFixture fresh(c.temp);
    fresh.machine.AddFile(std::string(c.temp) + "precious.dat", "p");
    const ShellFolders shellFolders = ReadShellFolders(fresh.services.platform());
    const cleanup::ProtectedPaths freshProtection(fresh.services.cleanup);
    HistoryListing listing;
    HistoryLister(fresh.services, shellFolders, freshProtection)
        .ListArea(HistoryArea::TemporaryFiles, listing);
    EXPECT_TRUE(listing.records.empty());
    ASSERT_EQ(listing.refused.size(), 1u);
    EXPECT_EQ(listing.refused[0].folder, c.temp);
    // A record made by hand for the folder is refused as well, before the shell is asked.
    const std::vector<TRecycleData> forged = {
        {record_kind::kTemporaryEntry, "precious.dat", c.temp, 1}};
    const auto cleaned =
        CleanHistory(fresh.services, freshProtection, HistoryArea::TemporaryFiles, forged);
    ASSERT_EQ(cleaned.size(), 1u);
    EXPECT_EQ(cleaned[0].result, clean_result::kProtected);
    EXPECT_TRUE(fresh.folders.calls().empty());
    EXPECT_TRUE(fresh.machine.files().FileExists(std::string(c.temp) + "precious.dat"));
  }
}

TEST_F(HistoryTest, ASoundTemporaryFolderLosesItsFilesAndSubfolderButKeepsItsReadOnlyArchive) {
  HistoryList list;
  list.Reset(List(HistoryArea::TemporaryFiles).records);
  EXPECT_EQ(RowNames(list), (std::vector<std::string>{"a.tmp", "b.log", "sub"}));
  const auto cleaned =
      CleanHistory(services, protection, HistoryArea::TemporaryFiles, list.records());
  EXPECT_EQ(folders.calls(),
            (std::vector<std::string>{"delete C:\\Temp\\a.tmp", "delete C:\\Temp\\b.log",
                                      "delete C:\\Temp\\sub"}))
      << "the temporary path's backslash was doubled";
  for (const CleanedItem& item : cleaned) EXPECT_EQ(item.result, clean_result::kDeleted);
  EXPECT_FALSE(machine.files().FileExists("C:\\Temp\\sub\\inner.txt"));
  EXPECT_TRUE(machine.files().FileExists("C:\\Temp\\kept.txt"));
}

TEST_F(HistoryTest, SystemFoldersNamedAsShellFoldersListNothing) {
  machine.AddFile("C:\\WINDOWS\\win.ini", "w");
  machine.SetString(testing::kShellFolders, "Recent", "C:\\WINDOWS");
  machine.SetString(testing::kShellFolders, "NetHood", "c:\\");
  const HistoryListing listing = List(std::nullopt);
  for (const TRecycleData& record : listing.records) {
    EXPECT_NE(record.kind, record_kind::kRecentEntry) << record.name;
    EXPECT_NE(record.kind, record_kind::kNetHoodEntry) << record.name;
  }
  EXPECT_EQ(listing.refused.size(), 2u);
}

TEST_F(HistoryTest, CancelStopsBeforeTheNextItem) {
  HistoryList list;
  list.Reset(List(std::nullopt).records);
  int pumps = 0;
  bool cancelled = false;
  const CleanTurns turns{.stopRequested = [&] { return cancelled; },
                         .pump = [&] { cancelled = ++pumps == 2; }};
  CleanHistory(services, protection, std::nullopt, list.records(), turns);
  EXPECT_EQ(folders.calls(), std::vector<std::string>{"delete C:\\Temp\\a.tmp"});
  EXPECT_EQ(cache.calls(), (std::vector<std::string>{"delete http://a.example/page.html",
                                                     "delete http://b.example/logo.png"}))
      << "nothing after the folders runs: neither the history clear nor RunMRU";
  EXPECT_TRUE(machine.ValueExists(testing::kRunMru, "a"));
}

TEST_F(HistoryTest, TheRecycleBinAnswersEachOutcome) {
  struct Case {
    platform::EmptyRecycleBinResult answer;
    std::string_view result;
  } const cases[] = {
      {platform::EmptyRecycleBinResult::Called, clean_result::kEmptied},
      {platform::EmptyRecycleBinResult::NoLibrary, "Failed to load Shell32.dll."},
      {platform::EmptyRecycleBinResult::NoFunction, clean_result::kNoFunction},
  };
  for (const Case& c : cases) {
    recycleBin.Answer(c.answer);
    const auto cleaned = CleanHistory(services, protection, HistoryArea::RecycleBin, {});
    ASSERT_EQ(cleaned.size(), 1u);
    EXPECT_EQ(cleaned[0].result, c.result);
  }
}

TEST_F(HistoryTest, MissingKeysAndEmptyShellFolderValuesListNothing) {
  platform::substitute::MemoryRegistry& registry = machine.registry;
  ASSERT_EQ(registry.DeleteKey(platform::RootHandle(platform::RootKey::CurrentUser),
                               "Software\\Microsoft\\Internet Explorer\\TypedURLs"),
            platform::RegStatus::Ok);
  ASSERT_EQ(registry.DeleteKey(platform::RootHandle(platform::RootKey::CurrentUser),
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"),
            platform::RegStatus::Ok);
  for (const char* name : {"Cache", "NetHood", "Recent", "History"}) {
    machine.SetString(testing::kShellFolders, name, "");
  }
  const HistoryListing listing = List(std::nullopt);
  for (const TRecycleData& record : listing.records) {
    EXPECT_TRUE(record.kind == record_kind::kCacheEntry ||
                record.kind == record_kind::kTemporaryEntry)
        << record.kind << " " << record.name;
  }
  EXPECT_TRUE(listing.refused.empty());
  EXPECT_TRUE(CleanHistory(services, protection, HistoryArea::RunMru, listing.records).empty());
}

}  // namespace
}  // namespace halvex::tools::history
