// The .reg reader: every form the registry editor imports, with the registry state it gives,
// and every form it skips or mis-imports, with the line the reader names.
#include "platform/substitute/reg_file_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/substitute/memory_registry.h"
#include "tests/platform/registry_dump.h"

namespace halvex::platform::substitute {
namespace {

using namespace std::string_literals;
using ::testing::HasSubstr;

const CodePage& cp = CodePage::Windows1252();

// The expected state, in any order, as DumpRegistry writes it.
std::string State(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// HKEY_CURRENT_USER\T after loading the file into an empty registry, or what went wrong.
std::string Load(std::string_view file) {
  const RegFileParseResult parsed = ParseRegFile(file, cp);
  if (!parsed.ok()) {
    return "error at line " + std::to_string(parsed.error().line) + ": " + parsed.error().message;
  }
  MemoryRegistry registry;
  const RegApplyStatus applied = ApplyRegFile(registry, parsed.operations());
  if (!applied.ok()) return "not applied: " + applied.message;
  return testing::DumpRegistry(registry, RootKey::CurrentUser, "T");
}

// The text as a UTF-16LE file with its byte order mark.
std::string Utf16File(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

struct Accepted {
  const char* what;
  std::string file;
  std::vector<std::string> state;
};

void ExpectAccepted(const std::vector<Accepted>& cases) {
  for (const Accepted& c : cases) EXPECT_EQ(Load(c.file), State(c.state)) << c.what;
}

TEST(RegFileReader, ReadsEveryFormTheRegistryEditorImports) {
  ExpectAccepted({
      {"REGEDIT4 header",
       R"(REGEDIT4

[HKEY_CURRENT_USER\T]
"a"="x"
)",
       {".", ".: 'a' = 1 'x\\0'"}},
      {"version 5.00 header in an 8-bit file",
       R"(Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\T]
"a"="x"
)",
       {".", ".: 'a' = 1 'x\\0'"}},
      {"blanks before the header, no blank line after it",
       " \tREGEDIT4\n[HKEY_CURRENT_USER\\T]\n",
       {"."}},
      {"default value by @ and by the empty name",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
@="d"
[HKEY_CURRENT_USER\T\Sub]
""="e"
)",
       {".", ".: @ = 1 'd\\0'", "Sub", "Sub: @ = 1 'e\\0'"}},
      {"escapes in names and strings",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"a\\b\"c"="x\\y\"z\n\r"
"empty"=""
"semicolon"="a;b #c"
)",
       {".", ".: 'a\\x5Cb\"c' = 1 'x\\x5Cy\"z\\x0A\\x0D\\0'", ".: 'empty' = 1 '\\0'",
        ".: 'semicolon' = 1 'a;b #c\\0'"}},
      {"dword forms",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"one"=dword:1
"max"=dword:ffffffff
"blanks"=dword:  0000000A
"comment"=dword:00010000 ; a comment
)",
       {".", ".: 'one' = 4 '\\x01\\0\\0\\0'", ".: 'max' = 4 '\\xFF\\xFF\\xFF\\xFF'",
        ".: 'blanks' = 4 '\\x0A\\0\\0\\0'", ".: 'comment' = 4 '\\0\\0\\x01\\0'"}},
      {"hex byte forms",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"short"=hex:1,2,ab
"zeros and blanks"=hex: 001, 0F,
"empty"=hex:
"comment"=hex:41,42 ;c
"comma and comment"=hex:41,;c
)",
       {".", ".: 'short' = 3 '\\x01\\x02\\xAB'", ".: 'zeros and blanks' = 3 '\\x01\\x0F'",
        ".: 'empty' = 3 ''", ".: 'comment' = 3 'AB'", ".: 'comma and comment' = 3 'A'"}},
      {"hex(N) for any type number",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"none"=hex(0):01
"sz"=hex(1):41
"dword"=hex(4):01,02
"big endian"=hex(5):00,00,00,01
"link"=hex(6):5c,00
"qword"=hex(b):01,02,03,04,05,06,07,08
"upper"=hex(B):01
"zeros"=hex(00000003):01
"large"=hex(100):ff
"largest"=hex(ffffffff):
)",
       {".", ".: 'none' = 0 '\\x01'", ".: 'sz' = 1 'A\\0'", ".: 'dword' = 4 '\\x01\\x02'",
        ".: 'big endian' = 5 '\\0\\0\\0\\x01'", ".: 'link' = 6 '\\x5C\\0'",
        ".: 'qword' = 11 '\\x01\\x02\\x03\\x04\\x05\\x06\\x07\\x08'", ".: 'upper' = 11 '\\x01'",
        ".: 'zeros' = 3 '\\x01'", ".: 'large' = 256 '\\xFF'", ".: 'largest' = 4294967295 ''"}},
      {"8-bit text data gets its NUL, empty data stays empty",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"expand"=hex(2):25,53,25,00
"no nul"=hex(2):41,42
"empty"=hex(2):
"multi"=hex(7):61,00,62,00,00
)",
       {".", ".: 'expand' = 2 '%S%\\0'", ".: 'no nul' = 2 'AB\\0'", ".: 'empty' = 2 ''",
        ".: 'multi' = 7 'a\\0b\\0\\0'"}},
      // Wine's regedit reads these bytes as 8-bit text too: the file is 8-bit.
      {"hex(2) of an 8-bit file with the 5.00 header stays 8-bit",
       R"(Windows Registry Editor Version 5.00
[HKEY_CURRENT_USER\T]
"p"=hex(2):25,00,53,00
)",
       {".", ".: 'p' = 2 '%\\0S\\0'"}},
      {"continued hex data",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"a"=hex:01,\
  02,03
"b"=hex:\
    41,\

  ; a comment between the parts
  42
"c"=hex:01,\ ; a comment after the backslash
  02
"d"=hex(7):61,00,\
62,00,00
"after"="x"
)",
       {".", ".: 'a' = 3 '\\x01\\x02\\x03'", ".: 'b' = 3 'AB'", ".: 'c' = 3 '\\x01\\x02'",
        ".: 'd' = 7 'a\\0b\\0\\0'", ".: 'after' = 1 'x\\0'"}},
      {"comments, blank lines and blanks",
       "REGEDIT4\n; comment\n# hash comment\n"
       "   ; indented comment\n   # indented hash\n\n"
       "  [HKEY_CURRENT_USER\\T]\n\t\"a\" = \"x\"\t\n"
       "  @\t=\tdword:1\n",
       {".", ".: 'a' = 1 'x\\0'", ".: @ = 4 '\\x01\\0\\0\\0'"}},
      {"key line forms",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T\a]b]
