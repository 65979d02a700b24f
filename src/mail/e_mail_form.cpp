#include "mail/e_mail_form.h"

#include "mail/send_report.h"
#include "ui/product_name.h"

namespace halvex::mail {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 330;
// The message boxes' title, the program's name.

}  // namespace

TEMailForm::TEMailForm(MailServices services)
    : ui::Form("EMailForm"), services_(std::move(services)) {
  borderStyle = ui::BorderStyle::Dialog;
  SetCaption("Support");
  SetBounds(ui::Rect::At(0, 0, kWidth, kHeight));

  abSendFile.SetCaption("User Email");
  abSendFile.SetBounds(ui::Rect::At(12, 16, 70, 18));
  AddChild(abSendFile);
  TxtSendFile.SetBounds(ui::Rect::At(90, 12, kWidth - 110, 22));
  AddChild(TxtSendFile);

  abSubject.SetCaption("Subject");
  abSubject.SetBounds(ui::Rect::At(12, 46, 70, 18));
  AddChild(abSubject);
  TxtSubject.SetBounds(ui::Rect::At(90, 42, kWidth - 110, 22));
  AddChild(TxtSubject);

  MemoText.SetBounds(ui::Rect::At(12, 76, kWidth - 32, kHeight - 150));
  AddChild(MemoText);

  btnSend.SetBounds(ui::Rect::At(kWidth - 190, kHeight - 64, 75, 25));
  btnSend.onClick = [this] { btnSendClick(); };
  AddChild(btnSend);
  btnClose.SetBounds(ui::Rect::At(kWidth - 105, kHeight - 64, 75, 25));
  btnClose.onClick = [this] { btnCloseClick(); };
  AddChild(btnClose);

  onShow = [this] { FormShow(); };
}

void TEMailForm::FormShow() {
  MemoText.SetText(ProcessorLine(services_.processors));
}

void TEMailForm::btnSendClick() {
  const ReportOutcome outcome = SendReport(services_.smtp, services_.settings, TxtSendFile.text(),
                                           TxtSubject.text(), MemoText.text(), StampNow());
  if (!outcome.error.empty()) {
    (void)services_.messages.Show(outcome.error, ui::kProductName, platform::MessageButtons::Ok,
                                  platform::MessageIcon::None);
  }
  if (outcome.connected) {
    (void)services_.messages.Show(kEndOfMail, kEndOfMailCaption, platform::MessageButtons::Ok,
                                  platform::MessageIcon::None);
  }
}

void TEMailForm::btnCloseClick() {
  SetModalResult(ui::ModalResult::Cancel);
  Close();
}

}  // namespace halvex::mail
