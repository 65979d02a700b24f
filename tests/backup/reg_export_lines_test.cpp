// The bytes of a registry export file: the header of the platform class, CR LF after every
// line, and the encoding that the registry editor expects for that header.
#include "backup/reg_export_lines.h"

#include <gtest/gtest.h>

#include "platform/substitute/substitute_locale.h"

namespace halvex::testing {
namespace {

TEST(RegExportHeader, FollowsThePlatformClass) {
  struct Case {
    int platformClass;
    const char* header;
  };
  const Case cases[] = {{0, ""},
                        {1, ""},
                        {2, "REGEDIT4"},
                        {3, "REGEDIT4"},
                        {4, "Windows Registry Editor Version 5.00"},
                        {5, "Windows Registry Editor Version 5.00"}};
  for (const Case& c : cases) {
    EXPECT_EQ(backup::RegExportHeader(static_cast<platform::PlatformClass>(c.platformClass)),
              c.header)
        << "platform class " << c.platformClass;
  }
}

TEST(RegExportFileBytes, Regedit4FilesAre8BitWithCrLf) {
  platform::substitute::SubstituteLocale locale;
  backup::RegExportLines file = backup::StartRegExport(platform::PlatformClass::Windows95Family);
  ASSERT_EQ(file.encoding, backup::RegExportEncoding::EightBit);
  EXPECT_FALSE(file.HasEntries());
  file.lines.push_back("[HKEY_CURRENT_USER\\M\xFCller]");
  file.lines.push_back("\"\x80\"=dword:00000001");
  EXPECT_TRUE(file.HasEntries());
  EXPECT_EQ(backup::RegExportFileBytes(file, locale),
            "REGEDIT4\r\n[HKEY_CURRENT_USER\\M\xFCller]\r\n\"\x80\"=dword:00000001\r\n");
}

TEST(RegExportFileBytes, Version5FilesAreUtf16WithAByteOrderMark) {
  platform::substitute::SubstituteLocale locale;
  backup::RegExportLines file = backup::StartRegExport(platform::PlatformClass::NtFamily);
  ASSERT_EQ(file.encoding, backup::RegExportEncoding::Utf16);
  file.lines.push_back("[\xFC\x80]");
  const std::string bytes = backup::RegExportFileBytes(file, locale);
  const std::string header = "Windows Registry Editor Version 5.00\r\n";
  std::string expected = "\xFF\xFE";
  for (char c : header) expected += {c, '\0'};
  // Bytes of 0x80 and above are the code page's characters: 0x80 is the euro sign U+20AC.
  expected += std::string("[\0\xFC\0\xAC\x20]\0\r\0\n\0", 12);
  EXPECT_EQ(bytes, expected);
}

TEST(RegExportFileBytes, AnUndeterminedPlatformWritesAnEmptyHeaderLine) {
  platform::substitute::SubstituteLocale locale;
  backup::RegExportLines file = backup::StartRegExport(platform::PlatformClass::Undetermined);
  EXPECT_EQ(backup::RegExportFileBytes(file, locale), "\r\n");
}

}  // namespace
}  // namespace halvex::testing
