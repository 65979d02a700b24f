// The ActiveX blocker, re-registration and restore point windows over substitute services.
#include <gtest/gtest.h>

#include "model/update_server.h"
#include "tests/app/main_form_fixture.h"
#include "tests/support/substitute_program.h"
#include "tests/tools/scripted_runner.h"
#include "tools/activex_blocker/kill_flag.h"
#include "tools/activex_blocker/malignant_form.h"
#include "tools/activex_reregister/reg_dll_form.h"
#include "tools/restore_points/input_box.h"
#include "tools/restore_points/sys_restore_form.h"

namespace halvex::testing {
namespace {

using platform::MessageAnswer;
using Operation = platform::substitute::SubstituteRestorePoints::Operation;

constexpr const char* kA = "{AAAAAAAA-0000-0000-0000-000000000001}";
constexpr const char* kB = "{BBBBBBBB-0000-0000-0000-000000000002}";
constexpr const char* kC = "{CCCCCCCC-0000-0000-0000-000000000003}";

class ToolWindowTest : public ::testing::Test, protected SubstituteProgram {
 protected:
  ToolWindowTest() { machine.AddFolder(machine.files().ProgramFolder()); }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown()) {
      texts.push_back((shown.isErrorBox ? "error: " : "") + shown.text);
    }
    return texts;
  }

  // The program's services with the registration program scripted.
  ScriptedRunner runner;
  ui::ProgramServices services{
      programServices.platform, programServices.desktop,      runner,
      programServices.http,     programServices.schedulers,   programServices.windows,
      programServices.busy,     programServices.updateServer, programServices.restorePoints};
};

// --- TFormMalignant ---

class MalignantFormTest : public ToolWindowTest {
 protected:
  void WriteThreeControls() {
    machine.AddFile(machine.files().ProgramFolder() + "Code",
                    std::string("Alpha") + kA + "\r\nBravo" + kB + "\r\nCharlie" + kC + "\r\n");
  }
  std::unique_ptr<tools::TFormMalignant> Open() {
    auto form = std::make_unique<tools::TFormMalignant>(services);
    windows.Show(*form);  // raises its show event
    return form;
  }
  static std::vector<std::string> Statuses(const tools::TFormMalignant& form) {
    std::vector<std::string> statuses;
    for (int row = 0; row < form.ListActiveX.rowCount(); ++row) {
      statuses.push_back(form.ListActiveX.SubItem(row, 1) +
                         (form.ListActiveX.Row(row).checked ? "+" : "-"));
    }
    return statuses;
  }
  std::string KeyOf(const char* id) {
    return "HKEY_LOCAL_MACHINE\\" + tools::activex::CompatibilityKeyOf(id);
  }
};

TEST_F(MalignantFormTest, ListsTheControlsWithOneLockedAndWarnsOfTheOthers) {
  WriteThreeControls();
  machine.SetDword(KeyOf(kB), "Compatibility Flags", 0x400);
  const auto form = Open();
  EXPECT_EQ(Statuses(*form), (std::vector<std::string>{"Free-", "Locked+", "Free-"}));
  EXPECT_EQ(form->LabelList.caption(), "(3 objects)");
  EXPECT_TRUE(form->LabelWarning.visible());
  EXPECT_EQ(form->LabelWarning.caption(),
            "2 ActiveX items could cause potential threats to your PC!");
  EXPECT_TRUE(server.requests().empty()) << "a list that is there is not fetched";
}

TEST_F(MalignantFormTest, SelectAllTicksEveryRowAndItsLabelAppliesTheBoxAgain) {
  WriteThreeControls();
  const auto form = Open();
  form->ChkList.Click();
  EXPECT_EQ(Statuses(*form), (std::vector<std::string>{"Free+", "Free+", "Free+"}));
  (void)form->ListActiveX.SetChecked(1, false);
  form->LabelSelectAll.Click();
  EXPECT_TRUE(form->ChkList.checked()) << "the label does not change the box";
  EXPECT_EQ(Statuses(*form), (std::vector<std::string>{"Free+", "Free+", "Free+"}));
}

