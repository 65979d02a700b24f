// `TAppObj` over a machine's version resources: the fixed version's text, the strings of the
// first translation, trimmed, and empty texts where the resource says nothing.
#include <gtest/gtest.h>

#include "platform/substitute/versions_ini.h"
#include "tests/support/scratch_machine.h"
#include "tools/startup_manager/app_version.h"

namespace halvex::tools::startup_manager {
namespace {

class AppVersion : public ::testing::Test {
 protected:
  AppVersion() {
    machine.AddFile("C:\\Tools\\tray.exe", "MZ");
    machine.AddFile("C:\\Tools\\bare.exe", "MZ");
    auto parsed = platform::substitute::ParseVersionsIni(
        "[C:\\Tools\\tray.exe]\nfixed=2.10.300.4000\ntranslation=0409,04e4\n"
        "CompanyName=  Tools Inc.\nProductName=Tray Agent\nFileDescription=Tray helper\n"
        "FileVersion=2.10\n"
        "[C:\\Tools\\gone.exe]\nfixed=1.0.0.0\ntranslation=0409,04E4\nProductName=gone\n");
    machine.versions.SetTable(std::get<platform::substitute::VersionTable>(std::move(parsed)));
  }
  testing::ScratchMachine machine;
};

TEST_F(AppVersion, ReadsTheFixedVersionAndTheStringsOfTheFirstTranslation) {
  const TAppObj app = ReadAppObj(machine.versions, "C:\\tools\\TRAY.EXE");
  EXPECT_EQ(app.texts[0], "2.10.300.4000");
  EXPECT_EQ(app.Text("CompanyName"), "Tools Inc.") << "trimmed";
  EXPECT_EQ(app.Text("ProductName"), "Tray Agent");
  EXPECT_EQ(app.Text("FileDescription"), "Tray helper");
  EXPECT_EQ(app.Text("FileVersion"), "2.10");
  EXPECT_EQ(app.Text("Comments"), "");
  EXPECT_EQ(app.folder, "C:\\tools");
  EXPECT_EQ(app.fileName, "TRAY.EXE");
  EXPECT_EQ(app.title, "TRAY");
}

TEST_F(AppVersion, GivesEmptyTextsWhereTheResourceSaysNothing) {
  for (const char* file : {"C:\\Tools\\bare.exe", "C:\\Tools\\gone.exe"}) {
    const TAppObj app = ReadAppObj(machine.versions, file);
    EXPECT_EQ(app.texts[0], "0.0.0.0") << file;
    for (std::size_t i = 1; i < app.texts.size(); ++i) EXPECT_EQ(app.texts[i], "") << file << i;
  }
}

}  // namespace
}  // namespace halvex::tools::startup_manager
