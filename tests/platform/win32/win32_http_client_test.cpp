// The WinINet binding against a web server on loopback, and DownloadFile over it and the real
// file system.
#include "platform/win32/win32_http_client.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/download_file.h"
#include "platform/win32/win32_file_system.h"
#include "tests/platform/host_temp_folder.h"
#include "tests/platform/win32/loopback_http_server.h"
#include "tests/support/http_printing.h"

namespace halvex::platform::win32 {
namespace {

using ::testing::AnyOf;
using ::testing::HasSubstr;

class Win32HttpClientTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.started()) << "no loopback server"; }

  HttpResponse Get(const std::string& url, std::uint32_t readTimeoutMs = 5000) {
    HttpGet request = model::DownloadRequest(url);
    request.readTimeoutMs = readTimeoutMs;
    return client.Get(request);
  }

  testing::LoopbackHttpServer server;
  Win32HttpClient client;
};

TEST_F(Win32HttpClientTest, ReturnsTheBodyOfA200) {
  server.Answer("/update/Update.ini",
                testing::ScriptedAnswer::With(200, "[Version]\r\nVer=3.1\r\n"));
  const HttpResponse response = Get(server.Url("/update/Update.ini"));
  EXPECT_EQ(response.failure, HttpFailure::None);
  EXPECT_EQ(response.status, 200u);
  EXPECT_EQ(response.body, "[Version]\r\nVer=3.1\r\n");
}

TEST_F(Win32HttpClientTest, SendsTheRequestHeadersOfTheDownload) {
  server.Answer("/update2.0/Code", testing::ScriptedAnswer::With(200, "x"));
  ASSERT_TRUE(Get(server.Url("/update2.0/Code")).ok());
  ASSERT_EQ(server.requests().size(), 1u);
  const std::string request = server.requests()[0];
  EXPECT_THAT(request, HasSubstr("GET /update2.0/Code HTTP/1.1\r\n"));
  EXPECT_THAT(request, HasSubstr("Accept: text/html, */*\r\n"));
  EXPECT_THAT(request, HasSubstr("Content-Type: text/html\r\n"));
  EXPECT_THAT(request, HasSubstr("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"));
}

TEST_F(Win32HttpClientTest, AnHttpErrorIsAFailureWithItsStatus) {
  server.Answer("/update/Update.ini", testing::ScriptedAnswer::With(500, "broken"));
  const HttpResponse missing = Get(server.Url("/nothing/here"));
  EXPECT_EQ(missing.failure, HttpFailure::HttpStatus);
  EXPECT_EQ(missing.status, 404u);
  const HttpResponse broken = Get(server.Url("/update/Update.ini"));
  EXPECT_EQ(broken.failure, HttpFailure::HttpStatus);
  EXPECT_EQ(broken.status, 500u);
}

TEST_F(Win32HttpClientTest, AServerThatIsDownGivesNoConnection) {
  const HttpResponse response =
      Get(testing::LoopbackHttpServer::ClosedPortUrl("/update/Update.ini"));
  EXPECT_EQ(response.failure, HttpFailure::NoConnection);
  EXPECT_EQ(response.status, 0u);
}

TEST_F(Win32HttpClientTest, ABodyShorterThanAnnouncedIsInterrupted) {
  server.Answer("/update/Update.ini", testing::ScriptedAnswer::CutShort("[Version]\r\nVe", 40));
  const HttpResponse response = Get(server.Url("/update/Update.ini"));
  EXPECT_EQ(response.failure, HttpFailure::Interrupted);
  EXPECT_EQ(response.body, "");
}

TEST_F(Win32HttpClientTest, AServerThatStaysSilentTimesOut) {
  server.Answer("/update/Update.ini", testing::ScriptedAnswer::Silent());
  // Without the time-out the request would wait for the server for good. Wine reports the
  // time-out as an aborted connection, Windows as a time-out.
  const HttpResponse response = Get(server.Url("/update/Update.ini"), 300);
  EXPECT_THAT(response.failure, AnyOf(HttpFailure::TimedOut, HttpFailure::Interrupted));
}

TEST_F(Win32HttpClientTest, ANonHttpAddressIsRefused) {
  EXPECT_EQ(Get("ftp://127.0.0.1/update/Update.ini").failure, HttpFailure::BadAddress);
  EXPECT_EQ(Get("not an address").failure, HttpFailure::BadAddress);
}

class Win32DownloadFileTest : public Win32HttpClientTest {
 protected:
  std::string Target() const { return folder.path().string() + "\\Update.ini"; }
  std::string Contents() { return files.ReadFile(Target()).value_or("<missing>"); }

  testing::HostTempFolder folder;
  Win32FileSystem files;
};

TEST_F(Win32DownloadFileTest, AShorterFileReplacesALongerOneWithoutRemains) {
  ASSERT_TRUE(
      files.WriteFile(Target(), "[Version]\r\nVer=2.9.9.9\r\nNotes=a long earlier file\r\n"));
  server.Answer("/update/Update.ini",
                testing::ScriptedAnswer::With(200, "[Version]\r\nVer=3.1\r\n"));
  ASSERT_EQ(model::DownloadFile(client, files, server.Url("/update/Update.ini"), Target()),
            model::DownloadResult::Downloaded);
  EXPECT_EQ(Contents(), "[Version]\r\nVer=3.1\r\n");
  EXPECT_FALSE(files.FileExists(Target() + ".part"));
}

TEST_F(Win32DownloadFileTest, AFailedDownloadLeavesTheEarlierFile) {
  ASSERT_TRUE(files.WriteFile(Target(), "[Version]\r\nVer=3.0\r\n"));
  server.Answer("/update/Update.ini", testing::ScriptedAnswer::CutShort("[Version]\r\nVer=9", 60));
  const struct {
    const char* what;
    std::string url;
  } failures[] = {
      {"an HTTP error", server.Url("/missing")},
      {"a server that is down", testing::LoopbackHttpServer::ClosedPortUrl("/update/Update.ini")},
      {"a body cut short", server.Url("/update/Update.ini")},
  };
  for (const auto& failure : failures) {
    EXPECT_EQ(model::DownloadFile(client, files, failure.url, Target()),
              model::DownloadResult::NotFetched)
        << failure.what;
    EXPECT_EQ(Contents(), "[Version]\r\nVer=3.0\r\n") << failure.what;
    EXPECT_FALSE(files.FileExists(Target() + ".part")) << failure.what;
  }
}

}  // namespace
}  // namespace halvex::platform::win32
