// errorlist.txt in the program folder: fetched only when missing, and a failed fetch leaves no
// file behind, so that the next try fetches again.
#include <gtest/gtest.h>

#include "platform/substitute/scripted_http_client.h"
#include "tests/support/scratch_machine.h"
#include "tools/error_utilities/error_list_file.h"

namespace halvex::tools::errors {
namespace {

constexpr std::string_view kServer = "http://updates.test";
constexpr std::string_view kListUrl = "http://updates.test/update2.0/errorlist.txt";
constexpr std::string_view kOneError = "A)HKEY_CURRENT_USER\\Software\\X||V#1$1@0##Fixes A\r\n";

class ErrorListFileTest : public ::testing::Test {
 protected:
  void SetUp() override { machine.AddFolder(machine.files().ProgramFolder()); }
  testing::ScratchMachine machine;
  platform::substitute::ScriptedHttpClient server;
};

TEST_F(ErrorListFileTest, AServedListIsStoredAndRead) {
  server.Serve(kListUrl, kOneError);
  ASSERT_TRUE(ErrorListMissing(machine.files()));

  EXPECT_TRUE(FetchErrorList(server, machine.files(), kServer));

  EXPECT_FALSE(ErrorListMissing(machine.files()));
  const ErrorList list = LoadErrorList(machine.files(), machine.locale);
  ASSERT_EQ(list.contents.size(), 1u);
  EXPECT_EQ(list.rows.size(), 1u + 4u);
  EXPECT_EQ(server.requests().at(0).url, kListUrl);
}

TEST_F(ErrorListFileTest, AFailedFetchLeavesNoFileAndTheBuiltInRows) {
  const std::string path = ErrorListPath(machine.files());
  server.Fail(kListUrl, platform::HttpFailure::HttpStatus, 404);

  EXPECT_FALSE(FetchErrorList(server, machine.files(), kServer));

  EXPECT_TRUE(ErrorListMissing(machine.files())) << machine.Read(path);
  const ErrorList list = LoadErrorList(machine.files(), machine.locale);
  EXPECT_TRUE(list.contents.empty());
  EXPECT_EQ(list.rows.size(), 4u);
}

TEST_F(ErrorListFileTest, AnEmptyFileIsPresentAndGivesTheBuiltInRows) {
  machine.AddFile(ErrorListPath(machine.files()), "");

  EXPECT_FALSE(ErrorListMissing(machine.files()));
  EXPECT_EQ(LoadErrorList(machine.files(), machine.locale).rows.size(), 4u);
}

}  // namespace
}  // namespace halvex::tools::errors
