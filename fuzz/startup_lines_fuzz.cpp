// The startup manager's files: startup.dat, removestartup.dat and del.txt, and win.ini's
// "Load" and "Run" sections. Any text lists; every line that reads is listed once, as it reads;
// an entry a line can hold reads back from its line; a key set in win.ini reads back, and a
// deleted one goes alone. Input: the four texts, separated by NUL bytes.
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_machine.h"
#include "fuzz/support/input_parts.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/profile_text.h"
#include "platform/substitute/substitute_profile_files.h"
#include "platform/text_lines.h"
#include "tools/startup_manager/startup_list.h"

namespace {

namespace startup = halvex::tools::startup_manager;
using halvex::platform::substitute::ProfileKeyNames;
using halvex::platform::substitute::ProfileValue;

std::size_t CountLines(std::string_view text, bool (*reads)(std::string_view)) {
  std::size_t count = 0;
  for (const std::string_view line : halvex::platform::SplitLines(text)) {
    if (!halvex::platform::TrimText(line).empty() && reads(line)) ++count;
  }
  return count;
}

bool RegistryLineReads(std::string_view line) {
  return startup::ParseRegistryLine(line).has_value();
}
bool RemovedFolderLineReads(std::string_view line) {
  const auto parsed = startup::ParseFolderLine(line);
  return parsed && !parsed->disabled;
}

void CheckLineRoundTrips(std::string_view text) {
  for (const std::string_view line : halvex::platform::SplitLines(text)) {
    if (const auto entry = startup::ParseRegistryLine(line);
        entry && startup::FitsRegistryLine(*entry)) {
      const auto back = startup::ParseRegistryLine(startup::FormatRegistryLine(*entry));
      HALVEX_FUZZ_CHECK(back && back->fullKeyName == entry->fullKeyName &&
                            back->valueName == entry->valueName && back->data == entry->data,
                        "a registry line that fits reads back otherwise: " + std::string(line));
    }
    if (const auto entry = startup::ParseFolderLine(line);
        entry && startup::FitsFolderLine(*entry)) {
      const auto back = startup::ParseFolderLine(startup::FormatFolderLine(*entry));
      HALVEX_FUZZ_CHECK(back && back->startupPath == entry->startupPath &&
                            back->copyPath == entry->copyPath && back->disabled == entry->disabled,
                        "a del.txt line that fits reads back otherwise: " + std::string(line));
    }
  }
}

void CheckProfileChanges(const std::string& text) {
  using namespace halvex::platform::substitute;
  for (const char* section : startup::kWinIniSections) {
    const std::vector<std::string> keys = ProfileKeyNames(text, section);
    for (const std::string& key : keys) {
      HALVEX_FUZZ_CHECK(ProfileValue(text, section, key).has_value(),
                        "a listed key does not read: " + key);
      const std::size_t left =
          ProfileKeyNames(WithoutProfileKey(text, section, key), section).size();
      HALVEX_FUZZ_CHECK(left + 1 == keys.size(), "deleting " + key + " did not take one key");
    }
    const std::string changed = WithProfileValue(text, section, "HalvexFuzz", "C:\\fuzz.exe");
    HALVEX_FUZZ_CHECK(ProfileValue(changed, section, "HalvexFuzz") == "C:\\fuzz.exe",
                      std::string("a key set in ") + section + " does not read back:\n" + changed);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static halvex::fuzz::FuzzMachine machine;
  const std::vector<std::string_view> parts =
      halvex::fuzz::SplitAtNul(halvex::fuzz::AsText(data, size));
  const std::string_view empty;
  const std::string_view startupDat = parts.size() > 0 ? parts[0] : empty;
  const std::string_view removeDat = parts.size() > 1 ? parts[1] : empty;
  const std::string_view delTxt = parts.size() > 2 ? parts[2] : empty;
  const std::string winIni(parts.size() > 3 ? parts[3] : empty);

  auto& files = machine.files();
  const auto paths = startup::StartupBackupPaths::InProgramFolder(files);
  if (!startup::PrepareStartupBackup(files, paths)) return 0;
  if (!files.FolderExists(files.WindowsFolder())) (void)files.CreateFolder(files.WindowsFolder());
  if (!files.WriteFile(paths.startupDat, startupDat) ||
      !files.WriteFile(paths.removeStartupDat, removeDat) ||
      !files.WriteFile(paths.delTxt, delTxt) ||
      !files.WriteFile(files.WindowsFolder() + "\\win.ini", winIni)) {
    return 0;
  }

  halvex::platform::substitute::MemoryRegistry registry;
  halvex::platform::substitute::SubstituteProfileFiles profiles(files);
  halvex::platform::Platform platform = machine.With(registry);
  halvex::platform::Platform withProfiles{platform.registry, platform.files, platform.locale,
                                          platform.clock,    platform.links, profiles};

  std::size_t disabledRows = 0, winIniRows = 0;
  for (const startup::StartupEntry& entry : startup::ListStartupEntries(withProfiles, paths)) {
    if (entry.kind == startup::EntryKind::DisabledRunValue) {
      ++disabledRows;
      const auto line = startup::ParseRegistryLine(entry.line);
      HALVEX_FUZZ_CHECK(line && line->valueName == entry.name && line->data == entry.path,
                        "a disabled row is not its line: " + entry.line);
    }
    if (entry.kind == startup::EntryKind::WinIniKey) ++winIniRows;
  }
  HALVEX_FUZZ_CHECK(disabledRows == CountLines(startupDat, RegistryLineReads),
                    "not every line of startup.dat that reads is listed once");
  HALVEX_FUZZ_CHECK(
      winIniRows == ProfileKeyNames(winIni, "Load").size() + ProfileKeyNames(winIni, "Run").size(),
      "not every win.ini key is listed once");
  const std::size_t restorable = startup::ListRestorableEntries(files, paths).size();
  HALVEX_FUZZ_CHECK(restorable == CountLines(removeDat, RegistryLineReads) +
                                      CountLines(delTxt, RemovedFolderLineReads),
                    "not every removed line is in the restoral list once");
  CheckLineRoundTrips(startupDat);
  CheckLineRoundTrips(delTxt);
  CheckProfileChanges(winIni);
  return 0;
}
