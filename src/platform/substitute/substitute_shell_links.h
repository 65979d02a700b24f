#pragma once
// Shortcuts of the substitute machine: the .lnk file is read through a file system (the
// drive folders of a machine, or any other binding) and its target taken from the file's
// own bytes, as the shell's link object would.
#include "platform/file_system.h"
#include "platform/shell_links.h"
#include "platform/substitute/code_page.h"

namespace halvex::platform::substitute {

class SubstituteShellLinks final : public ShellLinks {
 public:
  SubstituteShellLinks(FileSystem& files, const CodePage& codePage = CodePage::Windows1252())
      : files_(files), codePage_(codePage) {}

  std::string ShortcutTarget(std::string_view shortcutPath) override;

 private:
  FileSystem& files_;
  const CodePage& codePage_;
};

}  // namespace halvex::platform::substitute
