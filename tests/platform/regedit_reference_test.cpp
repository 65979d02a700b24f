// Holds the .reg reader and writer to the system's registry editor (Wine's regedit, run for
// real): the same file goes through "regedit /s" into the real registry and through
// ParseRegFile and ApplyRegFile into the in-memory one, and the two must then hold the same
// keys and values; files that "regedit /e" writes read back to the registry they came from;
// and the writer's files match the editor's, byte for byte, and import alike. Every test works
// below its own key of HKEY_CURRENT_USER\Software\HalvexTests, removed afterwards.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/substitute/memory_registry.h"
#include "platform/substitute/reg_file_reader.h"
#include "platform/substitute/reg_file_writer.h"
#include "platform/win32/program_runner.h"
#include "platform/win32/win32_registry.h"
#include "tests/platform/reg_file_cases.h"
#include "tests/platform/registry_binding.h"
#include "tests/platform/registry_dump.h"

namespace halvex::platform::substitute {
namespace {

using namespace std::string_literals;

const CodePage& cp = CodePage::Windows1252();
constexpr std::uint32_t kRegeditTimeout = 60'000;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A UTF-16 file's text in the 8-bit code page, so that a failing comparison shows lines.
std::string Readable(const std::string& bytes) {
  if (!bytes.starts_with("\xFF\xFE")) return bytes;
  std::u16string units;
  for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
    units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                          static_cast<unsigned char>(bytes[at + 1]) << 8));
  }
  return "<UTF-16>" + cp.FromUtf16(units);
}

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

void Set(Registry& registry, const std::string& path, std::string_view name, std::uint32_t type,
         std::vector<std::uint8_t> data) {
  KeyHandle key;
  ASSERT_EQ(registry.CreateKey(RootHandle(RootKey::CurrentUser), path, key), RegStatus::Ok) << path;
  ASSERT_EQ(registry.SetValue(key, name, type, data), RegStatus::Ok) << path << ": " << name;
  registry.CloseKey(key);
}

// Keys and values of every type that both the editor's export and the writer write in the same
// form; `path` is below HKEY_CURRENT_USER.
void FillSharedForms(Registry& r, const std::string& path) {
  std::vector<std::uint8_t> large;
  for (int i = 0; i < 300; ++i) large.push_back(static_cast<std::uint8_t>(i * 7));
  Set(r, path, "", reg_type::kString, Bytes("default\0"s));
  Set(r, path, "sz", reg_type::kString, Bytes("C:\\dir\\\"q\"\0"s));
  Set(r, path, "empty sz", reg_type::kString, Bytes("\0"s));
  Set(r, path, "long sz", reg_type::kString, Bytes(std::string(600, 'x') + '\0'));
  Set(r, path, "caf\xE9 \x80", reg_type::kString, Bytes("\xE9\x80\0"s));
  Set(r, path, "name with \\ and \"", reg_type::kString, Bytes("x\0"s));
  Set(r, path, "line\nbreak", reg_type::kString, Bytes("y\0"s));
  Set(r, path, "expand", reg_type::kExpandString, Bytes("%SystemRoot%\\x\0"s));
  Set(r, path, "multi", reg_type::kMultiString, Bytes("a\0b\xE9\0\0"s));
  Set(r, path, "binary", reg_type::kBinary, large);
  Set(r, path, "empty binary", reg_type::kBinary, {});
  Set(r, path, "dword", reg_type::kDword, {0x78, 0x56, 0x34, 0x12});
  Set(r, path, "big endian", reg_type::kDwordBigEndian, {0x12, 0x34, 0x56, 0x78});
  Set(r, path, "qword", reg_type::kQword, {1, 2, 3, 4, 5, 6, 7, 8});
  Set(r, path, "none", reg_type::kNone, {0xAB, 0xCD});
  Set(r, path, "type 100", 0x100, {1, 2, 3});
  Set(r, path + "\\Alpha", "v", reg_type::kString, Bytes("alpha\0"s));
  KeyHandle key;
  ASSERT_EQ(r.CreateKey(RootHandle(RootKey::CurrentUser), path + "\\Sub\\Deeper", key),
            RegStatus::Ok);
  r.CloseKey(key);
}

// Values that only the writer writes in a form of its own (the editor's export would write a
// REG_SZ with line breaks as "\r\n" escapes, cut one with a NUL inside at the NUL, and a
// two-byte REG_DWORD as dword:).
void FillWriterForms(Registry& r, const std::string& path) {
  FillSharedForms(r, path);
  Set(r, path, "lines", reg_type::kString, Bytes("a\r\nb\0"s));
  Set(r, path, "inner nul", reg_type::kString, Bytes("a\0b\0"s));
  Set(r, path, "short dword", reg_type::kDword, {1, 2});
}