[hkey_current_user\T\Lower]
[HKEY_CURRENT_USER\T\x] text the registry editor ignores
[HKEY_CURRENT_USER\T\p\q\r]
)",
       {".", "a]b", "Lower", "x", "p", "p\\q", "p\\q\\r"}},
      {"deletions",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T\Gone\Deep]
"v"="1"
[HKEY_CURRENT_USER\T\Kept]
[HKEY_CURRENT_USER\T]
"a"="1"
"b"="2"
"c"="3"
@="4"
"a"=-
"b" = - ; comment
@=-
"never there"=-
[-HKEY_CURRENT_USER\T\Gone]
[-HKEY_CURRENT_USER\T\Missing\Deeper]
)",
       {".", ".: 'c' = 1 '3\\0'", "Kept"}},
      {"CR, LF and CR LF line ends, no line end at the end",
       "REGEDIT4\r[HKEY_CURRENT_USER\\T]\r\n\"a\"=\"1\"\n\"b\"=hex:01,\\\r  02\r\"c\"=\"3\"",
       {".", ".: 'a' = 1 '1\\0'", ".: 'b' = 3 '\\x01\\x02'", ".: 'c' = 1 '3\\0'"}},
      {"a later line replaces a value",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"a"="x"
"a"=dword:2
)",
       {".", ".: 'a' = 4 '\\x02\\0\\0\\0'"}},
      {"a key deleted and made again is empty",
       R"(REGEDIT4
[HKEY_CURRENT_USER\T\K]
"a"="1"
[-HKEY_CURRENT_USER\T\K]
[HKEY_CURRENT_USER\T\K]
"b"="2"
)",
       {".", "K", "K: 'b' = 1 '2\\0'"}},
      {"8-bit names and strings stay as they are",
       "REGEDIT4\n[HKEY_CURRENT_USER\\T\\Caf\xE9]\n\"\x80\xFF\"=\"\x81\x9F\xA0\"\n",
       {".", "Caf\\xE9", "Caf\\xE9: '\\x80\\xFF' = 1 '\\x81\\x9F\\xA0\\0'"}},
  });
}

