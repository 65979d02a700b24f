// halvex-cli report: sends one error report as the Support dialog's "Send" does, with the mail
// settings of the build and of the environment (HALVEX_MAIL_*).
#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/processors.h"
#include "cli/verb.h"
#include "mail/curl_smtp_client.h"
#include "mail/mail_settings.h"
#include "mail/send_report.h"

namespace halvex::cli {
namespace {

constexpr VerbOption kOptions[] = {
    {.name = "--from",
     .valueName = "ADDR",
     .valueNeeded = "the address to answer",
     .description = "the user's own address (\"User Email\")"},
    {.name = "--subject",
     .valueName = "TEXT",
     .valueNeeded = "a subject",
     .description = "the subject; \"  User Name:\" and the address follow it"},
    {.name = "--body-file",
     .valueName = "FILE",
     .valueNeeded = "a file",
     .description = "the message, UTF-8 text; the processor line when not given"},
};

std::string LastValue(const CommandLine& line, std::string_view option) {
  const std::vector<std::string> values = line.Values(option);
  return values.empty() ? std::string() : values.back();
}

VerbResult RunReport(VerbCall& call) {
  if (!call.line.Has("--from") || !call.line.Has("--subject")) {
    return call.Refuse("report needs --from ADDR and --subject TEXT");
  }
  std::string body = mail::ProcessorLine(ThisComputersProcessors());
  if (call.line.Has("--body-file")) {
    const std::string path = LastValue(call.line, "--body-file");
    std::ifstream file(path, std::ios::binary);
    if (!file) return call.Refuse("cannot read the body file " + path);
    std::ostringstream text;
    text << file.rdbuf();
    body = text.str();
  }
  mail::CurlSmtpClient client;
  const mail::ReportOutcome outcome =
      mail::SendReport(client, mail::ConfiguredMailSettings(), LastValue(call.line, "--from"),
                       LastValue(call.line, "--subject"), body, mail::StampNow());
  if (!outcome.error.empty()) {
    std::fprintf(call.console.err, "%s\n", outcome.error.c_str());
    return VerbResult::Failed;
  }
  std::fprintf(call.console.out, "%s\n", std::string(mail::kEndOfMail).c_str());
  return VerbResult::Done;
}

}  // namespace

extern const Verb kReportVerb{
    .name = "report",
    .usage = "Mails an error report to the vendor's error-report mailbox.",
    .options = kOptions,
    .run = RunReport};

}  // namespace halvex::cli