TEST_F(MalignantFormTest, LockCountsOnlyWrittenFlagsAndUnlockFreesAll) {
  WriteThreeControls();
  machine.registry.InjectFaults(platform::RootKey::LocalMachine,
                                tools::activex::CompatibilityKeyOf(kC), {.readOnly = true});
  const auto form = Open();
  (void)form->ListActiveX.SetChecked(0, true);
  (void)form->ListActiveX.SetChecked(2, true);
  form->ImmunizeBtn.Click();
  EXPECT_EQ(Statuses(*form), (std::vector<std::string>{"Locked+", "Free-", "Free+"}));
  EXPECT_EQ(form->LabelWarning.caption(),
            "2 ActiveX items could cause potential threats to your PC!");
  EXPECT_FALSE(form->ProtectGauge.visible());
  EXPECT_EQ(form->ProtectGauge.position(), 0);

  form->UnImmunizeBtn.Click();
  EXPECT_EQ(Statuses(*form), (std::vector<std::string>{"Free-", "Free-", "Free-"}));
  EXPECT_EQ(form->LabelWarning.caption(),
            "3 ActiveX items could cause potential threats to your PC!");
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Protect your computer from known malignant ActiveX complete!",
                            "UnLock the known ActiveX objects complete!"}));
  EXPECT_EQ(messages.shown()[0].caption, "Hal Vex");
}

TEST_F(MalignantFormTest, AFailedDownloadOpensEmptyAndTheNextOpeningFetchesAgain) {
  const std::string address = model::UpdateServerUrl(kTestUpdateServer, model::kActiveXCodePath);
  server.Fail(address, platform::HttpFailure::NoConnection);
  {
    const auto form = Open();
    EXPECT_EQ(form->ListActiveX.rowCount(), 0);
    EXPECT_EQ(form->LabelList.caption(), "");
    EXPECT_FALSE(form->LabelHint.visible());
  }
  server.Serve(address, std::string("Alpha") + kA + "\r\n");
  const auto form = Open();
  EXPECT_EQ(form->ListActiveX.rowCount(), 1);
  EXPECT_EQ(server.requests().size(), 2u);
}

// --- TFormRegDll ---

class RegDllFormTest : public ToolWindowTest {
 protected:
  RegDllFormTest() {
    for (const char* name : {"a.dll", "b.ocx", "c.exe", "d.dll"}) {
      machine.AddFile(std::string("C:\\WINDOWS\\system32\\") + name);
    }
  }
  std::vector<std::string> Rows(const tools::TFormRegDll& form) {
    std::vector<std::string> rows;
    for (int row = 0; row < form.lvActivexDLL.rowCount(); ++row) {
      rows.push_back(form.lvActivexDLL.Row(row).caption + " " + form.lvActivexDLL.SubItem(row, 0));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
  }
};

TEST_F(RegDllFormTest, EachRowShowsItsRegistrationsOutcome) {
  runner.ExitWith("b.ocx", 3);
  tools::TFormRegDll form(services);
  windows.Show(form);
  form.btnRepair.Click();
  EXPECT_EQ(Rows(form),
            (std::vector<std::string>{"C:\\WINDOWS\\system32\\a.dll Re-register successfully",
                                      "C:\\WINDOWS\\system32\\b.ocx Re-register failed",
                                      "C:\\WINDOWS\\system32\\d.dll Re-register successfully"}));
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"re-registering ActiveX and .dll objects complete!"}));
  EXPECT_FALSE(busy.busy());
  form.btnRepair.Click();
  EXPECT_EQ(form.lvActivexDLL.rowCount(), 3) << "a second run starts over";
}

TEST_F(RegDllFormTest, StopKeepsTheRowsSoFarAndStillReportsCompletion) {
  tools::TFormRegDll form(services);
  windows.Show(form);
  runner.whileRunning = [&] { form.btnStop.Click(); };
  form.btnRepair.Click();
  EXPECT_EQ(form.lvActivexDLL.rowCount(), 1);
  EXPECT_EQ(runner.commands.size(), 1u);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"re-registering ActiveX and .dll objects complete!"}));
}

class RegDllInMainFormTest : public MainFormTest {};

TEST_F(RegDllInMainFormTest, ASheetChangeDuringARunIsIgnoredAndTheWindowSurvives) {
  machine.AddFile("C:\\WINDOWS\\system32\\a.dll");
  machine.AddFile("C:\\WINDOWS\\system32\\b.dll");
  Make();
  form->AdvanceBtn.Click();
  form->ToolLink(tools::ToolKind::RegisterActiveX).Click();
  auto* tool =
      dynamic_cast<tools::TFormRegDll*>(form->tools().Existing(tools::ToolKind::RegisterActiveX));
  ASSERT_NE(tool, nullptr);
  bool pressed = false;
  pump.AtPassWhen([&] { return tool->running(); }, 1,
                  [&] {
                    form->BackupBtn.Click();
                    pressed = true;
                  });
  tool->btnRepair.Click();
  EXPECT_TRUE(pressed);
  EXPECT_EQ(form->tools().Existing(tools::ToolKind::RegisterActiveX), tool);
  EXPECT_EQ(tool->lvActivexDLL.rowCount(), 2);
}