TEST(RegFileReader, ReadsUtf16FilesThroughTheCodePage) {
  ExpectAccepted({
      {"names and strings",
       Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n"
                 u"[HKEY_CURRENT_USER\\T\\Café]\r\n"
                 u"\"é€中\"=\"x€中\"\r\n"),
       {".", "Caf\\xE9", "Caf\\xE9: '\\xE9\\x80?' = 1 'x\\x80?\\0'"}},
      {"text data is UTF-16, other data is bytes",
       Utf16File(u"Windows Registry Editor Version 5.00\r\n"
                 u"[HKEY_CURRENT_USER\\T]\r\n"
                 u"\"expand\"=hex(2):25,00,53,00\r\n"
                 u"\"chars\"=hex(2):e9,00,ac,20,2d,4e,00,00\r\n"
                 u"\"multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
                 u"\"sz\"=hex(1):61,00\r\n"
                 u"\"empty\"=hex(7):\r\n"
                 u"\"binary\"=hex:e9,00\r\n"
                 u"\"dword\"=dword:10\r\n"),
       {".", ".: 'expand' = 2 '%S\\0'", ".: 'chars' = 2 '\\xE9\\x80?\\0'",
        ".: 'multi' = 7 'a\\0b\\0\\0'", ".: 'sz' = 1 'a\\0'", ".: 'empty' = 7 ''",
        ".: 'binary' = 3 '\\xE9\\0'", ".: 'dword' = 4 '\\x10\\0\\0\\0'"}},
      // What counts is the file's encoding, as with Wine's regedit, not its header.
      {"a UTF-16 file with the REGEDIT4 header",
       Utf16File(u"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"e\"=hex(2):41,00\n"),
       {".", ".: 'e' = 2 'A\\0'"}},
  });
}

TEST(RegFileReader, ReadsValuesLargerThanAnyBuffer) {
  std::string hex;
  std::string expected;
  for (int i = 0; i < 300; ++i) {
    hex += (i % 20 == 19) ? "41,\\\n  " : "41,";
    expected += 'A';
  }
  const std::string longText(1000, 'z');
  const std::string file =
      "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"bin\"=hex:" + hex + "42\n\"sz\"=\"" + longText + "\"\n";
  EXPECT_EQ(Load(file),
            State({".", ".: 'bin' = 3 '" + expected + "B'", ".: 'sz' = 1 '" + longText + "\\0'"}));
}

TEST(RegFileReader, AcceptsEveryRootNameInAnyCase) {
  const std::string file = R"(REGEDIT4
[HKEY_CLASSES_ROOT\K]
"v"="classes"
[hkey_current_user\K]
"v"="user"
[HKEY_Local_Machine\K]
"v"="machine"
[HKEY_USERS\K]
"v"="users"
[HKEY_CURRENT_CONFIG]
"v"="config root"
)";
  const RegFileParseResult parsed = ParseRegFile(file, cp);
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  MemoryRegistry registry;
  ASSERT_TRUE(ApplyRegFile(registry, parsed.operations()).ok());
  const struct {
    RootKey root;
    const char* path;
    const char* state;
  } expected[] = {
      {RootKey::ClassesRoot, "K", ".\n.: 'v' = 1 'classes\\0'\n"},
      {RootKey::CurrentUser, "K", ".\n.: 'v' = 1 'user\\0'\n"},
      {RootKey::LocalMachine, "K", ".\n.: 'v' = 1 'machine\\0'\n"},
      {RootKey::Users, "K", ".\n.: 'v' = 1 'users\\0'\n"},
      {RootKey::CurrentConfig, "", ".\n.: 'v' = 1 'config root\\0'\n"},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(testing::DumpRegistry(registry, e.root, e.path), e.state) << RootName(e.root);
  }
}

