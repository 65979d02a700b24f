// The platform shortcut reader, checked the same way on every binding that has one, on
// shortcut files the test writes in the shell link format.
#include <gtest/gtest.h>

#include "tests/platform/files_scratch.h"
#include "tests/platform/shortcut_file_builder.h"

namespace halvex::testing {
namespace {

class ShellLinksContract : public FilesContract {
 protected:
  void SetUp() override {
    FilesContract::SetUp();
    ASSERT_NE(underTest().links(), nullptr) << "the binding has no shortcut reader";
  }
  platform::ShellLinks& links() { return *underTest().links(); }

  std::string TargetOf(const ShortcutLayout& layout) {
    const std::string name = "link" + std::to_string(written_++) + ".lnk";
    Write(name, BuildShortcutFile(layout).bytes);
    return links().ShortcutTarget(Path(name));
  }

 private:
  int written_ = 0;
};

TEST_P(ShellLinksContract, ReadsTheLocalPathOfAShortcut) {
  Write("App.exe", "MZ");
  const std::string target = Path("App.exe");
  EXPECT_EQ(TargetOf({.localBasePath = target}), target);
  EXPECT_EQ(TargetOf({.localBasePath = target, .withIdList = true}), target);
  EXPECT_EQ(TargetOf({.localBasePath = target, .withUnicode = true, .description = "My app"}),
            target);
  // The target need not exist: the shortcut is read, not followed.
  EXPECT_EQ(TargetOf({.localBasePath = "C:\\Gone\\old.exe"}), "C:\\Gone\\old.exe");
}

TEST_P(ShellLinksContract, WhatIsNoShortcutHasNoTarget) {
  Write("notes.lnk", "this is a text, not a shortcut");
  EXPECT_EQ(links().ShortcutTarget(Path("notes.lnk")), "");
  EXPECT_EQ(links().ShortcutTarget(Path("absent.lnk")), "");
  MakeFolder("folder.lnk");
  EXPECT_EQ(links().ShortcutTarget(Path("folder.lnk")), "");
  // The first 60 bytes of a real shortcut: its header is cut short.
  Write("cut.lnk", BuildShortcutFile({.localBasePath = "C:\\x.exe"}).bytes.substr(0, 60));
  EXPECT_EQ(links().ShortcutTarget(Path("cut.lnk")), "");
}

HALVEX_RUN_ON_BINDINGS(ShellLinksContract, FilesBindings);

}  // namespace
}  // namespace halvex::testing