class RegeditReference : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(win32::AnsiCodePage(), 1252u) << "the in-memory registry converts as Windows-1252";
    regedit_ = win32::FindSystemProgram("regedit.exe");
    ASSERT_FALSE(regedit_.empty()) << "regedit.exe is in neither the Windows nor the system folder";
    regeditFolder_ = std::filesystem::path(regedit_).parent_path().string();
  }

  void TearDown() override {
    for (const std::filesystem::path& file : files_) std::filesystem::remove(file);
  }

  Registry& real() { return scratch_->registry(); }
  // The test's own key below HKEY_CURRENT_USER, and one below it.
  std::string Key(std::string_view name) const {
    return scratch_->base() + "\\" + std::string(name);
  }
  std::string FullKey(std::string_view name) const { return "HKEY_CURRENT_USER\\" + Key(name); }

  std::filesystem::path NewFile() {
    static std::atomic<int> counter{0};
    files_.push_back(std::filesystem::temp_directory_path() /
                     ("halvex_regedit_" + std::to_string(counter++) + ".reg"));
    return files_.back();
  }

  void Run(const std::string& arguments) {
    const win32::ProgramRun run =
        win32::RunAndWait("\"" + regedit_ + "\" " + arguments, regeditFolder_, kRegeditTimeout);
    ASSERT_TRUE(run.started) << "cannot start " << regedit_;
    ASSERT_TRUE(run.finished) << "regedit " << arguments << " did not end";
  }

  // "regedit /s file" with the file's bytes.
  void RegeditImport(const std::string& bytes) {
    const std::filesystem::path file = NewFile();
    std::ofstream(file, std::ios::binary) << bytes;
    Run("/s \"" + file.string() + "\"");
  }

  // "regedit /e file key": the bytes of the file it writes.
  std::string RegeditExport(const std::string& fullKeyPath) {
    const std::filesystem::path file = NewFile();
    Run("/e \"" + file.string() + "\" \"" + fullKeyPath + "\"");
    EXPECT_TRUE(std::filesystem::exists(file)) << "regedit /e wrote no file for " << fullKeyPath;
    return ReadFile(file);
  }

  // The key as the in-memory registry holds it after the reader loaded the file.
  std::string ReaderImport(const std::string& bytes, const std::string& path,
                           RegFileReading reading = RegFileReading::Strict) {
    const RegFileParseResult parsed = ParseRegFile(bytes, cp, reading);
    if (!parsed.ok()) {
      return "<line " + std::to_string(parsed.error().line) + ": " + parsed.error().message + ">";
    }
    MemoryRegistry memory;
    const RegApplyStatus applied = ApplyRegFile(memory, parsed.operations());
    if (!applied.ok()) return "<not applied: " + applied.message + ">";
    return testing::DumpRegistry(memory, RootKey::CurrentUser, path);
  }

  std::string RealState(const std::string& path) {
    return testing::DumpRegistry(real(), RootKey::CurrentUser, path);
  }

  std::unique_ptr<testing::RegistryUnderTest> scratch_ =
      testing::MakeScratch(std::make_unique<win32::Win32Registry>());
  std::string regedit_;
  std::string regeditFolder_;  // where it runs: the test's own folder may lie on no drive
  std::vector<std::filesystem::path> files_;
};

TEST_F(RegeditReference, EveryAcceptedFileImportsAsTheEditorImportsIt) {
  const std::vector<testing::RegFileCase>& cases = testing::AcceptedRegFileCases();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const std::string path = Key("case" + std::to_string(i));
    const std::string file = testing::RegFileBytes(cases[i], path);
    RegeditImport(file);
    EXPECT_EQ(ReaderImport(file, path), RealState(path)) << cases[i].what;
  }
}