TEST(RegFileReader, NamesTheLineOfEachOperation) {
  const std::string file = R"(REGEDIT4

[HKEY_LOCAL_MACHINE\Software\X]
"v"=hex:01,\
  02
@=-
[-HKEY_USERS\.DEFAULT\Y]
[HKEY_CURRENT_CONFIG]
)";
  const RegFileParseResult parsed = ParseRegFile(file, cp);
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  const RegFileOperations& ops = parsed.operations();
  ASSERT_EQ(ops.size(), 5u);
  struct Expected {
    RegFileOperationKind kind;
    std::size_t line;
    const char* fullKeyPath;
    const char* valueName;
  };
  const Expected expected[] = {
      {RegFileOperationKind::CreateKey, 3, "HKEY_LOCAL_MACHINE\\Software\\X", ""},
      {RegFileOperationKind::SetValue, 4, "HKEY_LOCAL_MACHINE\\Software\\X", "v"},
      {RegFileOperationKind::DeleteValue, 6, "HKEY_LOCAL_MACHINE\\Software\\X", ""},
      {RegFileOperationKind::DeleteKeyTree, 7, "HKEY_USERS\\.DEFAULT\\Y", ""},
      {RegFileOperationKind::CreateKey, 8, "HKEY_CURRENT_CONFIG", ""},
  };
  for (std::size_t i = 0; i < ops.size(); ++i) {
    EXPECT_EQ(ops[i].kind, expected[i].kind) << "operation " << i;
    EXPECT_EQ(ops[i].line, expected[i].line) << "operation " << i;
    EXPECT_EQ(ops[i].FullKeyPath(), expected[i].fullKeyPath) << "operation " << i;
    EXPECT_EQ(ops[i].valueName, expected[i].valueName) << "operation " << i;
  }
  EXPECT_EQ(ops[1].type, reg_type::kBinary);
  EXPECT_EQ(ops[1].data, (std::vector<std::uint8_t>{1, 2}));
}

struct Rejected {
  std::string file;
  std::size_t line;
  const char* message;  // a part of the message
};

