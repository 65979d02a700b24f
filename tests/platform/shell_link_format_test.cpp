// The substitute's reading of shortcut files beyond what the shell shares with it: suffixes,
// network shares, and files that are cut short or forged.
#include "platform/substitute/shell_link_format.h"

#include <gtest/gtest.h>

#include "tests/platform/shortcut_file_builder.h"

namespace halvex::platform::substitute {
namespace {

using testing::BuildShortcutFile;
using testing::ShortcutLayout;

std::string TargetOf(const std::string& bytes) {
  return ShortcutTargetFromBytes(bytes, CodePage::Windows1252());
}

void SetU32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

TEST(ShellLinkFormatTest, JoinsThePathsAsGetPathGivesThem) {
  struct Case {
    ShortcutLayout layout;
    std::string target;
  };
  const Case cases[] = {
      {{.localBasePath = "C:\\App\\app.exe"}, "C:\\App\\app.exe"},
      {{.localBasePath = "C:\\App\\", .commonPathSuffix = "app.exe"}, "C:\\App\\app.exe"},
      {{.localBasePath = "C:\\App\\app.exe", .withIdList = true, .withUnicode = true},
       "C:\\App\\app.exe"},
      {{.localBasePath = "C:\\Caf\xE9\\x.exe", .withUnicode = true}, "C:\\Caf\xE9\\x.exe"},
      {{.commonPathSuffix = "Tools\\x.exe", .networkShare = "\\\\server\\share"},
       "\\\\server\\share\\Tools\\x.exe"},
      {{.networkShare = "\\\\server\\share"}, "\\\\server\\share"},
      // A link into a share on a mapped drive has both; the share comes first.
      {{.localBasePath = "Z:\\", .commonPathSuffix = "x.exe", .networkShare = "\\\\srv\\s"},
       "\\\\srv\\s\\x.exe"},
      {{.localBasePath = "C:\\x.exe", .withLinkInfo = false}, ""},
      {{.withIdList = true, .withLinkInfo = false, .description = "only an ID list"}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TargetOf(BuildShortcutFile(c.layout).bytes), c.target) << c.target;
  }
}

TEST(ShellLinkFormatTest, ForcedAbsenceOfLinkInfoMeansNoPath) {
  std::string bytes = BuildShortcutFile({.localBasePath = "C:\\x.exe"}).bytes;
  SetU32(bytes, 20, 0x2 | 0x100);  // HasLinkInfo | ForceNoLinkInfo
  EXPECT_EQ(TargetOf(bytes), "");
}

TEST(ShellLinkFormatTest, EveryCutOfAShortcutReadsAsNoneOrAsTheWholeTarget) {
  const std::string whole =
      BuildShortcutFile({.localBasePath = "C:\\App\\app.exe", .withIdList = true}).bytes;
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const std::string target = TargetOf(whole.substr(0, size));
    EXPECT_TRUE(target.empty() || target == "C:\\App\\app.exe") << size << " bytes: " << target;
  }
}

TEST(ShellLinkFormatTest, ForgedSizesAndOffsetsReadAsNoShortcut) {
  const testing::BuiltShortcut ansi = BuildShortcutFile({.localBasePath = "C:\\x.exe"});
  const testing::BuiltShortcut unicode =
      BuildShortcutFile({.localBasePath = "C:\\x.exe", .withUnicode = true});
  const std::size_t info = ansi.linkInfoAt;
  struct Forgery {
    const char* what;
    const testing::BuiltShortcut& shortcut;
    std::size_t at;
    std::uint32_t value;
  };
  const Forgery forgeries[] = {
      {"header size", ansi, 0, 0x4D},
      {"link info larger than the file", ansi, info, 0x10000},
      {"link info smaller than its header", ansi, info, 0x10},
      {"link info header too small", ansi, info + 4, 0x10},
      {"local path beyond the link info", ansi, info + 16, 0x10000},
      {"suffix beyond the link info", ansi, info + 24, 0xFFFFFFF0},
      {"Unicode path beyond the link info", unicode, info + 0x1C, 0x7FFFFFFF},
      {"Unicode suffix beyond the link info", unicode, info + 0x20, 0x1000},
  };
  for (const Forgery& forgery : forgeries) {
    ASSERT_EQ(TargetOf(forgery.shortcut.bytes), "C:\\x.exe") << "before forging " << forgery.what;
    std::string bytes = forgery.shortcut.bytes;
    SetU32(bytes, forgery.at, forgery.value);
    EXPECT_EQ(TargetOf(bytes), "") << forgery.what;
  }
  const testing::BuiltShortcut& built = ansi;
  std::string wrongClass = built.bytes;
  wrongClass[4] = 0x02;
  EXPECT_EQ(TargetOf(wrongClass), "") << "another class than the shell link's";
  std::string idListPastTheEnd = BuildShortcutFile({.localBasePath = "C:\\x.exe"}).bytes;
  SetU32(idListPastTheEnd, 20, 0x1 | 0x2);
  idListPastTheEnd[0x4C] = char(0xFF);
  idListPastTheEnd[0x4D] = char(0xFF);
  EXPECT_EQ(TargetOf(idListPastTheEnd), "");
}

TEST(ShellLinkFormatTest, AStringWithoutItsEndReadsAsNoShortcut) {
  const testing::BuiltShortcut built = BuildShortcutFile({.localBasePath = "C:\\x.exe"});
  std::string bytes = built.bytes;
  // Cut the link info just before the NUL of the suffix, keeping its size consistent.
  const std::uint32_t infoSize =
      static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[built.linkInfoAt]) |
                                 static_cast<unsigned char>(bytes[built.linkInfoAt + 1]) << 8);
  SetU32(bytes, built.linkInfoAt, infoSize - 1);
  EXPECT_EQ(TargetOf(bytes.substr(0, built.linkInfoAt + infoSize - 1)), "");
}

}  // namespace
}  // namespace halvex::platform::substitute
