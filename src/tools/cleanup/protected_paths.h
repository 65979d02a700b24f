#pragma once
// The folders no clean-up may remove, and nothing inside the program's own folder, whose
// backups must survive every clean-up. Every delete, recycle or move of the clean-up tools
// (junk files, duplicates, history) asks this test first.
#include <string>
#include <string_view>
#include <vector>

#include "tools/cleanup/cleanup_services.h"

namespace halvex::tools::cleanup {

class ProtectedPaths {
 public:
  // Reads the machine's folders once: Windows, system, program, and the shell's profile folders.
  explicit ProtectedPaths(const CleanupServices& services);

  // True for a drive root, the Windows or system folder, the profiles folder, a user's profile
  // (any folder directly in the profiles folder), the user's Desktop or documents folder, and
  // for the program's folder and everything inside it. Paths compare upper-cased through the
  // system's ANSI upper-casing, a trailing "\" ignored.
  bool Protects(std::string_view path) const;

 private:
  std::string Key(std::string_view path) const;

  platform::Locale& locale_;
  std::vector<std::string> exactFolders_;  // upper-cased, without a trailing backslash
  std::string profiles_;
  std::string program_;
};

}  // namespace halvex::tools::cleanup
