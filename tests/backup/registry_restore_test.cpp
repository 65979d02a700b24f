// A restore counts only when the file was there, the registry editor ended well and the
// registry holds what the file sets.
#include "backup/registry_restore.h"

#include <gtest/gtest.h>

#include "platform/substitute/substitute_registry_editor.h"
#include "tests/support/scratch_machine.h"

namespace halvex::backup {
void PrintTo(RestoreStatus status, std::ostream* out) {
  *out << "RestoreStatus " << static_cast<int>(status);
}
}  // namespace halvex::backup

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

// A file can set a key or value and take it away again, or the other way round: what counts is
// the state the whole file leaves, the last word on each key and value.
constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\K";

struct LastWordCase {
  const char* what;
  const char* lines;  // after the header
};

TEST_F(RegistryRestore, AnImportIsCheckedByTheLastWordOnEachKeyAndValue) {
  const LastWordCase cases[] = {
      {"a key deleted after it was set",
       "[HKEY_CURRENT_USER\\Software\\K]\r\n\"v\"=\"1\"\r\n[-HKEY_CURRENT_USER\\Software\\K]\r\n"},
      {"a value deleted after it was set",
       "[HKEY_CURRENT_USER\\Software\\K]\r\n\"v\"=\"1\"\r\n\"v\"=-\r\n"},
      {"a key set again after its deletion",
       "[-HKEY_CURRENT_USER\\Software\\K]\r\n[HKEY_CURRENT_USER\\Software\\K]\r\n\"v\"=\"1\"\r\n"},
      {"a parent deleted after its subkey was set, in other letters",
       "[HKEY_CURRENT_USER\\Software\\K\\Sub]\r\n\"v\"=\"1\"\r\n[-HKEY_CURRENT_USER\\software\\k]"
       "\r\n"},
      {"a subkey set after its parent's deletion",
       "[-HKEY_CURRENT_USER\\Software\\K]\r\n[HKEY_CURRENT_USER\\Software\\K\\Sub]\r\n"},
      {"a value set again after its deletion",
       "[HKEY_CURRENT_USER\\Software\\K]\r\n\"v\"=-\r\n\"v\"=\"2\"\r\n"},
      {"a comment ending in a backslash continues nothing: the key line after it counts",
       "[HKEY_CURRENT_USER\\Software\\K]\r\n\"x\"=\"1\" ; c:\\\r\n"
       "[HKEY_CURRENT_USER\\Software\\L]\r\n\"y\"=\"2\"\r\n"},
      {"a value deletion followed by a comment",
       "[HKEY_CURRENT_USER\\Software\\K]\r\n\"v\"=\"1\"\r\n\"v\"=- ; gone\r\n"},
      {"a value deletion with blanks around '='",
       "[HKEY_CURRENT_USER\\Software\\K]\r\n\"v\"=\"1\"\r\n\"v\" = -\r\n"},
  };
  for (const LastWordCase& c : cases) {
    ScratchMachine fresh;
    fresh.AddFile(kFile, std::string("REGEDIT4\r\n") + c.lines);
    platform::substitute::SubstituteRegistryEditor editor(fresh.registry, fresh.files(),
                                                          fresh.registry.codePage());
    const backup::RestoreResult result =
        backup::RestoreRegistryFile(fresh.platform(), editor, kFile, {});
    EXPECT_EQ(result.status, RestoreStatus::Restored)
        << c.what << ": " << editor.lastError() << " missing " << result.missing;
  }
}

struct MissedWordCase {
  const char* lines;    // after the header
  const char* missing;  // what the check names; empty for a restore
};

TEST_F(RegistryRestore, AnImportThatLeftAnotherStateIsFound) {
  // The registry holds K with "v"="1" and the editor imports nothing.
  const MissedWordCase cases[] = {
      {"[HKEY_CURRENT_USER\\Software\\K]\r\n\"v\"=-\r\n",
       "[HKEY_CURRENT_USER\\Software\\K] \"v\"=-"},
      {"[-HKEY_CURRENT_USER\\Software\\K]\r\n", "[-HKEY_CURRENT_USER\\Software\\K]"},
      {"[-HKEY_CURRENT_USER\\Software\\K]\r\n[HKEY_CURRENT_USER\\Software\\K\\New]\r\n",
       "[HKEY_CURRENT_USER\\Software\\K\\New]"},
      {"[HKEY_CURRENT_USER\\Software\\K]\r\n\"w\"=\"2\"\r\n\"w\"=-\r\n\"w\"=\"3\"\r\n",
       "[HKEY_CURRENT_USER\\Software\\K] \"w\"=\"3\""},
      {"[HKEY_CURRENT_USER\\Software\\K\\Sub]\r\n\"x\"=\"1\"\r\n[-HKEY_CURRENT_USER\\Software\\K]"
       "\r\n"
       "[HKEY_CURRENT_USER\\Software\\K]\r\n\"v\"=\"1\"\r\n",
       ""},
      // The registry editor reads root names in any letters, so the check does too.
      {"[-hkey_current_user\\Software\\K]\r\n", "[-hkey_current_user\\Software\\K]"},
      {"[Hkey_Current_User\\Software\\New]\r\n", "[Hkey_Current_User\\Software\\New]"},
  };
  IdleEditor editor;
  machine.SetString(kKey, "v", "1");
  for (const MissedWordCase& c : cases) {
    machine.AddFile(kFile, std::string("REGEDIT4\r\n") + c.lines);
    const backup::RestoreResult result = Restore(editor);
    EXPECT_EQ(result.missing, c.missing) << c.lines;
    EXPECT_EQ(result.status,
              *c.missing == '\0' ? RestoreStatus::Restored : RestoreStatus::NotInRegistry)
        << c.lines;
  }
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
