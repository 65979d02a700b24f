// The substitute's shortcut reader against files the shell itself wrote: under Wine the
// shell's link object saves a shortcut, and the substitute must read the same target from it.
#include <gtest/gtest.h>

#include "platform/substitute/substitute_shell_links.h"
#include "platform/win32/win32_shell_links.h"
#include "tests/platform/files_scratch.h"

namespace halvex::testing {
namespace {

std::unique_ptr<FilesUnderTest> MakeWin32Files() {
  for (const FilesBinding& binding : FilesBindings()) {
    if (binding.name == "Win32") return binding.make();
  }
  return nullptr;
}

TEST(ShellShortcutCrossCheck, SubstituteReadsShortcutsTheShellSaved) {
  std::unique_ptr<FilesUnderTest> win32 = MakeWin32Files();
  ASSERT_NE(win32, nullptr);
  FilesScratch scratch(std::move(win32));
  ASSERT_TRUE(scratch.files().CreateFolder(scratch.Path("Program Files")));
  const std::string targets[] = {scratch.Path("App.exe"),
                                 scratch.Path("Program Files\\Caf\xE9 Tool.exe")};
  platform::substitute::SubstituteShellLinks substitute(scratch.files());
  for (const std::string& target : targets) {
    ASSERT_TRUE(scratch.files().WriteFile(target, "MZ"));
    const std::string shortcut = target + ".lnk";
    ASSERT_TRUE(platform::win32::Win32ShellLinks::SaveShortcut(shortcut, target)) << shortcut;
    EXPECT_EQ(platform::win32::Win32ShellLinks().ShortcutTarget(shortcut), target);
    EXPECT_EQ(substitute.ShortcutTarget(shortcut), target);
  }
}

}  // namespace
}  // namespace halvex::testing
