#pragma once
// Sending one mail over SMTP, as the error report needs it: connect, log in when a login is
// set, STARTTLS whenever the server offers it, hand over one finished message, disconnect.
#include <cstdint>
#include <string>
#include <string_view>

namespace halvex::platform {

struct SmtpSettings {
  std::string host;
  std::uint16_t port = 25;
  // AUTH LOGIN runs only when a login is set. The password is never shown or written anywhere.
  std::string login;
  std::string password;
  std::string sender;  // the envelope's and the From line's address
  std::string replyTo;
  std::string recipient;  // the one recipient
  // Certificates the server's is checked against beside the system's own; empty for those alone.
  std::string caFile;
  std::uint32_t connectTimeoutMs = 10000;
  std::uint32_t totalTimeoutMs = 60000;
};

struct SmtpResult {
  // The server was reached and greeted; a mail can fail after that (a refused login, say).
  bool connected = false;
  bool sent = false;
  // Why the mail was not sent, in the client's words; never holds the password.
  std::string error;
};

class SmtpClient {
 public:
  virtual ~SmtpClient() = default;
  // Sends `message` (headers, a blank line and the body, lines ending in CR LF) from
  // settings.sender to settings.recipient. Blocks until the exchange has ended or timed out.
  [[nodiscard]] virtual SmtpResult Send(const SmtpSettings& settings, std::string_view message) = 0;
};

// The processors of the machine, as the system reports them (GetSystemInfo).
struct ProcessorFacts {
  std::uint32_t count = 0;
  std::uint32_t type = 0;
  friend bool operator==(const ProcessorFacts&, const ProcessorFacts&) = default;
};

}  // namespace halvex::platform
