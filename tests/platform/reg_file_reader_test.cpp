// The .reg reader: every form the registry editor imports, with the registry state it gives,
// and every form it skips or mis-imports, with the line the reader names.
#include "platform/substitute/reg_file_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/substitute/memory_registry.h"
#include "tests/platform/reg_file_cases.h"
#include "tests/platform/registry_dump.h"

namespace halvex::platform::substitute {
namespace {

using namespace std::string_literals;
using ::testing::HasSubstr;

const CodePage& cp = CodePage::Windows1252();

// HKEY_CURRENT_USER\T after loading the file into an empty registry, or what went wrong.
std::string Load(std::string_view file, RegFileReading reading = RegFileReading::Strict) {
  const RegFileParseResult parsed = ParseRegFile(file, cp, reading);
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

TEST(RegFileReader, ReadsEveryFormTheRegistryEditorImports) {
  for (const testing::RegFileCase& c : testing::AcceptedRegFileCases()) {
    EXPECT_EQ(Load(testing::RegFileBytes(c)), testing::ExpectedState(c.state)) << c.what;
  }
}

TEST(RegFileReader, ReadAsTheEditorReadsItSkipsAndListsWhatTheEditorSkips) {
  for (const testing::EditorRegFileCase& c : testing::EditorRegFileCases()) {
    const std::string file = testing::RegFileBytes(c.file);
    const RegFileParseResult strict = ParseRegFile(file, cp);
    EXPECT_FALSE(strict.ok()) << c.file.what;
    if (!strict.ok()) {
      EXPECT_EQ(strict.error().line, c.strictErrorLine) << c.file.what;
    }

    EXPECT_EQ(Load(file, RegFileReading::AsTheEditor), testing::ExpectedState(c.file.state))
        << c.file.what;
    const RegFileParseResult lenient = ParseRegFile(file, cp, RegFileReading::AsTheEditor);
    std::vector<std::size_t> lines;
    for (const RegFileError& skipped : lenient.skipped()) lines.push_back(skipped.line);
    EXPECT_EQ(lines, c.skippedLines) << c.file.what;
  }
}

// Not in the table that also runs against the real editor: no test asks it to delete a root.
TEST(RegFileReader, ReadAsTheEditorReadsItARootDeletionDeletesNothingAndDropsTheValuesAfterIt) {
  const std::string file =
      "REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"a\"=\"1\"\n[-HKEY_CURRENT_USER]\n\"b\"=\"2\"\n";
  EXPECT_EQ(Load(file, RegFileReading::AsTheEditor),
            testing::ExpectedState({".", ".: 'a' = 1 '1\\0'"}));
  const RegFileParseResult parsed = ParseRegFile(file, cp, RegFileReading::AsTheEditor);
  ASSERT_EQ(parsed.skipped().size(), 2u);
  EXPECT_EQ(parsed.skipped()[0], (RegFileError{4, "a root key cannot be deleted"}));
  EXPECT_EQ(parsed.skipped()[1].line, 5u);
}

TEST(RegFileReader, ReadAsTheEditorReadsItTheAcceptedFormsGiveTheSameRegistry) {
  for (const testing::RegFileCase& c : testing::AcceptedRegFileCases()) {
    const std::string file = testing::RegFileBytes(c);
    EXPECT_EQ(Load(file, RegFileReading::AsTheEditor), Load(file)) << c.what;
    EXPECT_TRUE(ParseRegFile(file, cp, RegFileReading::AsTheEditor).skipped().empty()) << c.what;
  }
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
      // A path that begins with a backslash: the registry refuses to create the key, and its
      // deletion would delete nothing.
      {key + "[HKEY_CURRENT_USER\\\\T\\x]\n", 3, "empty key name"},
      {key + "[-HKEY_CURRENT_USER\\\\T]\n", 3, "empty key name"},
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
      {key + "\"a\"=" + std::string(100, 'x') + "\n", 3,
       "unknown data type in \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\""},
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
