#pragma once
// The junk files walk: every folder of the chosen drives, each file's name tested against the
// ticked junk types in list order; the first match makes it a found file.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "tools/cleanup/protected_paths.h"
#include "tools/cleanup/walk_turns.h"
#include "tools/junk_files/junk_types.h"

namespace halvex::tools::junk_files {

// One found junk file, in the order the walk finds them.
struct TTempFileInfo {
  std::string FileName;  // as the listing gives it
  std::string Path;      // the folder, "\" and FileName: C:\Temp\a.tmp
  std::uint64_t Size = 0;
  friend bool operator==(const TTempFileInfo&, const TTempFileInfo&) = default;
};

// Exact and case-sensitive, "?" is no wildcard: a pattern beginning "*." equals the name's
// extension (from its last "." on); a pattern holding "*" elsewhere matches nothing; any other
// pattern equals the whole name. These only find less than a wildcard match would.
bool MatchJunkType(std::string_view name, std::string_view pattern);

// The attribute words whose folders the walk enters, compared exactly: hidden, system, folder,
// hidden folder, read-only hidden folder, archive, normal, temporary. A folder with any other
// word (0x11, 0x30, a reparse point) is passed over, which only finds less.
bool EntersFolderWithAttributes(std::uint32_t attributes);

// The patterns the walk tests: the ticked types, in list order.
std::vector<std::string> TickedPatterns(const std::vector<JunkType>& types,
                                        const std::vector<bool>& ticks);

class JunkScan {
 public:
  // `showPath` gets each entered or shown entry's path (the scan page's message line); it may
  // be empty. A file no clean-up may remove (the program's own readme.txt) is not found: it
  // could only ever fail.
  JunkScan(platform::Platform& platform, std::vector<std::string> patterns,
           const cleanup::ProtectedPaths& protection, cleanup::WalkTurns& turns,
           std::function<void(const std::string&)> showPath = {});

  // Walks `folder` ("C:" for a drive) and all below it, appending what it finds; ends at the
  // next entry once a stop is requested.
  void ScanFolder(const std::string& folder, std::vector<TTempFileInfo>& found);

 private:
  platform::Platform& platform_;
  std::vector<std::string> patterns_;
  const cleanup::ProtectedPaths& protection_;
  cleanup::WalkTurns& turns_;
  std::function<void(const std::string&)> showPath_;
};

// What the walk found on one drive ("C:"): the files whose drive part, upper-cased, is the
// drive's id, their number and their bytes (64-bit).
struct DriveFindings {
  std::string driveId;
  std::size_t count = 0;
  std::uint64_t bytes = 0;
};
DriveFindings FindingsOn(platform::Locale& locale, const std::vector<TTempFileInfo>& found,
                         const std::string& driveId);
// Whether the file lies on the drive: its path's text up to and including ":", upper-cased.
bool IsOnDrive(platform::Locale& locale, const TTempFileInfo& file, const std::string& driveId);

}  // namespace halvex::tools::junk_files
