// A restore counts only when the file was there, the registry editor ended well and the
// registry holds what the file sets.
#include "backup/registry_restore.h"

#include <gtest/gtest.h>

#include "platform/substitute/substitute_registry_editor.h"
#include "tests/support/scratch_machine.h"

namespace halvex::testing {
namespace {

using backup::RestoreStatus;

// An editor that ends as told and imports nothing, as Wine's regedit does with a file it
// cannot use.
class IdleEditor final : public platform::ProcessRunner {
 public:
  platform::ProcessExit RunHidden(std::string_view, const std::function<void()>&) override {
    ++runs;
    return {started, exitCode};
  }
  bool started = true;
  std::uint32_t exitCode = 0;
  int runs = 0;
};

class RegistryRestore : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.AddFile(kFile,
                    "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\App]\r\n\"a \\\"q\\\"\"=\"1\"\r\n"
                    "@=\"d\"\r\n[HKEY_CURRENT_USER\\Software\\App\\Empty]\r\n"
                    "[-HKEY_CURRENT_USER\\Software\\Gone]\r\n[HKEY_CURRENT_USER\\Software\\App]\r\n"
                    "\"old\"=-\r\n");
  }
  backup::RestoreResult Restore(platform::ProcessRunner& editor, const char* file = kFile) {
    return backup::RestoreRegistryFile(machine.platform(), editor, file, {});
  }

  static constexpr const char* kFile = "C:\\b.reg";
  ScratchMachine machine;
};

TEST_F(RegistryRestore, AnImportThatIsInTheRegistryIsARestore) {
  platform::substitute::SubstituteRegistryEditor editor(machine.registry, machine.files(),
                                                        machine.registry.codePage());
  const backup::RestoreResult result = Restore(editor);
  EXPECT_EQ(result.status, RestoreStatus::Restored) << editor.lastError() << result.missing;
  EXPECT_TRUE(machine.ValueExists("HKEY_CURRENT_USER\\Software\\App", "a \"q\""));
}

TEST_F(RegistryRestore, AnEditorThatEndsWellButImportsNothingIsFound) {
  IdleEditor editor;
  const backup::RestoreResult result = Restore(editor);
  EXPECT_EQ(result.status, RestoreStatus::NotInRegistry);
  EXPECT_EQ(result.missing, "[HKEY_CURRENT_USER\\Software\\App]");

  machine.SetString("HKEY_CURRENT_USER\\Software\\App", "a \"q\"", "1");
  EXPECT_EQ(Restore(editor).missing, "[HKEY_CURRENT_USER\\Software\\App] @=\"d\"")
      << "the default value is checked too";
  machine.SetString("HKEY_CURRENT_USER\\Software\\App", "", "d");
  EXPECT_EQ(Restore(editor).missing, "[HKEY_CURRENT_USER\\Software\\App\\Empty]");
  machine.SetString("HKEY_CURRENT_USER\\Software\\App\\Empty", "x", "");
  EXPECT_EQ(Restore(editor).status, RestoreStatus::Restored) << "deletions are not looked for";
}

TEST_F(RegistryRestore, SaysWhyItFailed) {
  IdleEditor editor;
  EXPECT_EQ(Restore(editor, "C:\\none.reg").status, RestoreStatus::NoFile);
  EXPECT_EQ(editor.runs, 0) << "the editor is not started for a file that is not there";
  for (const char* text : {"", "not a registry file\r\n", "\r\n[HKEY_CURRENT_USER\\A]\r\n"}) {
    machine.AddFile("C:\\other.reg", text);
    EXPECT_EQ(Restore(editor, "C:\\other.reg").status, RestoreStatus::NotRegFile) << text;
  }
  EXPECT_EQ(editor.runs, 0);
  editor.exitCode = 1;
  const backup::RestoreResult failed = Restore(editor);
  EXPECT_EQ(failed.status, RestoreStatus::EditorFailed);
  EXPECT_EQ(failed.exitCode, 1u);
  editor.started = false;
  EXPECT_EQ(Restore(editor).status, RestoreStatus::NoEditor);
}

}  // namespace
}  // namespace halvex::testing