TEST(RegFileReader, RejectsWhatTheRegistryEditorSkipsOrMisreads) {
  const std::string key = "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n";  // a value line is line 3
  const Rejected cases[] = {
      // The first line.
      {"", 1, "first line must be"},
      {"\nREGEDIT4\n", 1, "first line must be"},
      {"; comment\nREGEDIT4\n", 1, "first line must be"},
      {"REGEDIT4 \n", 1, "first line must be"},
      {"regedit4\n", 1, "first line must be"},
      {"REGEDIT 4\n", 1, "first line must be"},
      {"Windows Registry Editor Version 5\n", 1, "first line must be"},
      {"REGEDIT\n", 1, "Windows 3.1"},
      {"\xEF\xBB\xBFREGEDIT4\n", 1, "UTF-8"},
      // Lines that are nothing the editor knows.
      {key + "foo\n", 3, "not a key, a value or a comment"},
      {key + "HKEY_CURRENT_USER\\T\\x\n", 3, "not a key, a value or a comment"},
      {key + "name=\"x\"\n", 3, "not a key, a value or a comment"},
      // Key lines.
      {key + "[ HKEY_CURRENT_USER\\T\\x]\n", 3, "blank after '['"},
      {key + "[HKEY_CURRENT_USER\\T\\x\n", 3, "no closing ']'"},
      {key + "[HKCU\\T]\n", 3, "unknown root key \"HKCU\""},
      {key + "[HKEY_DYN_DATA\\T]\n", 3, "unknown root key \"HKEY_DYN_DATA\""},
      {key + "[HKEY_CURRENT_USERS\\T]\n", 3, "unknown root key"},
      {key + "[]\n", 3, "unknown root key \"\""},
      {key + "[-]\n", 3, "unknown root key \"\""},
      {key + "[- HKEY_CURRENT_USER\\T]\n", 3, "unknown root key"},
      {key + "[HKEY_CURRENT_USER\\T\\\\x]\n", 3, "empty key name"},
      {key + "[HKEY_CURRENT_USER\\T\\]\n", 3, "empty key name"},
      {key + "[HKEY_CURRENT_USER\\]\n", 3, "empty key name"},
      {key + "[-HKEY_CURRENT_USER]\n", 3, "root key cannot be deleted"},
      // Value lines outside a key.
      {"REGEDIT4\n\"a\"=\"x\"\n", 2, "before the first key line"},
      {"REGEDIT4\n@=\"x\"\n", 2, "before the first key line"},
      {key + "[-HKEY_CURRENT_USER\\T\\x]\n\"a\"=\"x\"\n", 4, "after a key deletion"},
      // Names and '='.
      {key + "\"a=\"x\"\n", 3, "'=' expected"},
      {key + "\"abc\n", 3, "value name has no closing quote"},
      {key + "\"a\" \"x\"\n", 3, "'=' expected"},
      {key + "\"a\"\n", 3, "'=' expected"},
      {key + "@\n", 3, "'=' expected"},
      {key + "@=\n", 3, "no data after '='"},
      {key + "\"a\"=  \n", 3, "no data after '='"},
      {key + "\"a\\tb\"=\"x\"\n", 3, "unknown escape sequence \\t in the value name"},
      // Strings.
      {key + "\"a\"=\"abc\n", 3, "string has no closing quote"},
      {key + "\"a\"=\"abc\\\n", 3, "string has no closing quote"},
      {key + "\"a\"=\"x\\ty\"\n", 3, "unknown escape sequence \\t in the string"},
      {key + "\"a\"=\"x\\0y\"\n", 3, "\\0 in the string"},
      {key + "\"a\"=\"x\" y\n", 3, "text after the string"},
      {key + "\"a\"=\"x\"#c\n", 3, "text after the string"},
      {key + "\"a\"=\"x\"\"y\"\n", 3, "text after the string"},
      {key + "\"a\"=x\n", 3, "unknown data type in \"x\""},
      // Deletions of values.
      {key + "\"a\"=-x\n", 3, "text after '-'"},
      {key + "\"a\"=- x\n", 3, "text after '-'"},
      // Type prefixes are lower case, as the editor reads them.
      {key + "\"a\"=DWORD:1\n", 3, "unknown data type"},
      {key + "\"a\"=HEX:01\n", 3, "unknown data type"},
      {key + "\"a\"=Hex(2):41\n", 3, "unknown data type"},
      {key + "\"a\"=qword:1\n", 3, "unknown data type"},
      {key + "\"a\"=hex(2) :41\n", 3, "hex(N): needs"},
      // dword:
      {key + "\"a\"=dword:\n", 3, "dword: needs 1 to 8 hex digits"},
      {key + "\"a\"=dword:123456789\n", 3, "dword: needs 1 to 8 hex digits"},
      {key + "\"a\"=dword:000000001\n", 3, "dword: needs 1 to 8 hex digits"},
      {key + "\"a\"=dword:1 2\n", 3, "dword: needs 1 to 8 hex digits"},
      {key + "\"a\"=dword:8x\n", 3, "dword: needs 1 to 8 hex digits"},
      {key + "\"a\"=dword:0x123\n", 3, "dword: needs 1 to 8 hex digits"},
      {key + "\"a\"=dword:-1\n", 3, "dword: needs 1 to 8 hex digits"},
      {key + "\"a\"=dword:1#c\n", 3, "dword: needs 1 to 8 hex digits"},
      // hex(N):
      {key + "\"a\"=hex():41\n", 3, "hex(N): needs"},
      {key + "\"a\"=hex( 2):41\n", 3, "hex(N): needs"},
      {key + "\"a\"=hex(+2):41\n", 3, "hex(N): needs"},
      {key + "\"a\"=hex(0x2):41\n", 3, "hex(N): needs"},
      {key + "\"a\"=hex(100000000):41\n", 3, "hex(N): needs"},
      {key + "\"a\"=hex(2)41\n", 3, "hex(N): needs"},
      // Hex bytes.
      {key + "\"a\"=hex:01,,02\n", 3, "hex byte expected"},
      {key + "\"a\"=hex:01 02\n", 3, "',' expected"},
      {key + "\"a\"=hex:01 ,02\n", 3, "',' expected"},
      {key + "\"a\"=hex:01,02 x\n", 3, "',' expected"},
      {key + "\"a\"=hex:100\n", 3, "hex byte out of range"},
      {key + "\"a\"=hex:0x1f\n", 3, "',' expected"},
      {key + "\"a\"=hex:zz\n", 3, "hex byte expected"},
      {key + "\"a\"=hex:01#c\n", 3, "',' expected"},
      // Continuations.
      {key + "\"a\"=hex:01\\\n  02\n", 3, "',' expected"},
      {key + "\"a\"=hex:01,\\ x\n  02\n", 3, "text after the continuing '\\'"},
      {key + "\"a\"=hex:01,\\\n\"b\"=\"x\"\n", 4, "hex bytes expected on the line after"},
      {key + "\"a\"=hex:01,\\\n  ,02\n", 4, "hex bytes expected on the line after"},
      {key + "\"a\"=hex:01,\\\n  # comment\n  02\n", 4, "hex bytes expected on the line after"},
      {key + "\"a\"=hex:01,\\\n  02,\\\n\n  0g\n", 6, "',' expected"},
      {key + "\"a\"=hex:01,\\\n", 4, "file ends in a value continued"},
      {key + "\"a\"=hex:01,\\\n\n; comment", 5, "file ends in a value continued"},
      // Characters the editor cannot read on.
      {key + "\"a\"=\"x\0y\"\n"s, 3, "NUL character"},
      {Utf16File(u"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"a\"=hex(2):41,00,42\n"), 3,
       "UTF-16 text data with an odd number of bytes"},
      {Utf16File(u"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"a\"=\"x\"\n") + "\x41", 4,
       "ends in the middle of a character"},
  };
  for (const Rejected& c : cases) {
    const RegFileParseResult parsed = ParseRegFile(c.file, cp);
    if (parsed.ok()) {
      ADD_FAILURE() << "accepted: " << c.file;
      continue;
    }
    EXPECT_EQ(parsed.error().line, c.line) << c.file;
    EXPECT_THAT(parsed.error().message, HasSubstr(c.message)) << c.file;
  }
}