// Lines the editor passes over without a word, and the reader names: the editor's registry is
// the one the file gives without the line (and, after some of them, without the next line,
// which the editor loses as well).
TEST_F(RegeditReference, LinesTheReaderRejectsAreLinesTheEditorSkips) {
  struct Skipped {
    const char* line;  // line 4 of the file; $P stands for the test's key
    bool nextLineLost;
    std::size_t errorLine = 4;  // where the reader sees the fault
  };
  const Skipped cases[] = {
      {"foo", false},
      {"[HKCU\\$P\\x]", true},  // the editor opens no key: the value after it is lost
      {"[]", true},
      {"[HKEY_CURRENT_USERS\\$P\\x]", true},   // an unknown root, as [HKCU...]
      {"[ -HKEY_CURRENT_USER\\$P]", false},    // skipped: the key is neither deleted nor left
      {"[ HKEY_CURRENT_USER\\$P\\x]", false},  // the line is skipped: the value goes on
      {"[HKEY_CURRENT_USER\\$P\\x", false},
      {"HKEY_CURRENT_USER\\Software\\x", false},
      {"name=\"x\"", false},
      {"\"a=\"x\"", false},
      {"\"abc", false},
      {"\"a\" \"x\"", false},
      {"\"a\"", false},
      {"@", false},
      {"@=", false},
      {"\"a\"=", false},
      {"\"a\"=\"abc", false},
      {"\"a\"=\"abc\\", true},
      {"\"a\"=\"x\\0y\"", true},
      {"\"before\"=\"x\" y", false},
      {"\"before\"=\"x\"#c", false},
      {"\"before\"=\"x\"\"y\"", false},
      {"\"a\"=x", false},
      {"\"before\"=-x", false},
      {"\"before\"=DWORD:1", false},
      {"\"before\"=HEX:01", false},
      {"\"before\"=Hex(2):41", false},
      {"\"before\"=qword:1", false},
      {"\"before\"=hex(2) :41", false},
      {"\"before\"=dword:", false},
      {"\"before\"=dword:123456789", false},
      {"\"before\"=dword:1 2", false},
      {"\"before\"=dword:8x", false},
      {"\"before\"=dword:0x123", false},
      {"\"before\"=dword:-1", false},
      {"\"before\"=dword:1#c", false},
      {"\"before\"=hex(0x2):41", false},
      {"\"before\"=hex(100000000):41", false},
      {"\"before\"=hex(2)41", false},
      {"\"before\"=hex:01,,02", false},
      {"\"before\"=hex:01 02", false},
      {"\"before\"=hex:01 ,02", false},
      {"\"before\"=hex:01,02 x", false},
      {"\"before\"=hex:100", false},
      {"\"before\"=hex:zz", false},
      {"\"before\"=hex:01#c", false},
      {"\"before\"=hex:01,\\", true, 5},  // the next line does not go on with hex bytes
  };
  int index = 0;
  for (const Skipped& c : cases) {
    const std::string path = Key("skip" + std::to_string(index++));
    const std::string head = "REGEDIT4\n[HKEY_CURRENT_USER\\" + path + "]\n\"before\"=\"1\"\n";
    const std::string next = "\"after\"=\"2\"\n";
    std::string line = c.line;
    if (const std::size_t at = line.find("$P"); at != std::string::npos) line.replace(at, 2, path);
    const std::string file = head + line + "\n" + next;
    const RegFileParseResult parsed = ParseRegFile(file, cp);
    EXPECT_FALSE(parsed.ok()) << line;
    if (!parsed.ok()) {
      EXPECT_EQ(parsed.error().line, c.errorLine) << line;
    }
    RegeditImport(file);
    EXPECT_EQ(ReaderImport(c.nextLineLost ? head : head + next, path), RealState(path)) << line;

    // Read as the editor reads it, the file gives the editor's registry and lists the lines.
    EXPECT_EQ(ReaderImport(file, path, RegFileReading::AsTheEditor), RealState(path)) << line;
    const RegFileParseResult lenient = ParseRegFile(file, cp, RegFileReading::AsTheEditor);
    std::vector<std::size_t> skipped;
    for (const RegFileError& error : lenient.skipped()) skipped.push_back(error.line);
    const std::vector<std::size_t> lost =
        c.nextLineLost ? std::vector<std::size_t>{4, 5} : std::vector<std::size_t>{4};
    EXPECT_EQ(skipped, lost) << line;
  }
}

// Files with lines the editor skips or reads otherwise than they say, read as the editor reads
// them (the machine folder's registry editor does): the same registry as the editor's.
TEST_F(RegeditReference, FilesReadAsTheEditorReadsThemLeaveTheEditorsRegistry) {
  const std::vector<testing::EditorRegFileCase>& cases = testing::EditorRegFileCases();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const std::string path = Key("editor" + std::to_string(i));
    const std::string file = testing::RegFileBytes(cases[i].file, path);
    RegeditImport(file);
    EXPECT_EQ(ReaderImport(file, path, RegFileReading::AsTheEditor), RealState(path))
        << cases[i].file.what;
    EXPECT_EQ(RealState(path), testing::ExpectedState(cases[i].file.state)) << cases[i].file.what;
  }
}

TEST_F(RegeditReference, TheEditorsExportReadsBackToTheSameRegistry) {
  FillSharedForms(real(), Key("export"));
  const std::string file = RegeditExport(FullKey("export"));
  EXPECT_EQ(ReaderImport(file, Key("export")), RealState(Key("export"))) << Readable(file);
}

TEST_F(RegeditReference, TheWriterWritesWhatTheEditorWrites) {
  FillSharedForms(real(), Key("export"));
  const std::string editors = RegeditExport(FullKey("export"));
  const RegExportResult ours = ExportRegFile(real(), RegExportScope::Subtree(FullKey("export")),
                                             RegFileFormat::Version5, cp);
  ASSERT_TRUE(ours.ok()) << ours.message;
  EXPECT_EQ(Readable(ours.bytes), Readable(editors));
  EXPECT_EQ(ours.bytes, editors);
}

TEST_F(RegeditReference, TheEditorImportsTheWritersFilesUnchanged) {
  for (RegFileFormat format : {RegFileFormat::Regedit4, RegFileFormat::Version5}) {
    const std::string name = format == RegFileFormat::Regedit4 ? "written4" : "written5";
    MemoryRegistry memory;
    FillWriterForms(memory, Key(name));
    const RegExportResult file =
        ExportRegFile(memory, RegExportScope::Subtree(FullKey(name)), format, cp);
    ASSERT_TRUE(file.ok()) << file.message;
    RegeditImport(file.bytes);
    EXPECT_EQ(RealState(Key(name)), testing::DumpRegistry(memory, RootKey::CurrentUser, Key(name)))
        << Readable(file.bytes);
  }
}

}  // namespace
}  // namespace halvex::platform::substitute