// --- TSysRestoreForm ---

class SysRestoreFormTest : public ToolWindowTest {
 protected:
  SysRestoreFormTest() {
    machine.AddFile(restorePoints.StorePath(),
                    "[4]\r\nCreationTime=20240131142507.000000+480\r\nRestorePointType=0\r\n"
                    "Description=Installed Alpha\r\n"
                    "[5]\r\nCreationTime=20240131150000.000000+000\r\nRestorePointType=13\r\n"
                    "Description=Cancelled\r\n");
  }
  std::unique_ptr<tools::TSysRestoreForm> Open() {
    auto form = std::make_unique<tools::TSysRestoreForm>(services);
    windows.Show(*form);  // raises its show event
    return form;
  }
  void AnswerInputBox(std::optional<std::string> text) {
    windows.OnModal("InputBox", [text](ui::Form& box) {
      auto& input = dynamic_cast<tools::TInputBoxForm&>(box);
      EXPECT_EQ(input.caption(), "Please Enter");
      EXPECT_EQ(input.LabelPrompt.caption(), "System Backup Name");
      if (text) {
        input.EditValue.SetText(*text);
        input.OkBtn.Click();
      } else {
        input.CancelBtn.Click();
      }
    });
  }
};

TEST_F(SysRestoreFormTest, ListsThePointsInLocalTimeWithoutCancelledOnes) {
  machine.clock.SetUtcOffset(60);
  const auto form = Open();
  ASSERT_EQ(form->RestoreListView.rowCount(), 1);
  EXPECT_EQ(form->RestoreListView.Row(0).caption, "Installed Alpha");
  EXPECT_EQ(form->RestoreListView.SubItem(0, 0), "01/31/2024 07:25:07");
  EXPECT_EQ(form->RestoreListView.SubItem(0, 1), "4");
}

TEST_F(SysRestoreFormTest, CreateTakesAnEmptyNameAndCancelCreatesNothing) {
  const auto form = Open();
  AnswerInputBox(std::nullopt);
  form->BackupButton.Click();
  EXPECT_TRUE(Messages().empty());
  AnswerInputBox("");
  form->BackupButton.Click();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"System backup succeed!"}));
  EXPECT_NE(machine.Read(restorePoints.StorePath()).find("[6]"), std::string::npos);
  restorePoints.ScriptResult(Operation::Create, 1);
  form->BackupButton.Click();
  EXPECT_EQ(Messages().back(), "System backup failed!");
}

TEST_F(SysRestoreFormTest, RestoreAsksToRestartAndRestartsOnlyOnYesWithoutForcing) {
  const auto form = Open();
  form->RestoreButton.Click();
  EXPECT_TRUE(Messages().empty()) << "nothing happens without a selected row";
  form->RestoreListView.SetSelectedIndex(0);
  messages.AnswerNext(MessageAnswer::No);
  form->RestoreButton.Click();
  EXPECT_TRUE(restorePoints.restarts().empty());
  EXPECT_EQ(form->RestoreListView.rowCount(), 1) << "the list is refreshed";
  form->RestoreListView.SetSelectedIndex(0);
  messages.AnswerNext(MessageAnswer::Yes);
  form->RestoreButton.Click();
  EXPECT_EQ(restorePoints.restarts(), (std::vector<std::uint32_t>{0x12}));
  EXPECT_EQ(restorePoints.restored(), (std::vector<std::uint32_t>{4, 4}));
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[0].text,
            "System was successfully restored.\rYou have to reboot you PC to enable the changes.");
  EXPECT_EQ(messages.shown()[0].buttons, platform::MessageButtons::YesNo);
  EXPECT_EQ(messages.shown()[0].icon, platform::MessageIcon::Warning);
}

TEST_F(SysRestoreFormTest, DeleteRemovesTheSelectedPoint) {
  const auto form = Open();
  form->RestoreListView.SetSelectedIndex(0);
  form->DeleteButton.Click();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Remove succeed!"}));
  EXPECT_EQ(form->RestoreListView.rowCount(), 0);
}

TEST_F(SysRestoreFormTest, AnErrorRaisedByTheServiceShowsInTheErrorBox) {
  restorePoints.ScriptError(Operation::List, "Invalid class");
  const auto form = Open();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"error: Invalid class"}));
  restorePoints.ScriptError(Operation::Create, "Access denied");
  AnswerInputBox("x");
  form->BackupButton.Click();
  EXPECT_EQ(Messages().back(), "error: Access denied");
}

}  // namespace
}  // namespace halvex::testing
