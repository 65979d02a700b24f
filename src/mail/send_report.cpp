#include "mail/send_report.h"

namespace halvex::mail {

std::string ProcessorLine(const platform::ProcessorFacts& processors) {
  return "系统中有" + std::to_string(processors.count) + "个CPU" + ",类型为" +
         std::to_string(processors.type);
}

std::string ReportSubject(std::string_view subject, std::string_view userAddress) {
  return std::string(subject) + std::string(kUserNameSeparator) + std::string(userAddress);
}

ReportOutcome SendReport(platform::SmtpClient& client, const platform::SmtpSettings& settings,
                         std::string_view userAddress, std::string_view subject,
                         std::string_view body, const MailStamp& stamp) {
  const ReportMail mail{.from = settings.sender,
                        .replyTo = settings.replyTo,
                        .to = settings.recipient,
                        .subject = ReportSubject(subject, userAddress),
                        .body = std::string(body)};
  const platform::SmtpResult result = client.Send(settings, ComposeMessage(mail, stamp));
  ReportOutcome outcome;
  outcome.connected = result.connected;
  if (!result.sent) {
    outcome.error = std::string(kErrorPrefix) +
                    (result.error.empty() ? std::string("the mail was not sent") : result.error);
  }
  return outcome;
}

}  // namespace halvex::mail
