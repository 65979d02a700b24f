#include "mail/curl_smtp_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace halvex::mail {
namespace {

struct Upload {
  std::string_view rest;
};

std::size_t ReadMessage(char* buffer, std::size_t size, std::size_t count, void* data) {
  auto* upload = static_cast<Upload*>(data);
  const std::size_t length = std::min(size * count, upload->rest.size());
  std::memcpy(buffer, upload->rest.data(), length);
  upload->rest.remove_prefix(length);
  return length;
}

// No message of the client may carry the password, whatever the library puts in it.
std::string WithoutSecret(std::string text, const std::string& secret) {
  if (secret.empty()) return text;
  for (std::size_t at = text.find(secret); at != std::string::npos; at = text.find(secret, at)) {
    text.replace(at, secret.size(), "***");
  }
  return text;
}

std::string Address(const std::string& address) {
  return "<" + address + ">";
}

}  // namespace

CurlSmtpClient::CurlSmtpClient() {
  static std::once_flag initialized;
  std::call_once(initialized, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CurlSmtpClient::~CurlSmtpClient() = default;

platform::SmtpResult CurlSmtpClient::Send(const platform::SmtpSettings& settings,
                                          std::string_view message) {
  CURL* curl = curl_easy_init();
  if (curl == nullptr) {
    platform::SmtpResult failed;
    failed.error = "the mail client could not start";
    return failed;
  }

  char errorText[CURL_ERROR_SIZE] = {};
  const std::string url = "smtp://" + settings.host + ":" + std::to_string(settings.port);
  const std::string sender = Address(settings.sender);
  curl_slist* recipients = curl_slist_append(nullptr, Address(settings.recipient).c_str());
  Upload upload{message};

  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(settings.connectTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(settings.totalTimeoutMs));
  // STARTTLS whenever the server offers it, and then only with a certificate that checks out:
  // a failed check ends the exchange, it never falls back to plain text.
  curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!settings.caFile.empty()) {
    curl_easy_setopt(curl, CURLOPT_CAINFO, settings.caFile.c_str());
    // A private authority names no revocation service; Schannel would refuse its certificates.
    curl_easy_setopt(curl, CURLOPT_SSL_OPTIONS, static_cast<long>(CURLSSLOPT_NO_REVOKE));
  }
  if (!settings.login.empty()) {
    curl_easy_setopt(curl, CURLOPT_USERNAME, settings.login.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, settings.password.c_str());
    curl_easy_setopt(curl, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
  }
  curl_easy_setopt(curl, CURLOPT_MAIL_FROM, sender.c_str());
  curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadMessage);
  curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
  curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));

  const CURLcode code = curl_easy_perform(curl);
  long lastReply = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &lastReply);

  platform::SmtpResult result;
  // Reached means the server greeted: a refused or silent connection ends in the error alone.
  result.connected = lastReply > 0;
  result.sent = code == CURLE_OK;
  if (!result.sent) {
    result.error = WithoutSecret(errorText[0] != '\0' ? errorText : curl_easy_strerror(code),
                                 settings.password);
  }
  curl_slist_free_all(recipients);
  curl_easy_cleanup(curl);
  return result;
}

}  // namespace halvex::mail
