#include "mail/mail_message.h"

#include <array>
#include <chrono>
#include <random>

namespace halvex::mail {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBase64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// An encoded word may be 75 characters long: "=?UTF-8?B?" and "?=" leave 63 for base64, which
// carries 45 bytes in 60.
constexpr std::size_t kBytesPerEncodedWord = 45;
// Base64 body lines of 76 characters carry 57 bytes.
constexpr std::size_t kBytesPerBodyLine = 57;

bool IsPlainAscii(std::string_view text) {
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte > 0x7e) return false;
  }
  return true;
}

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xc0) == 0x80;
}

// The body with every line ending in CR LF, a lone CR or LF included.
std::string WithCrLf(std::string_view text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines += kLineEnd;
    } else if (text[i] == '\n') {
      lines += kLineEnd;
    } else {
      lines += text[i];
    }
  }
  return lines;
}

// The domain of an address, for the Message-ID; "localhost" when it has none.
std::string_view DomainOf(std::string_view address) {
  const std::size_t at = address.rfind('@');
  if (at == std::string_view::npos || at + 1 == address.size()) return "localhost";
  std::string_view domain = address.substr(at + 1);
  return domain.substr(0, domain.find('>'));
}

// Days since 1970-01-01 as a civil date (the proleptic Gregorian calendar).
struct CivilDate {
  int year;
  unsigned month;
  unsigned day;
};
CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
  const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  const auto year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

std::string TwoDigits(unsigned number) {
  return {static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10)};
}

}  // namespace

MailStamp StampNow() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const std::int64_t seconds = std::chrono::duration_cast<std::chrono::seconds>(now).count();
  std::random_device random;
  const std::uint64_t noise = (std::uint64_t{random()} << 32) | random();
  return {.utcSeconds = seconds,
          .unique = std::to_string(seconds) + "." + std::to_string(noise) + ".halvex"};
}

std::string HeaderText(std::string_view text) {
  std::string clean(text);
  for (char& c : clean) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return clean;
}

std::string Base64(std::string_view bytes) {
  std::string encoded;
  encoded.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::uint32_t group = static_cast<std::uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) group |= static_cast<std::uint8_t>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) group |= static_cast<std::uint8_t>(bytes[i + 2]);
    encoded += kBase64Alphabet[(group >> 18) & 63];
    encoded += kBase64Alphabet[(group >> 12) & 63];
    encoded += i + 1 < bytes.size() ? kBase64Alphabet[(group >> 6) & 63] : '=';
    encoded += i + 2 < bytes.size() ? kBase64Alphabet[group & 63] : '=';
  }
  return encoded;
}

std::string EncodeHeaderText(std::string_view utf8) {
  if (IsPlainAscii(utf8)) return std::string(utf8);
  std::string words;
  while (!utf8.empty()) {
    std::size_t length = std::min(utf8.size(), kBytesPerEncodedWord);
    // A word holds whole characters: never end it inside a multi-byte sequence.
    while (length < utf8.size() && length > 1 && IsContinuationByte(utf8[length])) --length;
    if (!words.empty()) words += "\r\n ";
    words += "=?UTF-8?B?" + Base64(utf8.substr(0, length)) + "?=";
    utf8.remove_prefix(length);
  }
  return words;
}

std::string MailDate(std::int64_t utcSeconds) {
  static constexpr std::array<std::string_view, 7> kWeekdays{"Thu", "Fri", "Sat", "Sun",
                                                             "Mon", "Tue", "Wed"};
  static constexpr std::array<std::string_view, 12> kMonths{
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::int64_t days = (utcSeconds >= 0 ? utcSeconds : utcSeconds - 86399) / 86400;
  const auto secondOfDay = static_cast<unsigned>(utcSeconds - days * 86400);
  const CivilDate date = CivilFromDays(days);
  const auto weekday = static_cast<std::size_t>(((days % 7) + 7) % 7);
  return std::string(kWeekdays[weekday]) + ", " + std::to_string(date.day) + " " +
         std::string(kMonths[date.month - 1]) + " " + std::to_string(date.year) + " " +
         TwoDigits(secondOfDay / 3600) + ":" + TwoDigits(secondOfDay / 60 % 60) + ":" +
         TwoDigits(secondOfDay % 60) + " +0000";
}

std::string ComposeMessage(const ReportMail& mail, const MailStamp& stamp) {
  std::string message;
  const auto header = [&](std::string_view name, std::string_view value) {
    message.append(name).append(": ").append(value).append(kLineEnd);
  };
  header("Date", MailDate(stamp.utcSeconds));
  header("From", HeaderText(mail.from));
  header("Reply-To", HeaderText(mail.replyTo));
  header("To", HeaderText(mail.to));
  header("Subject", EncodeHeaderText(HeaderText(mail.subject)));
  header("Message-ID",
         "<" + HeaderText(stamp.unique) + "@" + HeaderText(DomainOf(mail.from)) + ">");
  header("MIME-Version", "1.0");
  header("Content-Type", "text/plain; charset=UTF-8");
  header("Content-Transfer-Encoding", "base64");
  message += kLineEnd;
  const std::string body = Base64(WithCrLf(mail.body));
  for (std::size_t i = 0; i < body.size(); i += kBytesPerBodyLine / 3 * 4) {
    message.append(body.substr(i, kBytesPerBodyLine / 3 * 4)).append(kLineEnd);
  }
  return message;
}

}  // namespace halvex::mail
