// The SMTP client on libcurl against a real server on loopback (Debian's aiosmtpd, started by
// the test on a free port and stopped after): what the server receives, AUTH LOGIN, STARTTLS
// with a certificate the settings trust, a server that is down and one that never answers.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "mail/curl_smtp_client.h"
#include "mail/send_report.h"

extern char** environ;

namespace halvex::mail {
namespace {

namespace fs = std::filesystem;

// The system's Python, which has Debian's aiosmtpd (a Python of the user's may come first in
// PATH).
constexpr const char* kDebianPython = "/usr/bin/python3";

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A throwaway secret, made up for this run only.
std::string MadeUpSecret() {
  std::random_device random;
  return "pw" + std::to_string(random()) + std::to_string(random());
}

class SmtpPeer {
 public:
  SmtpPeer(std::string mode, const fs::path& folder, std::vector<std::string> environment = {},
           std::vector<std::string> extra = {})
      : folder_(folder) {
    std::vector<std::string> words{kDebianPython, HALVEX_SMTP_PEER, "--mode",
                                   mode,          "--dir",          folder.string()};
    words.insert(words.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    for (char** entry = environ; *entry != nullptr; ++entry) environment.emplace_back(*entry);
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    if (posix_spawn(&pid_, kDebianPython, nullptr, nullptr, argv.data(), envp.data()) != 0)
      pid_ = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (pid_ != 0 && !fs::exists(folder / "port") &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (fs::exists(folder / "port"))
      port_ = static_cast<std::uint16_t>(std::stoi(ReadAll(folder / "port")));
  }
  ~SmtpPeer() {
    if (pid_ == 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
  SmtpPeer(const SmtpPeer&) = delete;
  SmtpPeer& operator=(const SmtpPeer&) = delete;

  std::uint16_t port() const { return port_; }
  // What the server wrote of the first mail it received; empty when none arrived.
  std::string FirstMail() const {
    const fs::path path = folder_ / "mail1.txt";
    return fs::exists(path) ? ReadAll(path) : std::string();
  }

 private:
  fs::path folder_;
  pid_t pid_ = 0;
  std::uint16_t port_ = 0;
};

std::string DecodeBase64(std::string_view text) {
  static const std::string alphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  std::uint32_t group = 0;
  int bits = 0;
  for (char c : text) {
    const std::size_t value = alphabet.find(c);
    if (value == std::string::npos) continue;
    group = (group << 6) | static_cast<std::uint32_t>(value);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes += static_cast<char>((group >> bits) & 0xff);
    }
  }
  return bytes;
}

class SmtpClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("halvex-smtp-" + std::to_string(getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    settings.host = "127.0.0.1";
    settings.sender = "support@halvex.example";
    settings.replyTo = "errorreport@halvex.example";
    settings.recipient = "errorreport@halvex.example";
    settings.connectTimeoutMs = 5000;
    settings.totalTimeoutMs = 20000;
  }
  void TearDown() override { fs::remove_all(folder); }

  ReportOutcome Send(std::string_view address, std::string_view subject, std::string_view body) {
    return SendReport(client, settings, address, subject, body, StampNow());
  }

  fs::path folder;
  platform::SmtpSettings settings;
  CurlSmtpClient client;
};

TEST_F(SmtpClientTest, APlainSendDeliversTheHeadersAndTheUtf8Body) {
  SmtpPeer peer("plain", folder);
  ASSERT_NE(peer.port(), 0) << "the loopback server did not start";
  settings.port = peer.port();

  const ReportOutcome outcome =
      Send("user@example.org", "Crash\r\nBcc: victim@example.org", "系统中有2个CPU\nsecond line");

  EXPECT_EQ(outcome.error, "");
  EXPECT_TRUE(outcome.connected);
  const std::string mail = peer.FirstMail();
  EXPECT_NE(mail.find("MAIL FROM:support@halvex.example\n"), std::string::npos) << mail;
  EXPECT_NE(mail.find("RCPT TO:errorreport@halvex.example\n"), std::string::npos) << mail;
  for (std::string_view header :
       {"\nDate: ", "\r\nFrom: support@halvex.example\r\n",
        "\r\nReply-To: errorreport@halvex.example\r\n", "\r\nTo: errorreport@halvex.example\r\n",
        "\r\nSubject: Crash  Bcc: victim@example.org  User Name:user@example.org\r\n",
        "\r\nMessage-ID: <", "\r\nMIME-Version: 1.0\r\n",
        "\r\nContent-Type: text/plain; charset=UTF-8\r\n"}) {
    EXPECT_NE(mail.find(header), std::string::npos) << "no " << header << " in\n" << mail;
  }
  EXPECT_EQ(mail.find("\nBcc:"), std::string::npos) << "a typed CR LF started a header";
  const std::size_t bodyStart = mail.find("\r\n\r\n");
  ASSERT_NE(bodyStart, std::string::npos);
  EXPECT_EQ(DecodeBase64(mail.substr(bodyStart)), "系统中有2个CPU\r\nsecond line");
}

TEST_F(SmtpClientTest, EmptyFieldsStillSendWithTheSubjectUserName) {
  SmtpPeer peer("plain", folder);
  ASSERT_NE(peer.port(), 0);
  settings.port = peer.port();

  EXPECT_EQ(Send("", "", "x").error, "");
  EXPECT_NE(peer.FirstMail().find("\r\nSubject:   User Name:\r\n"), std::string::npos)
      << peer.FirstMail();
}

TEST_F(SmtpClientTest, AuthLoginWithTheConfiguredCredentialsNeverShowsThePassword) {
  const std::string secret = MadeUpSecret();
  SmtpPeer peer("auth", folder, {"HALVEX_PEER_LOGIN=reporter", "HALVEX_PEER_PASSWORD=" + secret});
  ASSERT_NE(peer.port(), 0);
  settings.port = peer.port();
  settings.login = "reporter";
  settings.password = secret;

  const ReportOutcome sent = Send("user@example.org", "s", "b");
  EXPECT_EQ(sent.error, "");
  EXPECT_NE(peer.FirstMail().find("AUTH:yes\n"), std::string::npos) << peer.FirstMail();
  EXPECT_EQ(peer.FirstMail().find(secret), std::string::npos);

  settings.password = secret + "x";
  const ReportOutcome refused = Send("user@example.org", "s", "b");
  EXPECT_TRUE(refused.connected);
  EXPECT_TRUE(refused.error.starts_with("ERROR: ")) << refused.error;
  EXPECT_EQ(refused.error.find(secret), std::string::npos) << "the error shows the password";
}

TEST_F(SmtpClientTest, StartTlsIsUsedWhenOfferedAndTheCertificateIsChecked) {
  const fs::path cert = folder / "cert.pem";
  const fs::path key = folder / "key.pem";
  const std::string make =
      "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1"
      " -addext subjectAltName=IP:127.0.0.1 -keyout " +
      key.string() + " -out " + cert.string() + " >/dev/null 2>&1";
  ASSERT_EQ(std::system(make.c_str()), 0) << make;
  SmtpPeer peer("starttls", folder, {}, {"--cert", cert.string(), "--key", key.string()});
  ASSERT_NE(peer.port(), 0);
  settings.port = peer.port();

  // Not trusted: the exchange ends before the mail, it never falls back to plain text.
  const ReportOutcome untrusted = Send("user@example.org", "s", "b");
  EXPECT_TRUE(untrusted.error.starts_with("ERROR: ")) << untrusted.error;
  EXPECT_EQ(peer.FirstMail(), "");

  settings.caFile = cert.string();
  const ReportOutcome trusted = Send("user@example.org", "s", "b");
  EXPECT_EQ(trusted.error, "");
  EXPECT_NE(peer.FirstMail().find("TLS:yes\n"), std::string::npos) << peer.FirstMail();
}

TEST_F(SmtpClientTest, AServerThatIsDownGivesTheErrorAlone) {
  SmtpPeer silent("silent", folder);  // only to learn a port that nobody else holds
  ASSERT_NE(silent.port(), 0);
  settings.port = 1;  // below 1024 and unused on the build machines: refused at once

  const ReportOutcome outcome = Send("a", "s", "b");
  EXPECT_FALSE(outcome.connected);
  EXPECT_TRUE(outcome.error.starts_with("ERROR: ")) << outcome.error;
}

TEST_F(SmtpClientTest, AServerThatNeverAnswersEndsInTheTimeOut) {
  SmtpPeer peer("silent", folder);
  ASSERT_NE(peer.port(), 0);
  settings.port = peer.port();
  settings.totalTimeoutMs = 1500;

  const auto start = std::chrono::steady_clock::now();
  const ReportOutcome outcome = Send("a", "s", "b");
  const auto took = std::chrono::steady_clock::now() - start;

  EXPECT_FALSE(outcome.connected);
  EXPECT_TRUE(outcome.error.starts_with("ERROR: ")) << outcome.error;
  EXPECT_LT(took, std::chrono::seconds(15)) << "the time-out did not end the exchange";
}

}  // namespace
}  // namespace halvex::mail
