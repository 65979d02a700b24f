#pragma once
// SendReport: the error report as the "Send" button and halvex-cli's report verb send it.
#include <string>
#include <string_view>

#include "mail/mail_message.h"
#include "platform/smtp_client.h"

namespace halvex::mail {

inline constexpr std::string_view kErrorPrefix = "ERROR: ";
inline constexpr std::string_view kEndOfMail = "end of the mail";
inline constexpr std::string_view kEndOfMailCaption = "Hint";
// Put between the subject the user typed and the address the user typed.
inline constexpr std::string_view kUserNameSeparator = "  User Name:";

// The body the dialog starts with: the processors of the machine, as UTF-8.
std::string ProcessorLine(const platform::ProcessorFacts& processors);

// The subject the vendor reads: the subject, "  User Name:" and the user's address.
std::string ReportSubject(std::string_view subject, std::string_view userAddress);

struct ReportOutcome {
  // "ERROR: " and the client's words; empty when the mail was sent.
  std::string error;
  // The server was reached, so the exchange ended with a disconnect ("end of the mail").
  bool connected = false;
};

// Sends the report with `settings`: From the sender, Reply-To and To as they say.
ReportOutcome SendReport(platform::SmtpClient& client, const platform::SmtpSettings& settings,
                         std::string_view userAddress, std::string_view subject,
                         std::string_view body, const MailStamp& stamp);

}  // namespace halvex::mail
