#pragma once
// TEMailForm: the "Support" dialog in which the user describes an error the error utilities do
// not list, and "Send" mails it to the vendor's error-report mailbox.
#include "mail/mail_message.h"
#include "platform/message_boxes.h"
#include "platform/smtp_client.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"

namespace halvex::mail {

// What the dialog sends with.
struct MailServices {
  platform::SmtpClient& smtp;
  platform::MessageBoxes& messages;
  platform::ProcessorFacts processors;
  platform::SmtpSettings settings;
};

class TEMailForm : public ui::Form {
 public:
  explicit TEMailForm(MailServices services);

  void FormShow();
  void btnSendClick();
  void btnCloseClick();

  ui::Label abSendFile{"abSendFile"};
  ui::Edit TxtSendFile{"TxtSendFile"};
  ui::Label abSubject{"abSubject"};
  ui::Edit TxtSubject{"TxtSubject"};
  ui::Edit MemoText{"MemoText", true};
  ui::Button btnSend{"btnSend", "Send"};
  ui::Button btnClose{"btnClose", "Close"};

 private:
  MailServices services_;
};

}  // namespace halvex::mail
