// The value lines of a registry export file: every type in the form that imports back to the
// same type and bytes, in both encodings.
#include "backup/reg_value_line.h"

#include <gtest/gtest.h>

#include "platform/substitute/substitute_locale.h"

namespace halvex::testing {
namespace {

using backup::RegExportEncoding;
namespace reg_type = platform::reg_type;

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

struct LineCase {
  const char* what;
  std::string name;
  std::uint32_t type;
  std::vector<std::uint8_t> data;
  RegExportEncoding encoding;
  std::string line;
};

TEST(RegValueLine, WritesEveryTypeInItsForm) {
  constexpr auto k8 = RegExportEncoding::EightBit;
  constexpr auto k16 = RegExportEncoding::Utf16;
  const LineCase cases[] = {
      {"dword with a path as its name",
       "C:\\WINDOWS\\system32\\x.dll",
       reg_type::kDword,
       {1, 0, 0, 0},
       k16,
       "\"C:\\\\WINDOWS\\\\system32\\\\x.dll\"=dword:00000001"},
      {"dword 65536", "n", reg_type::kDword, {0, 0, 1, 0}, k16, "\"n\"=dword:00010000"},
      {"dword 0", "n", reg_type::kDword, {0, 0, 0, 0}, k8, "\"n\"=dword:00000000"},
      {"dword of upper-case hex",
       "n",
       reg_type::kDword,
       {0x0A, 0xFF, 0, 0},
       k8,
       "\"n\"=dword:0000FF0A"},
      {"dword of another size keeps its bytes",
       "n",
       reg_type::kDword,
       {1, 2},
       k8,
       "\"n\"=hex(4):01,02"},
      {"default value", "", reg_type::kString, Bytes({"text\0", 5}), k16, "@=\"text\""},
      {"string with quotes and backslashes", "a\"b", reg_type::kString,
       Bytes({"say \"C:\\\"\0", 10}), k16, "\"a\\\"b\"=\"say \\\"C:\\\\\\\"\""},
      {"empty string", "e", reg_type::kString, {0}, k8, "\"e\"=\"\""},
      {"string without its NUL", "s", reg_type::kString, Bytes("ab"), k8, "\"s\"=hex(1):61,62"},
      {"string with a line break", "s", reg_type::kString, Bytes({"a\r\nb\0", 5}), k8,
       "\"s\"=hex(1):61,0D,0A,62,00"},
      {"string with a line break, UTF-16", "s", reg_type::kString, Bytes({"a\nb\0", 4}), k16,
       "\"s\"=hex(1):61,00,0A,00,62,00,00,00"},
      {"name with a line break",
       "a\nb",
       reg_type::kDword,
       {1, 0, 0, 0},
       k8,
       "\"a\\nb\"=dword:00000001"},
      {"expandable string, UTF-16", "p", reg_type::kExpandString, Bytes({"%SystemRoot%\0", 13}),
       k16,
       "\"p\"=hex(2):25,00,53,00,79,00,73,00,74,00,65,00,6D,00,52,00,6F,00,6F,00,74,00,25,00,00,"
       "00"},
      {"expandable string, 8-bit", "p", reg_type::kExpandString, Bytes({"%SystemRoot%\0", 13}), k8,
       "\"p\"=hex(2):25,53,79,73,74,65,6D,52,6F,6F,74,25,00"},
      {"code page bytes go through the code page", "p", reg_type::kExpandString,
       Bytes({"\x80\xE9\0", 3}), k16, "\"p\"=hex(2):AC,20,E9,00,00,00"},
      {"code page bytes stay bytes in an 8-bit file", "p", reg_type::kExpandString,
       Bytes({"\x80\xE9\0", 3}), k8, "\"p\"=hex(2):80,E9,00"},
      {"multi-string, UTF-16", "m", reg_type::kMultiString, Bytes({"a\0b\0\0", 5}), k16,
       "\"m\"=hex(7):61,00,00,00,62,00,00,00,00,00"},
      {"multi-string, 8-bit", "m", reg_type::kMultiString, Bytes({"a\0b\0\0", 5}), k8,
       "\"m\"=hex(7):61,00,62,00,00"},
      {"empty multi-string", "m", reg_type::kMultiString, {}, k16, "\"m\"=hex(7):"},
      {"binary", "b", reg_type::kBinary, {0x0A, 0xFF, 0x00}, k16, "\"b\"=hex:0A,FF,00"},
      {"empty binary", "b", reg_type::kBinary, {}, k16, "\"b\"=hex:"},
      {"binary is bytes in a UTF-16 file too", "b", reg_type::kBinary, Bytes("ab"), k16,
       "\"b\"=hex:61,62"},
      {"no type", "z", reg_type::kNone, {1, 2}, k16, "\"z\"=hex(0):01,02"},
      {"quad word",
       "q",
       reg_type::kQword,
       {1, 0, 0, 0, 0, 0, 0, 0},
       k16,
       "\"q\"=hex(b):01,00,00,00,00,00,00,00"},
      {"resource list", "r", 8, {0xAB}, k8, "\"r\"=hex(8):AB"},
      {"big-endian dword",
       "d",
       reg_type::kDwordBigEndian,
       {0, 0, 0, 1},
       k8,
       "\"d\"=hex(5):00,00,00,01"},
  };
  platform::substitute::SubstituteLocale locale;
  for (const LineCase& c : cases) {
    const platform::RegValue value{c.type, static_cast<std::uint32_t>(c.data.size()), c.data};
    EXPECT_EQ(backup::RegValueLine(c.name, value, c.encoding, locale), c.line) << c.what;
  }
}

TEST(RegValueLine, DoubleByteCharactersBecomeOneUtf16Unit) {
  platform::substitute::SubstituteLocale locale(platform::substitute::CodePage::Windows936());
  // D6 D0 is U+4E2D in code page 936.
  const std::vector<std::uint8_t> data = {'a', 0xD6, 0xD0, 0};
  const platform::RegValue value{reg_type::kExpandString, 4, data};
  EXPECT_EQ(backup::RegValueLine("p", value, RegExportEncoding::Utf16, locale),
            "\"p\"=hex(2):61,00,2D,4E,00,00");
  EXPECT_EQ(backup::RegValueLine("p", value, RegExportEncoding::EightBit, locale),
            "\"p\"=hex(2):61,D6,D0,00");
}

TEST(RegValueLine, WritesLongDataOnOneLine) {
  platform::substitute::SubstituteLocale locale;
  const std::vector<std::uint8_t> data(1000, 0x5A);
  const std::string line = backup::RegValueLine(
      "b", platform::RegValue{reg_type::kBinary, 1000, data}, RegExportEncoding::Utf16, locale);
  EXPECT_EQ(line.size(), std::string("\"b\"=hex:").size() + 1000 * 3 - 1);
  EXPECT_EQ(line.find('\n'), std::string::npos);
}

TEST(RegKeyLine, BracketsTheFullKeyPath) {
  platform::substitute::SubstituteLocale locale;
  for (RegExportEncoding encoding : {RegExportEncoding::EightBit, RegExportEncoding::Utf16}) {
    EXPECT_EQ(backup::RegKeyLine("HKEY_LOCAL_MACHINE\\SOFTWARE\\x", encoding, locale),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\x]");
  }
}

// In a UTF-16 file of a double-byte machine, half a character at the end of a name becomes '?'
// and leaves the backslash or bracket after it in place.
TEST(RegKeyLine, AUtf16FileConvertsEachNameOnItsOwn) {
  platform::substitute::SubstituteLocale locale(platform::substitute::CodePage::Windows936());
  EXPECT_EQ(
      backup::RegKeyLine("HKEY_CURRENT_USER\\Caf\xE9\\Caf\xE9", RegExportEncoding::Utf16, locale),
      "[HKEY_CURRENT_USER\\Caf?\\Caf?]");
  EXPECT_EQ(backup::RegKeyLine("HKEY_CURRENT_USER\\Caf\xE9", RegExportEncoding::EightBit, locale),
            "[HKEY_CURRENT_USER\\Caf\xE9]");
}

}  // namespace
}  // namespace halvex::testing
