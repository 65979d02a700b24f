#pragma once
// A mail server for tests: records every mail handed to it with the settings it came with, and
// answers as the test scripted (sent, by default).
#include <string>
#include <vector>

#include "platform/smtp_client.h"

namespace halvex::platform::substitute {

class RecordingSmtpClient final : public SmtpClient {
 public:
  struct Mail {
    SmtpSettings settings;
    std::string message;
  };

  SmtpResult Send(const SmtpSettings& settings, std::string_view message) override {
    mails.push_back({settings, std::string(message)});
    return answer;
  }

  SmtpResult answer{.connected = true, .sent = true, .error = {}};
  std::vector<Mail> mails;
};

}  // namespace halvex::platform::substitute
