// The start-with-Windows entry: written quoted when the path has blanks, recognised in both
// forms, and the value under the program's name is the program's entry, whatever path it names.
#include "app/options/run_entry.h"

#include <gtest/gtest.h>

#include "model/registry_object.h"
#include "tests/support/scratch_machine.h"

namespace halvex::app {
namespace {

constexpr const char* kRunKeyPath =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kProgram = "C:\\Program Files\\Halvex\\Halvex.exe";

class RunEntryTest : public ::testing::Test {
 protected:
  std::string Entry() {
    model::RegistryObject key(machine.registry);
    key.SetRootKey(platform::RootKey::LocalMachine);
    if (!key.OpenKey(kRunKey, false)) return "<no key>";
    if (!key.ValueExists("Halvex.exe")) return "<no value>";
    return key.ReadString("Halvex.exe");
  }

  testing::ScratchMachine machine;
};

TEST_F(RunEntryTest, TheTextIsQuotedWhenThePathHasBlanks) {
  EXPECT_EQ(RunEntryText(kProgram), "\"C:\\Program Files\\Halvex\\Halvex.exe\"");
  EXPECT_EQ(RunEntryText("C:\\Halvex\\Halvex.exe"), "C:\\Halvex\\Halvex.exe");
}

TEST_F(RunEntryTest, RecognisesTheProgramsOwnEntryInEitherForm) {
  const struct {
    const char* text;
    bool own;
  } cases[] = {
      {"C:\\Program Files\\Halvex\\Halvex.exe", true},
      {"\"C:\\Program Files\\Halvex\\Halvex.exe\"", true},
      {"c:\\program files\\halvex\\HALVEX.EXE", true},
      {"\"C:\\Program Files\\Halvex\\Halvex.exe\" -Scan", false},
      {"D:\\Old\\Halvex.exe", false},
      {"\"C:\\Program Files\\Halvex\\Halvex.exe", false},
      {"", false},
  };
  for (const auto& c : cases) {
    machine.SetString(kRunKeyPath, "Halvex.exe", c.text);
    EXPECT_EQ(ReadRunAtStartup(machine.registry, machine.locale, kProgram), c.own) << c.text;
  }
}

TEST_F(RunEntryTest, NoRunKeyMeansNoEntryAndIsNotCreated) {
  EXPECT_FALSE(ReadRunAtStartup(machine.registry, machine.locale, kProgram));
  EXPECT_EQ(Entry(), "<no key>");
}

TEST_F(RunEntryTest, TickedWritesTheQuotedPath) {
  ASSERT_TRUE(WriteRunAtStartup(machine.registry, kProgram, true));
  EXPECT_EQ(Entry(), "\"C:\\Program Files\\Halvex\\Halvex.exe\"");
  EXPECT_TRUE(ReadRunAtStartup(machine.registry, machine.locale, kProgram));
}

TEST_F(RunEntryTest, TickedReplacesTheEntryOfAMovedCopyWithThisCopysPath) {
  machine.SetString(kRunKeyPath, "Halvex.exe", "D:\\Old\\Halvex.exe");
  ASSERT_TRUE(WriteRunAtStartup(machine.registry, kProgram, true));
  EXPECT_EQ(Entry(), "\"C:\\Program Files\\Halvex\\Halvex.exe\"");
}

// An older install left its path under the program's name; the entry is still the program's,
// and unticking removes it, or it could never be removed from the preferences.
TEST_F(RunEntryTest, UntickedRemovesTheEntryUnderTheProgramsNameWhateverPathItNames) {
  const struct {
    const char* stored;
    const char* after;
  } cases[] = {
      {"C:\\Program Files\\Halvex\\Halvex.exe", "<no value>"},
      {"\"C:\\Program Files\\Halvex\\Halvex.exe\"", "<no value>"},
      {"D:\\Other\\Halvex.exe", "<no value>"},
      {"\"D:\\Old Install\\Halvex.exe\" -Scan", "<no value>"},
  };
  for (const auto& c : cases) {
    machine.SetString(kRunKeyPath, "Halvex.exe", c.stored);
    EXPECT_TRUE(WriteRunAtStartup(machine.registry, kProgram, false)) << c.stored;
    EXPECT_EQ(Entry(), c.after) << c.stored;
  }
  EXPECT_TRUE(WriteRunAtStartup(machine.registry, kProgram, false))
      << "no entry is nothing to remove";
}

TEST_F(RunEntryTest, AProgramWithoutAPathWritesNothing) {
  EXPECT_FALSE(WriteRunAtStartup(machine.registry, "", true));
  EXPECT_FALSE(machine.ValueExists(kRunKeyPath, ""));
}

}  // namespace
}  // namespace halvex::app
