// The texts of machine.ini and attributes.ini as the machine folder reads them.
#include "platform/substitute/machine_ini.h"

#include <gtest/gtest.h>

#include "platform/substitute/attributes_ini.h"
#include "platform/substitute/civil_time.h"

namespace halvex::platform::substitute {
namespace {

MachineSettings Settings(std::string_view text) {
  MachineIniResult result = ParseMachineIni(text);
  if (const LineError* error = std::get_if<LineError>(&result)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->message;
    return {};
  }
  return std::get<MachineSettings>(result);
}

TEST(IniLinesTest, CommentsBeginAtASemicolonAfterABlank) {
  const IniLinesResult result = ReadIniLines(
      "\xEF\xBB\xBF; heading\r\n[Machine]  ; the section\rkey = a;b ; comment\n\n  x=\t\n");
  ASSERT_TRUE(std::holds_alternative<std::vector<IniLine>>(result));
  const auto& lines = std::get<std::vector<IniLine>>(result);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(lines[0].isSection);
  EXPECT_EQ(lines[0].name, "Machine");
  EXPECT_EQ(lines[0].number, 2u);
  EXPECT_EQ(lines[1].name, "key");
  EXPECT_EQ(lines[1].value, "a;b") << "a semicolon inside a word is part of the value";
  EXPECT_EQ(lines[1].number, 3u) << "a lone CR ends a line too";
  EXPECT_EQ(lines[2].name, "x");
  EXPECT_EQ(lines[2].value, "");
  EXPECT_EQ(lines[2].number, 5u);
}

TEST(MachineIniTest, AnEmptyFileHasEveryDefault) {
  const MachineSettings settings = Settings("");
  EXPECT_EQ(settings.platformClass, PlatformClass::NtFamily);
  EXPECT_EQ(settings.majorVersion, 6u);
  EXPECT_EQ(settings.minorVersion, 1u);
  EXPECT_EQ(settings.codePage, 1252u);
  EXPECT_EQ(settings.folders.windows, "C:\\WINDOWS");
  EXPECT_EQ(settings.folders.program, "C:\\Program Files\\Halvex\\");
  EXPECT_EQ(settings.now, kDefaultNow);
  EXPECT_EQ(settings.utcOffsetMinutes, 0);
  ASSERT_EQ(settings.drives.size(), 1u);
  EXPECT_EQ(settings.drives[0].letter, 'C');
  EXPECT_EQ(settings.drives[0].type, DriveType::Fixed);
}

TEST(MachineIniTest, KeysAndSectionsIgnoreCase) {
  const MachineSettings settings = Settings(
      "[MACHINE]\nPlatform=NT\nVERSION=5.1\nUtcOffset=-300\nNow=2004-08-25 17:00:01\n"
      "[Drives]\nc=FIXED\nz=Remote,Total=1000\n");
  EXPECT_EQ(settings.platformClass, PlatformClass::NtFamily);
  EXPECT_EQ(settings.majorVersion, 5u);
  EXPECT_EQ(settings.minorVersion, 1u);
  EXPECT_EQ(settings.utcOffsetMinutes, -300);
  EXPECT_EQ(settings.now, (LocalTime{2004, 8, 25, 17, 0, 1, 0}));
  ASSERT_EQ(settings.drives.size(), 2u);
  EXPECT_EQ(settings.drives[1].letter, 'Z');
  EXPECT_EQ(settings.drives[1].type, DriveType::Remote);
  EXPECT_EQ(settings.drives[1].space.totalBytes, 1000u);
  EXPECT_EQ(settings.drives[1].space.freeBytes, 250u) << "a quarter of the total unless given";
}

TEST(MachineIniTest, ListedDrivesReplaceTheDefaultDrive) {
  const MachineSettings settings = Settings(
      "[machine]\nwindows=D:\\WINNT\nsystem=D:\\WINNT\\system32\ntemp=D:\\TEMP\n"
      "program=D:\\Halvex\n[drives]\nD=fixed,free=5\n");
  ASSERT_EQ(settings.drives.size(), 1u);
  EXPECT_EQ(settings.drives[0].letter, 'D');
  EXPECT_EQ(settings.drives[0].space.freeBytes, 5u);
  EXPECT_EQ(settings.drives[0].space.totalBytes, 4ull << 30);
  EXPECT_EQ(settings.FindDrive('C'), nullptr);
}

TEST(AttributesIniTest, ReadsFlagsAndTimes) {
  const AttributesIniResult result = ParseAttributesIni(
      "C:\\a.sys = Hidden , SYSTEM\n"
      "C:\\b.txt=written=2002-03-04 05:06:07, created=2001-02-03 04:05:06\n"
      "C:\\c.txt=normal\n");
  ASSERT_TRUE(std::holds_alternative<std::vector<AttributeOverride>>(result));
  const auto& entries = std::get<std::vector<AttributeOverride>>(result);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].path, "C:\\a.sys");
  EXPECT_EQ(entries[0].attributes, file_attribute::kHidden | file_attribute::kSystem);
  EXPECT_EQ(entries[0].creation, std::nullopt);
  EXPECT_EQ(entries[1].attributes, std::nullopt) << "times alone keep the attributes";
  EXPECT_EQ(entries[1].creation, FieldsToFileTime({2001, 2, 3, 4, 5, 6, 0}));
  EXPECT_EQ(entries[1].lastWrite, FieldsToFileTime({2002, 3, 4, 5, 6, 7, 0}));
  EXPECT_EQ(entries[1].line, 2u);
  EXPECT_EQ(entries[2].attributes, file_attribute::kNormal);
}

TEST(TimeTextTest, ReadsOnlyTheOneForm) {
  EXPECT_EQ(ParseTimeText("2026-01-15 12:00:00"), (LocalTime{2026, 1, 15, 12, 0, 0, 0}));
  for (const char* text : {"2026-1-15 12:00:00", "2026-01-15T12:00:00", "2026-01-15 12:00",
                           "2026-13-15 12:00:00", "2026-01-15 12:00:60", " 2026-01-15 12:00:00"}) {
    EXPECT_EQ(ParseTimeText(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace halvex::platform::substitute
