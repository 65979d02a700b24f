// The .reg writer: the registry editor's layout byte for byte, every value type, and files that
// the reader loads back to the same registry.
#include "platform/substitute/reg_file_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/substitute/memory_registry.h"
#include "platform/substitute/reg_file_reader.h"
#include "tests/platform/registry_dump.h"

namespace halvex::platform::substitute {
namespace {

using namespace std::string_literals;

const CodePage& cp = CodePage::Windows1252();

// The text with every "\n" made the "\r\n" the registry editor writes.
std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

void Set(Registry& registry, RootKey root, std::string_view path, std::string_view name,
         std::uint32_t type, std::vector<std::uint8_t> data) {
  KeyHandle key;
  ASSERT_EQ(registry.CreateKey(RootHandle(root), path, key), RegStatus::Ok) << path;
  ASSERT_EQ(registry.SetValue(key, name, type, data), RegStatus::Ok) << path << " " << name;
  registry.CloseKey(key);
}

void MakeKey(Registry& registry, RootKey root, std::string_view path) {
  KeyHandle key;
  ASSERT_EQ(registry.CreateKey(RootHandle(root), path, key), RegStatus::Ok) << path;
  registry.CloseKey(key);
}

// A key with one value of each form the writer knows, and subkeys.
void FillEveryForm(Registry& r) {
  const RootKey u = RootKey::CurrentUser;
  Set(r, u, "T", "", reg_type::kString, Bytes("default\0"s));
  Set(r, u, "T", "path", reg_type::kString, Bytes("C:\\dir\\\"q\"\0"s));
  Set(r, u, "T", "num", reg_type::kDword, {0x0A, 0, 0, 0});
  Set(r, u, "T", "bin", reg_type::kBinary, {0x00, 0x01, 0xFF});
  Set(r, u, "T", "none", reg_type::kNone, {});
  Set(r, u, "T", "exp", reg_type::kExpandString, Bytes("%SystemRoot%\0"s));
  Set(r, u, "T", "multi", reg_type::kMultiString, Bytes("a\0b\0\0"s));
  Set(r, u, "T", "q", reg_type::kQword, {1, 2, 3, 4, 5, 6, 7, 8});
  Set(r, u, "T", "short dword", reg_type::kDword, {1, 2});
  Set(r, u, "T", "big", 0x100, {0xFF});
  Set(r, u, "T", "lines", reg_type::kString, Bytes("a\r\nb\0"s));
  Set(r, u, "T", "inner nul", reg_type::kString, Bytes("a\0b\0"s));
  Set(r, u, "T", "empty sz", reg_type::kString, {});
  Set(r, u, "T", "caf\xE9", reg_type::kString, Bytes("\x80\0"s));
  Set(r, u, "T\\B", "x", reg_type::kString, Bytes("y\0"s));
  MakeKey(r, u, "T\\A\\Deep");
}

TEST(RegFileWriter, WritesRegedit4AsTheRegistryEditorDoes) {
  MemoryRegistry registry;
  FillEveryForm(registry);
  const RegExportResult result = ExportRegFile(
      registry, RegExportScope::Subtree("HKEY_CURRENT_USER\\T"), RegFileFormat::Regedit4, cp);
  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(result.bytes, Crlf(R"(REGEDIT4

[HKEY_CURRENT_USER\T]
@="default"
"path"="C:\\dir\\\"q\""
"num"=dword:0000000a
"bin"=hex:00,01,ff
"none"=hex(0):
"exp"=hex(2):25,53,79,73,74,65,6d,52,6f,6f,74,25,00
"multi"=hex(7):61,00,62,00,00
"q"=hex(b):01,02,03,04,05,06,07,08
"short dword"=hex(4):01,02
"big"=hex(100):ff
"lines"=hex(1):61,0d,0a,62,00
"inner nul"=hex(1):61,00,62,00
"empty sz"=hex(1):
)"
                               "\"caf\xE9\"=\"\x80\"\n"
                               R"(
[HKEY_CURRENT_USER\T\A]

[HKEY_CURRENT_USER\T\A\Deep]

[HKEY_CURRENT_USER\T\B]
"x"="y"

)"));
}

TEST(RegFileWriter, WritesVersion5AsUtf16WithTextDataInUtf16) {
  MemoryRegistry registry;
  Set(registry, RootKey::CurrentUser, "T", "caf\xE9", reg_type::kString, Bytes("\x80\0"s));
  Set(registry, RootKey::CurrentUser, "T", "exp", reg_type::kExpandString, Bytes("%\x80\0"s));
  Set(registry, RootKey::CurrentUser, "T", "bin", reg_type::kBinary, {0x80});
  const RegExportResult result = ExportRegFile(
      registry, RegExportScope::Subtree("HKEY_CURRENT_USER\\T"), RegFileFormat::Version5, cp);
  ASSERT_TRUE(result.ok()) << result.message;
  const std::u16string expected =
      u"Windows Registry Editor Version 5.00\r\n\r\n"
      u"[HKEY_CURRENT_USER\\T]\r\n"
      u"\"café\"=\"€\"\r\n"
      u"\"exp\"=hex(2):25,00,ac,20,00,00\r\n"
      u"\"bin\"=hex:80\r\n"
      u"\r\n";
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : expected) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  EXPECT_EQ(result.bytes, bytes);
}

// The layout of a file that Wine's regedit exported: hex data breaks before 80 columns, the
// first line counting the value name, the next ones indented by two blanks.
TEST(RegFileWriter, WrapsHexDataAtTheRegistryEditorsColumns) {
  MemoryRegistry registry;
  const RootKey u = RootKey::CurrentUser;
  const std::string key = "Software\\Golden";
  Set(registry, u, key, "", reg_type::kString, Bytes("def\0"s));
  std::string letters;
  for (int i = 0; i < 60; ++i) letters += static_cast<char>('A' + i % 26);
  Set(registry, u, key, "a longer value name here", reg_type::kExpandString, Bytes(letters + '\0'));
  std::vector<std::uint8_t> counting;
  for (int i = 0; i < 100; ++i) counting.push_back(static_cast<std::uint8_t>(i));
  Set(registry, u, key, "bin", reg_type::kBinary, counting);
  Set(registry, u, key + "\\Alpha", "x", reg_type::kString, Bytes("y\0"s));
  Set(registry, u, key + "\\Sub", "d", reg_type::kDword, {0x0A, 0, 0, 0});
  MakeKey(registry, u, key + "\\Sub\\Deeper");

  const RegExportResult result = ExportRegFile(
      registry, RegExportScope::Subtree("HKEY_CURRENT_USER\\" + key), RegFileFormat::Version5, cp);
  ASSERT_TRUE(result.ok()) << result.message;
  ASSERT_EQ(result.bytes.substr(0, 2), "\xFF\xFE");
  std::u16string units;
  for (std::size_t at = 2; at + 1 < result.bytes.size(); at += 2) {
    units.push_back(static_cast<char16_t>(static_cast<unsigned char>(result.bytes[at]) |
                                          static_cast<unsigned char>(result.bytes[at + 1]) << 8));
  }
  EXPECT_EQ(cp.FromUtf16(units), Crlf(R"(Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Golden]
@="def"
"a longer value name here"=hex(2):41,00,42,00,43,00,44,00,45,00,46,00,47,00,48,\
  00,49,00,4a,00,4b,00,4c,00,4d,00,4e,00,4f,00,50,00,51,00,52,00,53,00,54,00,\
  55,00,56,00,57,00,58,00,59,00,5a,00,41,00,42,00,43,00,44,00,45,00,46,00,47,\
  00,48,00,49,00,4a,00,4b,00,4c,00,4d,00,4e,00,4f,00,50,00,51,00,52,00,53,00,\
  54,00,55,00,56,00,57,00,58,00,59,00,5a,00,41,00,42,00,43,00,44,00,45,00,46,\
  00,47,00,48,00,00,00
"bin"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\
  17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,2e,2f,\
  30,31,32,33,34,35,36,37,38,39,3a,3b,3c,3d,3e,3f,40,41,42,43,44,45,46,47,48,\
  49,4a,4b,4c,4d,4e,4f,50,51,52,53,54,55,56,57,58,59,5a,5b,5c,5d,5e,5f,60,61,\
  62,63

[HKEY_CURRENT_USER\Software\Golden\Alpha]
"x"="y"

[HKEY_CURRENT_USER\Software\Golden\Sub]
"d"=dword:0000000a

[HKEY_CURRENT_USER\Software\Golden\Sub\Deeper]

)"));
}

// Every root, every type, awkward names and data, values far larger than 256 bytes.
void FillWholeRegistry(Registry& r) {
  FillEveryForm(r);
  std::vector<std::uint8_t> large;
  for (int i = 0; i < 1000; ++i) large.push_back(static_cast<std::uint8_t>(i * 7));
  std::string longText(700, 'w');
  for (std::uint32_t type : {reg_type::kBinary, reg_type::kNone, reg_type::kLink, 0xFFFFFFFFu}) {
    Set(r, RootKey::LocalMachine, "Software\\Large", "type " + std::to_string(type), type, large);
  }
  Set(r, RootKey::LocalMachine, "Software\\Large", "long sz", reg_type::kString,
      Bytes(longText + '\0'));
  Set(r, RootKey::LocalMachine, "Software\\Large", "long expand", reg_type::kExpandString,
      Bytes("%" + longText + "%\0"s));
  Set(r, RootKey::ClassesRoot, ".abc", "", reg_type::kString, Bytes("abcfile\0"s));
  Set(r, RootKey::ClassesRoot, "weird\\name]with\"quotes\\and [brackets]", "a\\b\"c\r\nd",
      reg_type::kString, Bytes("\\\"\0"s));
  Set(r, RootKey::Users, ".DEFAULT\\Control Panel", "\xFF\x81", reg_type::kMultiString,
      Bytes("\x9F\0\xA0\0\0"s));
  Set(r, RootKey::CurrentConfig, "", "at the root", reg_type::kDword, {0xFF, 0xFF, 0xFF, 0xFF});
  MakeKey(r, RootKey::CurrentConfig, "a\\b\\c\\d\\e\\f\\g");
}

std::string DumpRoots(Registry& registry) {
  std::string text;
  for (RootKey root : kNamedRoots) {
    text += std::string(RootName(root)) + "\n" + testing::DumpRegistry(registry, root, "");
  }
  return text;
}

// Loads the file into an empty registry.
void Import(const std::string& file, MemoryRegistry& registry) {
  const RegFileParseResult parsed = ParseRegFile(file, cp);
  ASSERT_TRUE(parsed.ok()) << "line " << parsed.error().line << ": " << parsed.error().message;
  const RegApplyStatus applied = ApplyRegFile(registry, parsed.operations());
  ASSERT_TRUE(applied.ok()) << applied.message;
}

TEST(RegFileWriter, WholeRegistryReadsBackUnchanged) {
  for (RegFileFormat format : {RegFileFormat::Regedit4, RegFileFormat::Version5}) {
    SCOPED_TRACE(format == RegFileFormat::Regedit4 ? "REGEDIT4" : "version 5.00");
    MemoryRegistry original;
    FillWholeRegistry(original);
    const RegExportResult result =
        ExportRegFile(original, RegExportScope::WholeRegistry(), format, cp);
    ASSERT_TRUE(result.ok()) << result.message;
    MemoryRegistry copy;
    Import(result.bytes, copy);
    EXPECT_EQ(DumpRoots(copy), DumpRoots(original));
  }
}

TEST(RegFileWriter, SubtreeReadsBackAloneAndUnchanged) {
  for (RegFileFormat format : {RegFileFormat::Regedit4, RegFileFormat::Version5}) {
    SCOPED_TRACE(format == RegFileFormat::Regedit4 ? "REGEDIT4" : "version 5.00");
    MemoryRegistry original;
    FillWholeRegistry(original);
    const RegExportResult result = ExportRegFile(
        original, RegExportScope::Subtree("HKEY_LOCAL_MACHINE\\Software\\Large"), format, cp);
    ASSERT_TRUE(result.ok()) << result.message;
    MemoryRegistry copy;
    Import(result.bytes, copy);
    EXPECT_EQ(testing::DumpRegistry(copy, RootKey::LocalMachine, "Software\\Large"),
              testing::DumpRegistry(original, RootKey::LocalMachine, "Software\\Large"));
    EXPECT_EQ(testing::DumpRegistry(copy, RootKey::CurrentUser, ""), ".\n")
        << "only the subtree is written";
  }
}

// The one thing the format cannot carry: text data without its NUL reads back with one, as
// the registry editor imports it.
TEST(RegFileWriter, TextDataWithoutItsNulReadsBackWithOne) {
  for (std::uint32_t type : {reg_type::kString, reg_type::kExpandString, reg_type::kMultiString}) {
    MemoryRegistry original;
    Set(original, RootKey::CurrentUser, "T", "v", type, Bytes("ab"));
    const RegExportResult result = ExportRegFile(
        original, RegExportScope::Subtree("HKEY_CURRENT_USER\\T"), RegFileFormat::Regedit4, cp);
    ASSERT_TRUE(result.ok()) << result.message;
    MemoryRegistry copy;
    Import(result.bytes, copy);
    EXPECT_EQ(testing::DumpRegistry(copy, RootKey::CurrentUser, "T"),
              ".\n.: 'v' = " + std::to_string(type) + " 'ab\\0'\n");
  }
}

TEST(RegFileWriter, NamesTheKeyItCannotRead) {
  struct Case {
    const char* scope;
    const char* lockedKey;  // below HKEY_CURRENT_USER, or nullptr
    RegStatus status;
    const char* failedKey;
  };
  const Case cases[] = {
      {"HKEY_CURRENT_USER\\Missing", nullptr, RegStatus::NotFound, "HKEY_CURRENT_USER\\Missing"},
      {"HKCU\\T", nullptr, RegStatus::InvalidParameter, "HKCU\\T"},
      {"HKEY_CURRENT_USER\\", nullptr, RegStatus::InvalidParameter, "HKEY_CURRENT_USER\\"},
      {"HKEY_CURRENT_USER\\T", "T\\B", RegStatus::AccessDenied, "HKEY_CURRENT_USER\\T\\B"},
      {"", "T\\A\\Deep", RegStatus::AccessDenied, "HKEY_CURRENT_USER\\T\\A\\Deep"},
  };
  for (const Case& c : cases) {
    MemoryRegistry registry;
    FillEveryForm(registry);
    if (c.lockedKey != nullptr) {
      registry.InjectFaults(RootKey::CurrentUser, c.lockedKey, {.refuseOpen = true});
    }
    const RegExportScope scope =
        *c.scope != '\0' ? RegExportScope::Subtree(c.scope) : RegExportScope::WholeRegistry();
    const RegExportResult result = ExportRegFile(registry, scope, RegFileFormat::Regedit4, cp);
    EXPECT_EQ(result.status, c.status) << c.scope;
    EXPECT_EQ(result.failedKey, c.failedKey) << c.scope;
    EXPECT_EQ(result.bytes, "") << c.scope;
    EXPECT_EQ(registry.openHandleCount(), 0u) << c.scope;
  }
}

// On a double-byte machine a byte that begins a character but has no valid second byte turns
// into '?' within its own name or string: it never takes the closing quote or bracket after it,
// so what the writer writes always reads back. An 8-bit file keeps every byte.
TEST(RegFileWriter, ADoubleByteMachineReadsBackWhatItWrites) {
  const CodePage& cp936 = CodePage::Windows936();
  // E9 is a lead byte of code page 936; what follows it here is no second byte.
  MemoryRegistry original(cp936);
  Set(original, RootKey::CurrentUser, "T\\Caf\xE9", "Caf\xE9", reg_type::kString,
      Bytes("Caf\xE9\0"s));
  Set(original, RootKey::CurrentUser, "T\\Caf\xE9\\Sub", "x", reg_type::kString, Bytes("y\0"s));
  MemoryRegistry settled(cp936);
  Set(settled, RootKey::CurrentUser, "T\\Caf?", "Caf?", reg_type::kString, Bytes("Caf?\0"s));
  Set(settled, RootKey::CurrentUser, "T\\Caf?\\Sub", "x", reg_type::kString, Bytes("y\0"s));

  for (RegFileFormat format : {RegFileFormat::Regedit4, RegFileFormat::Version5}) {
    SCOPED_TRACE(format == RegFileFormat::Regedit4 ? "REGEDIT4" : "version 5.00");
    const RegExportResult result =
        ExportRegFile(original, RegExportScope::WholeRegistry(), format, cp936);
    ASSERT_TRUE(result.ok()) << result.message;
    const RegFileParseResult parsed = ParseRegFile(result.bytes, cp936);
    ASSERT_TRUE(parsed.ok()) << "line " << parsed.error().line << ": " << parsed.error().message;
    MemoryRegistry copy(cp936);
    const RegApplyStatus applied = ApplyRegFile(copy, parsed.operations());
    ASSERT_TRUE(applied.ok()) << applied.message;
    EXPECT_EQ(DumpRoots(copy), DumpRoots(format == RegFileFormat::Regedit4 ? original : settled));
  }
}

// A key line cannot hold a line break, so such a key name cannot be written.
TEST(RegFileWriter, RefusesAKeyNameWithALineBreak) {
  MemoryRegistry registry;
  MakeKey(registry, RootKey::CurrentUser, "T\\two\nlines");
  const RegExportResult result = ExportRegFile(
      registry, RegExportScope::Subtree("HKEY_CURRENT_USER\\T"), RegFileFormat::Version5, cp);
  EXPECT_EQ(result.status, RegStatus::InvalidParameter);
  EXPECT_EQ(result.failedKey, "HKEY_CURRENT_USER\\T\\two\nlines");
}

}  // namespace
}  // namespace halvex::platform::substitute
