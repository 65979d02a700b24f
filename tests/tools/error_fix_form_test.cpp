// TErrorFixForm on the control models: its creation (with the download), the description box,
// Select All and the IE re-install rows, the repair's message, and the Support dialog with a
// recording mail server.
#include <gtest/gtest.h>

#include "mail/e_mail_form.h"
#include "model/program_folder.h"
#include "tests/support/substitute_program.h"
#include "tools/error_utilities/error_fix_form.h"

namespace halvex::testing {
namespace {

using platform::MessageAnswer;
using platform::MessageIcon;
using tools::TErrorFixForm;

constexpr std::string_view kListUrl = "http://updates.test/update2.0/errorlist.txt";
constexpr std::string_view kList =
    "A)HKEY_CURRENT_USER\\Software\\X||V1#5$1@0,V2#abc$1@1##Fixes A\r\n"
    "A)HKEY_CURRENT_USER\\Software\\Y||V3#$2@0##Fixes A\r\n"
    "IE 6.0 was unable to re-install)HKEY_CURRENT_USER\\Software\\IE||R#1$1@0##Reinstall\r\n"
    "N)HKEY_CURRENT_USER\\Software\\X||Count#many$1@0##Not a number\r\n";

class ErrorFixFormTest : public ::testing::Test {
 protected:
  void SetUp() override { program.machine.AddFolder(program.machine.files().ProgramFolder()); }
  // As the tool host shows it.
  std::unique_ptr<TErrorFixForm> Open() {
    auto form = std::make_unique<TErrorFixForm>(services());
    form->SetVisible(true);
    return form;
  }
  const ui::ProgramServices& services() { return program.programServices; }
  std::string ListPath() {
    return model::InProgramFolder(program.machine.files(), "errorlist.txt");
  }
  int RowNamed(const TErrorFixForm& form, std::string_view caption) {
    for (int row = 0; row < form.listerror.rowCount(); ++row) {
      if (form.listerror.Row(row).caption == caption) return row;
    }
    ADD_FAILURE() << "no row " << caption;
    return -1;
  }
  std::vector<bool> Ticks(const TErrorFixForm& form) {
    std::vector<bool> ticks;
    for (int row = 0; row < form.listerror.rowCount(); ++row) {
      ticks.push_back(form.listerror.Row(row).checked);
    }
    return ticks;
  }