// A file's lines are carried out in order through the registry; the first refusal stops it and
// names the operation.
TEST(RegFileReader, ApplyStopsAtTheFirstRefusalAndNamesIt) {
  struct Case {
    const char* what;
    const char* faultyKey;  // below HKEY_CURRENT_USER
    KeyFaults faults;
    std::size_t index;
    std::size_t line;
    const char* message;
  };
  const Case cases[] = {
      {"a read-only key",
       "T\\Locked",
       {.readOnly = true},
       2,
       4,
       "cannot create key HKEY_CURRENT_USER\\T\\Locked (error 5)"},
      {"a key that refuses to open",
       "T\\Locked",
       {.refuseOpen = true},
       2,
       4,
       "cannot create key HKEY_CURRENT_USER\\T\\Locked (error 5)"},
      {"a key in the deleted tree that refuses deletion",
       "T\\Tree\\Inner",
       {.refuseDelete = true},
       6,
       8,
       "cannot delete key HKEY_CURRENT_USER\\T\\Tree (error 5)"},
      {"a key whose values refuse deletion",
       "T\\Values",
       {.refuseDelete = true},
       8,
       10,
       "cannot delete value \"v\" of HKEY_CURRENT_USER\\T\\Values (error 5)"},
  };
  const std::string file = R"(REGEDIT4
[HKEY_CURRENT_USER\T]
"a"="1"
[HKEY_CURRENT_USER\T\Locked]
"b"="2"
[HKEY_CURRENT_USER\T\Tree\Inner]
"c"="3"
[-HKEY_CURRENT_USER\T\Tree]
[HKEY_CURRENT_USER\T\Values]
"v"=-
[HKEY_CURRENT_USER\T]
"d"="4"
)";
  const RegFileParseResult parsed = ParseRegFile(file, cp);
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  for (const Case& c : cases) {
    MemoryRegistry registry;
    registry.InjectFaults(RootKey::CurrentUser, c.faultyKey, c.faults);
    const RegApplyStatus status = ApplyRegFile(registry, parsed.operations());
    EXPECT_EQ(status.status, RegStatus::AccessDenied) << c.what;
    EXPECT_EQ(status.index, c.index) << c.what;
    EXPECT_EQ(status.line, c.line) << c.what;
    EXPECT_EQ(status.message, c.message) << c.what;
    // What came before the refusal is in, what came after it is not.
    const std::string state = testing::DumpRegistry(registry, RootKey::CurrentUser, "T");
    EXPECT_THAT(state, HasSubstr(".: 'a' = 1 '1\\0'")) << c.what;
    EXPECT_THAT(state, ::testing::Not(HasSubstr("'d'"))) << c.what;
    EXPECT_EQ(registry.openHandleCount(), 0u) << c.what;
  }
}

TEST(RegFileReader, ApplyNamesAValueTheRegistryRefuses) {
  RegFileOperation set;
  set.kind = RegFileOperationKind::SetValue;
  set.line = 7;
  set.root = RootKey::CurrentUser;
  set.path = "T\\\\x";  // an empty key name, which no registry takes
  set.valueName = "v";
  set.type = reg_type::kString;
  MemoryRegistry registry;
  const RegApplyStatus status = ApplyRegFile(registry, {set});
  EXPECT_EQ(status.status, RegStatus::InvalidParameter);
  EXPECT_EQ(status.line, 7u);
  EXPECT_EQ(status.message, "cannot set value \"v\" of HKEY_CURRENT_USER\\T\\\\x (error 87)");
}

}  // namespace
}  // namespace halvex::platform::substitute
