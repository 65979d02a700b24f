// The add/remove programs manager's window: the list and details, and Uninstall and Remove
// acting on the row selected when the button is pressed.
#include "tools/installed_programs/installed_manage_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/substitute_program.h"

namespace halvex::testing {
namespace {

constexpr std::string_view kUninstall =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class InstalledManageForm : public ::testing::Test, protected SubstituteProgram {
 protected:
  InstalledManageForm() {
    for (const char* name : {"Alpha", "Beta"}) {
      const std::string key = std::string(kUninstall) + "\\" + name;
      machine.SetString(key, "DisplayName", name);
      machine.SetString(key, "UninstallString", std::string("C:\\") + name + "\\un.exe /S");
    }
    form.SetVisible(true);  // as the tool host shows it
    form.Shown();
  }
  bool Listed(const char* name) {
    return machine.ValueExists(std::string(kUninstall) + "\\" + name, "DisplayName");
  }

  tools::TInstalledManageForm form{programServices};
};

TEST_F(InstalledManageForm, ListsTheProgramsAndShowsTheSelectedOnesDetails) {
  ASSERT_EQ(form.ListInstalled.rowCount(), 2);
  form.ListInstalled.SetSelectedIndex(1);
  EXPECT_TRUE(form.ListInstalled.Click());
  EXPECT_EQ(form.PanelText.caption(), "Beta");
  ASSERT_EQ(form.ListDetail.rowCount(), 2);
  EXPECT_EQ(form.ListDetail.Row(1).subItems[0], "C:\\Beta\\un.exe /S");
}

TEST_F(InstalledManageForm, RemoveDeletesTheRowSelectedByKeyboardNotTheOneClicked) {
  form.ListInstalled.SetSelectedIndex(0);
  EXPECT_TRUE(form.ListInstalled.Click());
  form.ListInstalled.SetSelectedIndex(1);  // moved with the arrow key: no click
  messages.AnswerNext(platform::MessageAnswer::Yes);
  EXPECT_TRUE(form.TbrRemove.Click());
  EXPECT_TRUE(Listed("Alpha"));
  EXPECT_FALSE(Listed("Beta"));
  EXPECT_EQ(form.ListInstalled.rowCount(), 1);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].caption, "Hal Vex");
}

TEST_F(InstalledManageForm, AnsweringNoChangesNothing) {
  form.ListInstalled.SetSelectedIndex(1);
  messages.AnswerNext(platform::MessageAnswer::No);
  EXPECT_TRUE(form.TbrRemove.Click());
  EXPECT_TRUE(Listed("Alpha"));
  EXPECT_TRUE(Listed("Beta"));
}

TEST_F(InstalledManageForm, UninstallStartsTheSelectedRowsCommandWithoutWaiting) {
  form.ListInstalled.SetSelectedIndex(0);
  EXPECT_TRUE(form.ListInstalled.Click());
  form.ListInstalledPrograms();  // a refill clears the selection
  EXPECT_TRUE(form.TbtUninstall.Click());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Unchecked");
  EXPECT_TRUE(processes.started().empty()) << "nothing selected: nothing started";

  form.ListInstalled.SetSelectedIndex(1);
  EXPECT_TRUE(form.TbtUninstall.Click());
  ASSERT_EQ(processes.started().size(), 1u);
  EXPECT_EQ(processes.started()[0].file, "C:\\Beta\\un.exe");
  EXPECT_EQ(processes.started()[0].parameters, "/S");
}

}  // namespace
}  // namespace halvex::testing