  SubstituteProgram program;
};

TEST_F(ErrorFixFormTest, AMissingListIsDownloadedUnderTheHintAndFillsTheList) {
  program.server.Serve(kListUrl, kList);

  auto form = Open();

  EXPECT_EQ(program.windows.shown().at(0), "HintForm");
  EXPECT_EQ(program.server.requests().size(), 1u);
  ASSERT_EQ(form->listerror.rowCount(), 3 + 4);
  EXPECT_EQ(form->listerror.Row(0).caption, "A");
  EXPECT_EQ(form->listerror.SubItem(0, 0), "Fixes A");
  EXPECT_EQ(form->listerror.SubItem(0, 1), "reg");
  EXPECT_EQ(form->listerror.SubItem(3, 1), "");
  EXPECT_EQ(form->listerror.columns().at(0).caption, "Error Info");
  EXPECT_EQ(form->listerror.columns().at(1).caption, "Error description");
}

TEST_F(ErrorFixFormTest, AFailedDownloadShowsTheBuiltInRowsAndTheNextWindowFetchesAgain) {
  program.server.Fail(kListUrl, platform::HttpFailure::NoConnection);
  auto first = Open();
  EXPECT_EQ(first->listerror.rowCount(), 4);
  EXPECT_FALSE(program.machine.files().FileExists(ListPath()));
  first.reset();

  program.server.Serve(kListUrl, kList);
  auto second = Open();
  EXPECT_EQ(program.server.requests().size(), 2u);
  EXPECT_EQ(second->listerror.rowCount(), 3 + 4);
}

TEST_F(ErrorFixFormTest, AnExistingEmptyListIsUsedAsItIs) {
  program.machine.AddFile(ListPath(), "");
  auto form = Open();
  EXPECT_TRUE(program.server.requests().empty());
  EXPECT_TRUE(program.windows.shown().empty());
  EXPECT_EQ(form->listerror.rowCount(), 4);
}

TEST_F(ErrorFixFormTest, SelectingARowShowsItsDescription) {
  program.machine.AddFile(ListPath(), kList);
  auto form = Open();
  form->listerror.SetSelectedIndex(0);
  EXPECT_EQ(form->MemoText.text(), "Fixes A");
  form->listerror.SetSelectedIndex(ui::ListView::kNone);
  EXPECT_EQ(form->MemoText.text(), "");
}

TEST_F(ErrorFixFormTest, SelectAllTicksEveryRowButTheReinstallRowsAndItsLabelTogglesTheBox) {
  program.machine.AddFile(ListPath(), kList);
  auto form = Open();
  const int reinstall = RowNamed(*form, "IE 6.0 was unable to re-install");

  form->abSelectAll.Click();
  EXPECT_TRUE(form->cbSelectAll.checked());
  std::vector<bool> expected(7, true);
  expected[static_cast<std::size_t>(reinstall)] = false;
  EXPECT_EQ(Ticks(*form), expected);

  form->cbSelectAll.Click();
  EXPECT_EQ(Ticks(*form), std::vector<bool>(7, false));
}

TEST_F(ErrorFixFormTest, APressOnAReinstallRowsBoxAsksAndTicksOnlyOnYes) {
  program.machine.AddFile(ListPath(), kList);
  auto form = Open();
  const int row = RowNamed(*form, "IE 6.0 was unable to re-install");

  program.messages.AnswerNext(MessageAnswer::No);
  EXPECT_TRUE(form->listerror.TakesRowPress(row, true));
  EXPECT_FALSE(form->listerror.Row(row).checked);
  ASSERT_EQ(program.messages.shown().size(), 1u);
  EXPECT_EQ(program.messages.shown()[0].text, tools::kReinstallWarning);
  EXPECT_EQ(program.messages.shown()[0].icon, MessageIcon::Warning);

  program.messages.AnswerNext(MessageAnswer::Yes);
  EXPECT_TRUE(form->listerror.TakesRowPress(row, true));
  EXPECT_TRUE(form->listerror.Row(row).checked);

  // A press on the row itself unticks it without asking, and selects it as usual.
  EXPECT_FALSE(form->listerror.TakesRowPress(row, false));
  EXPECT_FALSE(form->listerror.Row(row).checked);
  EXPECT_EQ(program.messages.shown().size(), 2u);
  // Other rows are the list's own business.
  EXPECT_FALSE(form->listerror.TakesRowPress(0, true));
}

TEST_F(ErrorFixFormTest, RepairShowsTheFixedMessageOnlyWhenEveryActionWasApplied) {
  program.machine.AddFile(ListPath(), kList);
  program.machine.SetString("HKEY_CURRENT_USER\\Software\\X", "seed", "");
  program.machine.SetString("HKEY_CURRENT_USER\\Software\\Y", "V3", "old");
  auto form = Open();

  ASSERT_TRUE(form->listerror.SetChecked(0, true));
  form->BitBtn1.Click();
  ASSERT_EQ(program.messages.shown().size(), 1u);
  EXPECT_EQ(program.messages.shown()[0].text, "System error has fixed!");
  EXPECT_EQ(program.messages.shown()[0].icon, MessageIcon::Information);
  EXPECT_FALSE(program.machine.ValueExists("HKEY_CURRENT_USER\\Software\\Y", "V3"));

  ASSERT_TRUE(form->listerror.SetChecked(RowNamed(*form, "N"), true));
  form->BitBtn1.Click();
  ASSERT_EQ(program.messages.shown().size(), 2u);
  EXPECT_EQ(program.messages.shown()[1].text, std::string(tools::kErrorsNotFullyFixed) + "\rN");
  EXPECT_EQ(program.messages.shown()[1].icon, MessageIcon::Warning);
}

TEST_F(ErrorFixFormTest, ABuiltInRowTickedAloneChangesNothingAndKeepsTheFixedMessage) {
  program.machine.AddFile(ListPath(), kList);
  program.machine.SetString("HKEY_CURRENT_USER\\Software\\Y", "V3", "old");
  auto form = Open();

  ASSERT_TRUE(form->listerror.SetChecked(RowNamed(*form, "Unable to update Windows online"), true));
  form->BitBtn1.Click();

  EXPECT_TRUE(program.machine.ValueExists("HKEY_CURRENT_USER\\Software\\Y", "V3"));
  ASSERT_EQ(program.messages.shown().size(), 1u);
  EXPECT_EQ(program.messages.shown()[0].text, "System error has fixed!");
}

TEST_F(ErrorFixFormTest, ReportOpensTheSupportDialogWhichSendsThroughTheMailServer) {
  program.machine.AddFile(ListPath(), "");
  auto form = Open();
  std::string body;
  program.windows.OnModal("EMailForm", [&](ui::Form& dialog) {
    auto& mail = static_cast<mail::TEMailForm&>(dialog);
    dialog.Shown();
    body = mail.MemoText.text();
    mail.TxtSendFile.SetText("user@example.org");
    mail.TxtSubject.SetText("Crash\r\nBcc: victim@example.org");
    mail.btnSend.Click();
    mail.btnClose.Click();
  });

  form->BitBtn2.Click();

  EXPECT_EQ(program.windows.modals(), std::vector<std::string>{"EMailForm"});
  EXPECT_EQ(body, "系统中有2个CPU,类型为586");
  ASSERT_EQ(program.mailServer.mails.size(), 1u);
  const std::string& message = program.mailServer.mails[0].message;
  EXPECT_NE(
      message.find("\r\nSubject: Crash  Bcc: victim@example.org  User Name:user@example.org\r\n"),
      std::string::npos)
      << message;
  EXPECT_EQ(message.find("\r\nBcc:"), std::string::npos) << message;
  ASSERT_EQ(program.messages.shown().size(), 1u);
  EXPECT_EQ(program.messages.shown()[0].text, "end of the mail");
  EXPECT_EQ(program.messages.shown()[0].caption, "Hint");
}

// The server's answer is kept as plain fields: GCC 12 warns falsely of an uninitialised string
// when a result with a std::string is built inside the optimised case list.
struct SendCase {
  const char* name;
  bool connected;
  bool sent;
  const char* error;
  std::vector<std::string> messages;
};

class SupportDialogSend : public ::testing::TestWithParam<SendCase> {};

TEST_P(SupportDialogSend, ShowsTheErrorAndTheEndOnlyAfterAConnection) {
  SubstituteProgram program;
  program.mailServer.answer = {
      .connected = GetParam().connected, .sent = GetParam().sent, .error = GetParam().error};
  mail::TEMailForm dialog({.smtp = program.mailServer,
                           .messages = program.messages,
                           .processors = kTestProcessors,
                           .settings = {}});
  dialog.SetVisible(true);
  dialog.Shown();
  dialog.btnSend.Click();

  std::vector<std::string> shown;
  for (const auto& message : program.messages.shown()) shown.push_back(message.text);
  EXPECT_EQ(shown, GetParam().messages);
  ASSERT_EQ(program.mailServer.mails.size(), 1u);
  EXPECT_NE(program.mailServer.mails[0].message.find("\r\nSubject:   User Name:\r\n"),
            std::string::npos)
      << "empty fields still send, with the subject \"  User Name:\"";
}

INSTANTIATE_TEST_SUITE_P(Answers, SupportDialogSend,
                         ::testing::Values(SendCase{"Sent", true, true, "", {"end of the mail"}},
                                           SendCase{"RefusedAfterConnecting",
                                                    true,
                                                    false,
                                                    "Login denied",
                                                    {"ERROR: Login denied", "end of the mail"}},
                                           SendCase{"NoConnection",
                                                    false,
                                                    false,
                                                    "Couldn't connect to server",
                                                    {"ERROR: Couldn't connect to server"}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace halvex::testing
