#include "mail/mail_settings.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>

#include "mail/mail_config.h"

namespace halvex::mail {
namespace {

template <typename Number>
void ReadNumber(const EnvironmentReader& environment, std::string_view name, Number& number) {
  const std::optional<std::string> text = environment(name);
  if (!text) return;
  Number parsed{};
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), parsed);
  if (error == std::errc{} && end == text->data() + text->size()) number = parsed;
}

void ReadText(const EnvironmentReader& environment, std::string_view name, std::string& text) {
  if (std::optional<std::string> value = environment(name)) text = std::move(*value);
}

}  // namespace

platform::SmtpSettings BuiltInMailSettings() {
  return platform::SmtpSettings{.host = HALVEX_MAIL_HOST,
                                .port = HALVEX_MAIL_PORT,
                                .login = HALVEX_MAIL_LOGIN,
                                .password = HALVEX_MAIL_PASSWORD,
                                .sender = HALVEX_MAIL_SENDER,
                                .replyTo = HALVEX_MAIL_REPLY_TO,
                                .recipient = HALVEX_MAIL_RECIPIENT,
                                .caFile = HALVEX_MAIL_CA_FILE,
                                .connectTimeoutMs = HALVEX_MAIL_CONNECT_TIMEOUT_MS,
                                .totalTimeoutMs = HALVEX_MAIL_TIMEOUT_MS};
}

std::optional<std::string> ProcessEnvironment(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

platform::SmtpSettings WithEnvironment(platform::SmtpSettings settings,
                                       const EnvironmentReader& environment) {
  ReadText(environment, "HALVEX_MAIL_HOST", settings.host);
  ReadNumber(environment, "HALVEX_MAIL_PORT", settings.port);
  ReadText(environment, "HALVEX_MAIL_LOGIN", settings.login);
  ReadText(environment, "HALVEX_MAIL_PASSWORD", settings.password);
  ReadText(environment, "HALVEX_MAIL_SENDER", settings.sender);
  ReadText(environment, "HALVEX_MAIL_REPLY_TO", settings.replyTo);
  ReadText(environment, "HALVEX_MAIL_RECIPIENT", settings.recipient);
  ReadText(environment, "HALVEX_MAIL_CA_FILE", settings.caFile);
  ReadNumber(environment, "HALVEX_MAIL_CONNECT_TIMEOUT_MS", settings.connectTimeoutMs);
  ReadNumber(environment, "HALVEX_MAIL_TIMEOUT_MS", settings.totalTimeoutMs);
  return settings;
}

platform::SmtpSettings ConfiguredMailSettings() {
  return WithEnvironment(BuiltInMailSettings(), ProcessEnvironment);
}

}  // namespace halvex::mail
