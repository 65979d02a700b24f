// DownloadFile over the scripted web server and the substitute file system.
#include "model/download_file.h"

#include <gtest/gtest.h>

#include "platform/substitute/scripted_http_client.h"
#include "tests/support/http_printing.h"
#include "tests/support/scratch_machine.h"

namespace halvex::model {
namespace {

using platform::HttpFailure;

constexpr const char* kAddress = "http://www.halvex.example/update/Update.ini";
constexpr const char* kTarget = "C:\\Program Files\\Halvex\\Update.ini";
constexpr const char* kPartial = "C:\\Program Files\\Halvex\\Update.ini.part";
constexpr const char* kEarlier = "[Version]\r\nVer=2.9\r\nNotes=an earlier and longer file\r\n";

class DownloadFileTest : public ::testing::Test {
 protected:
  DownloadFileTest() { machine.AddFile(kTarget, kEarlier); }

  DownloadResult Download() { return DownloadFile(server, machine.files(), kAddress, kTarget); }

  testing::ScratchMachine machine;
  platform::substitute::ScriptedHttpClient server;
};

TEST_F(DownloadFileTest, SendsOneGetWithTheProgramsHeadersAndTimeOut) {
  server.Serve(kAddress, "[Version]\r\nVer=3.1\r\n");
  ASSERT_EQ(Download(), DownloadResult::Downloaded);
  ASSERT_EQ(server.requests().size(), 1u);
  const platform::HttpGet& sent = server.requests()[0];
  EXPECT_EQ(sent.url, kAddress);
  EXPECT_EQ(sent.accept, "text/html, */*");
  EXPECT_EQ(sent.contentType, "text/html");
  EXPECT_EQ(sent.userAgent, "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(sent.readTimeoutMs, 5000u);
}

TEST_F(DownloadFileTest, AShorterBodyReplacesTheWholeEarlierFile) {
  server.Serve(kAddress, "[Version]\r\nVer=3.1\r\n");
  ASSERT_EQ(Download(), DownloadResult::Downloaded);
  EXPECT_EQ(machine.Read(kTarget), "[Version]\r\nVer=3.1\r\n");
  EXPECT_FALSE(machine.files().FileExists(kPartial));
}

TEST_F(DownloadFileTest, CreatesTheFileWhenThereIsNone) {
  ASSERT_TRUE(machine.files().DeleteFile(kTarget));
  server.Serve(kAddress, "");
  ASSERT_EQ(Download(), DownloadResult::Downloaded);
  EXPECT_EQ(machine.Read(kTarget), "") << "an empty body is a complete file too";
}

TEST_F(DownloadFileTest, AFailedFetchLeavesTheEarlierFileIntact) {
  const struct {
    HttpFailure failure;
    unsigned status;
  } failures[] = {{HttpFailure::NoConnection, 0},
                  {HttpFailure::TimedOut, 0},
                  {HttpFailure::HttpStatus, 404},
                  {HttpFailure::Interrupted, 200},
                  {HttpFailure::BadAddress, 0}};
  for (const auto& failure : failures) {
    server.Fail(kAddress, failure.failure, failure.status);
    EXPECT_EQ(Download(), DownloadResult::NotFetched) << static_cast<int>(failure.failure);
    EXPECT_EQ(machine.Read(kTarget), kEarlier) << static_cast<int>(failure.failure);
    EXPECT_FALSE(machine.files().FileExists(kPartial)) << static_cast<int>(failure.failure);
  }
}

TEST_F(DownloadFileTest, AFileThatCannotBeReplacedStaysAndLeavesNoPartialFile) {
  ASSERT_TRUE(machine.files().SetAttributes(kTarget, platform::file_attribute::kReadOnly));
  server.Serve(kAddress, "[Version]\r\nVer=3.1\r\n");
  EXPECT_EQ(Download(), DownloadResult::NotStored);
  EXPECT_EQ(machine.Read(kTarget), kEarlier);
  EXPECT_FALSE(machine.files().FileExists(kPartial));
}

TEST_F(DownloadFileTest, AMissingFolderIsNotStored) {
  server.Serve(kAddress, "x");
  EXPECT_EQ(DownloadFile(server, machine.files(), kAddress, "C:\\No Such Folder\\Update.ini"),
            DownloadResult::NotStored);
}

}  // namespace
}  // namespace halvex::model
