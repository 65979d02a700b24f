#pragma once
// The SMTP client on libcurl: Debian's natively, a static Schannel build in the Windows builds.
#include "platform/smtp_client.h"

namespace halvex::mail {

class CurlSmtpClient final : public platform::SmtpClient {
 public:
  CurlSmtpClient();
  ~CurlSmtpClient() override;
  CurlSmtpClient(const CurlSmtpClient&) = delete;
  CurlSmtpClient& operator=(const CurlSmtpClient&) = delete;

  [[nodiscard]] platform::SmtpResult Send(const platform::SmtpSettings& settings,
                                          std::string_view message) override;
};

}  // namespace halvex::mail
