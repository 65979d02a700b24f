#include "model/key_naming.h"

#include <gtest/gtest.h>

#include "model/text_format.h"

namespace halvex::model {
namespace {

TEST(KeyNaming, RootNamesAndHandlesConvertBothWays) {
  struct Case {
    RootKey root;
    const char* name;
  };
  const Case cases[] = {
      {RootKey::ClassesRoot, "HKEY_CLASSES_ROOT"},   {RootKey::CurrentUser, "HKEY_CURRENT_USER"},
      {RootKey::LocalMachine, "HKEY_LOCAL_MACHINE"}, {RootKey::Users, "HKEY_USERS"},
      {RootKey::CurrentConfig, "HKEY_CURRENT_CONFIG"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RootKeyName(c.root), c.name);
    EXPECT_EQ(RootKeyFromName(c.name), c.root) << c.name;
  }
}

TEST(KeyNaming, UnknownRootsHaveNoName) {
  EXPECT_EQ(RootKeyName(RootKey::None), "");
  EXPECT_EQ(RootKeyName(static_cast<RootKey>(0x80000004u)), "") << "HKEY_PERFORMANCE_DATA";
  for (const char* text : {"hkey_users", "HKEY_Users", "HKCU", "", "HKEY_USERS "}) {
    EXPECT_EQ(RootKeyFromName(text), RootKey::None) << "'" << text << "'";
  }
}

TEST(KeyNaming, SplitRemovesOnlyTheLeadingRootName) {
  struct Case {
    const char* full;
    RootKey root;
    const char* absolute;
  };
  const Case cases[] = {
      {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft", RootKey::LocalMachine, "\\SOFTWARE\\Microsoft"},
      {"HKEY_USERS\\Software\\OldHKEY_USERS", RootKey::Users, "\\Software\\OldHKEY_USERS"},
      {"HKEY_USERS\\HKEY_USERS\\x", RootKey::Users, "\\HKEY_USERS\\x"},
      {"HKEY_CURRENT_USER", RootKey::CurrentUser, ""},
      {"HKEY_CURRENT_USER\\", RootKey::CurrentUser, "\\"},
      {"hkey_current_user\\Software", RootKey::None, "\\Software"},
      {"", RootKey::None, ""},
  };
  for (const Case& c : cases) {
    const SplitKeyPath split = SplitFullKeyPath(c.full);
    EXPECT_EQ(split.root, c.root) << c.full;
    EXPECT_EQ(split.absolutePath, c.absolute) << c.full;
  }
}

TEST(KeyNaming, OnlyLowerCaseDefaultNamesTheUnnamedValue) {
  EXPECT_EQ(PlatformValueName("default"), "");
  EXPECT_EQ(PlatformValueName("Default"), "Default");
  EXPECT_EQ(PlatformValueName("DEFAULT"), "DEFAULT");
  EXPECT_EQ(PlatformValueName(""), "");
}

TEST(TextFormat, FillsPrintfPatterns) {
  EXPECT_EQ(FormatText("Invalid data type for '%s'", std::string("Path")),
            "Invalid data type for 'Path'");
  EXPECT_EQ(FormatText("%s\\%s", "C:", std::string("WINDOWS")), "C:\\WINDOWS");
  EXPECT_EQ(FormatText("Hal Vex v%s (%d)", "1.0", 7), "Hal Vex v1.0 (7)");
  EXPECT_EQ(FormatText("%s", std::string(300, 'x')).size(), 300u);
}

}  // namespace
}  // namespace halvex::model
