#pragma once
// The error report as a mail: its headers and its body as the server receives them. Every line
// ends in CR LF; the body is UTF-8 text, sent in base64 so that no line is too long and no byte
// depends on the server's 8-bit support.
#include <cstdint>
#include <string>
#include <string_view>

namespace halvex::mail {

struct ReportMail {
  std::string from;
  std::string replyTo;
  std::string to;
  std::string subject;  // UTF-8
  std::string body;     // UTF-8, lines ending in CR LF, LF or CR
};

// What makes a message unique: the time it was written and a text no other message has.
struct MailStamp {
  std::int64_t utcSeconds = 0;  // since 1970-01-01 00:00 UTC
  std::string unique;
};
// Now, and a unique text made of the time and a random number.
MailStamp StampNow();

// A header's text with every CR and LF replaced by a blank: what a user typed can never start a
// header line of its own.
std::string HeaderText(std::string_view text);

// The header text as it goes on the wire: unchanged when it is printable ASCII, otherwise
// RFC 2047 words ("=?UTF-8?B?...?=") of whole characters, folded onto lines of their own.
std::string EncodeHeaderText(std::string_view utf8);

// "Fri, 11 Dec 2026 00:28:26 +0000".
std::string MailDate(std::int64_t utcSeconds);

std::string Base64(std::string_view bytes);

// The whole message: Date, From, Reply-To, To, Subject, Message-ID, MIME-Version and the
// content headers, a blank line and the body in base64.
std::string ComposeMessage(const ReportMail& mail, const MailStamp& stamp);

}  // namespace halvex::mail
