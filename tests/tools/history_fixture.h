#pragma once
// One small machine for the history cleaner: a temporary folder with two files, a subfolder with
// its own file and a read-only archive (0x21) that is never listed; NetHood, Recent and History
// folders; typed addresses and RunMRU values; a URL cache with pages, a cookie and an entry that
// is not a normal one.
#include <set>
#include <string>

#include "platform/substitute/scripted_url_cache.h"
#include "platform/substitute/substitute_folder_operations.h"
#include "platform/substitute/substitute_recycle_bin.h"
#include "tests/support/scratch_machine.h"
#include "tools/history/history_services.h"

namespace halvex::testing {

inline constexpr char kShellFolders[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr char kTypedUrls[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs";
inline constexpr char kRunMru[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
inline constexpr char kProfile[] = "C:\\Documents and Settings\\User";

class HistoryFixture {
 public:
  explicit HistoryFixture(std::string temp = "C:\\Temp\\") : machine(Folders(std::move(temp))) {
    using namespace platform::file_attribute;
    machine.AddFile("C:\\Temp\\a.tmp", "a");
    machine.AddFile("C:\\Temp\\b.log", "b");
    machine.AddFile("C:\\Temp\\sub\\inner.txt", "i");
    machine.AddFile("C:\\Temp\\kept.txt", "k");
    SetAttributes("C:\\Temp\\a.tmp", kArchive);
    SetAttributes("C:\\Temp\\b.log", kArchive);
    SetAttributes("C:\\Temp\\kept.txt", kReadOnly | kArchive);
    const std::string profile = kProfile;
    machine.AddFile(profile + "\\NetHood\\Share\\target.lnk", "s");
    machine.AddFile(profile + "\\Recent\\doc.lnk", "r");
    SetAttributes(profile + "\\Recent\\doc.lnk", kArchive);
    machine.AddFile(profile + "\\History\\History.IE5\\index.dat", "h");
    machine.AddFolder(profile + "\\Temporary Internet Files\\Content.IE5");
    machine.SetString(kShellFolders, "Cache", profile + "\\Temporary Internet Files");
    machine.SetString(kShellFolders, "NetHood", profile + "\\NetHood");
    machine.SetString(kShellFolders, "Recent", profile + "\\Recent");
    machine.SetString(kShellFolders, "History", profile + "\\History");
    machine.SetString(kTypedUrls, "url1", "http://a.example/");
    machine.SetString(kTypedUrls, "url2", "http://b.example/");
    machine.SetString(kRunMru, "a", "notepad\\1");
    machine.SetString(kRunMru, "MRUList", "a");
    cache.Add({"http://a.example/page.html", 1});
    cache.Add({"Cookie:user@a.example/", 1});
    cache.Add({"http://b.example/logo.png", 0x41});
    cache.Add({"http://sticky.example/", 0x4});  // not a normal entry
  }

  static platform::substitute::SystemFolders Folders(std::string temp) {
    platform::substitute::SystemFolders folders;
    folders.temp = std::move(temp);
    return folders;
  }

  void SetAttributes(const std::string& path, std::uint32_t attributes) {
    ASSERT_TRUE(machine.files().SetAttributes(path, attributes)) << path;
  }

  // Every trace the machine still holds, as "area:name": the folder entries (one level below
  // the folder, and the subfolder's file), the values and the cache entries.
  std::set<std::string> RemainingTraces() {
    std::set<std::string> traces;
    const std::string profile = kProfile;
    const std::pair<const char*, std::string> folders[] = {
        {"temp", "C:\\Temp"},
        {"nethood", profile + "\\NetHood"},
        {"recent", profile + "\\Recent"},
        {"historyfolder", profile + "\\History"}};
    for (const auto& [area, folder] : folders) {
      for (const char* name : {"a.tmp", "b.log", "kept.txt", "sub", "sub\\inner.txt", "Share",
                               "doc.lnk", "History.IE5"}) {
        const std::string path = folder + "\\" + name;
        if (machine.files().FileExists(path) || machine.files().FolderExists(path)) {
          traces.insert(std::string(area) + ":" + name);
        }
      }
    }
    for (const char* name : {"url1", "url2"}) {
      if (machine.ValueExists(kTypedUrls, name)) traces.insert(std::string("typed:") + name);
    }
    for (const char* name : {"a", "MRUList"}) {
      if (machine.ValueExists(kRunMru, name)) traces.insert(std::string("runmru:") + name);
    }
    for (const platform::UrlCacheEntry& entry : cache.entries()) {
      traces.insert("cache:" + entry.sourceUrl);
    }
    return traces;
  }

  ScratchMachine machine;
  platform::substitute::ScriptedUrlCache cache;
  platform::substitute::SubstituteRecycleBin recycleBin{machine.shell.recycleBin()};
  platform::substitute::SubstituteFolderOperations folders{machine.files()};
  tools::history::HistoryServices services{
      {machine.platform(), machine.shell, machine.identities}, cache, recycleBin, folders};
};

}  // namespace halvex::testing
