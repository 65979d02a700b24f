// The report's headers: typed line breaks never start a header, non-ASCII subjects are encoded
// words of whole characters, the date is in the mail's format.
#include <gtest/gtest.h>

#include "mail/mail_message.h"

namespace halvex::mail {
namespace {

TEST(MailHeaders, TypedLineBreaksBecomeBlanks) {
  EXPECT_EQ(HeaderText("a\r\nBcc: x\ry\nz"), "a  Bcc: x y z");
}

TEST(MailHeaders, OnlyNonAsciiTextIsEncodedInWordsOfWholeCharacters) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"Crash  User Name:a@b.c", "Crash  User Name:a@b.c"},
      {"é", "=?UTF-8?B?w6k=?="},
      // 16 three-byte characters: the first word ends before the 46th byte, inside none.
      {std::string(48, 'x').replace(0, 48, "系统中有系统中有系统中有系统中有"),
       "=?UTF-8?B?57O757uf5Lit5pyJ57O757uf5Lit5pyJ57O757uf5Lit5pyJ57O757uf5Lit?=\r\n "
       "=?UTF-8?B?5pyJ?="}};
  for (const auto& [text, encoded] : cases) {
    EXPECT_EQ(EncodeHeaderText(text), encoded) << text;
  }
}

TEST(MailHeaders, TheDateIsInTheMailsFormat) {
  EXPECT_EQ(MailDate(0), "Thu, 1 Jan 1970 00:00:00 +0000");
  EXPECT_EQ(MailDate(1796776106), "Wed, 9 Dec 2026 00:28:26 +0000");
}

TEST(MailMessage, HeadersEndInCrLfAndTheBodyFollowsABlankLine) {
  const std::string message = ComposeMessage({.from = "s@h.example",
                                              .replyTo = "r@h.example",
                                              .to = "r@h.example",
                                              .subject = "S",
                                              .body = "line\nnext"},
                                             {.utcSeconds = 0, .unique = "u1"});
  EXPECT_EQ(message,
            "Date: Thu, 1 Jan 1970 00:00:00 +0000\r\nFrom: s@h.example\r\n"
            "Reply-To: r@h.example\r\nTo: r@h.example\r\nSubject: S\r\n"
            "Message-ID: <u1@h.example>\r\nMIME-Version: 1.0\r\n"
            "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: base64\r\n"
            "\r\nbGluZQ0KbmV4dA==\r\n");
}

}  // namespace
}  // namespace halvex::mail
