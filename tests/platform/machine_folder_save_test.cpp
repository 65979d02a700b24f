// Writing a machine back into its folder: the registry and the drives' files as the logic left
// them, and nothing more.
#include "platform/substitute/machine_folder_save.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/substitute/civil_time.h"
#include "platform/substitute/reg_file_reader.h"
#include "tests/platform/host_temp_folder.h"
#include "tests/platform/registry_dump.h"

namespace halvex::platform::substitute {
namespace {

// "Caf" and E9, a lead byte of code page 936 without its second byte, and the NUL.
const std::vector<std::uint8_t> kCafe = {'C', 'a', 'f', 0xE9, 0};

namespace fs = std::filesystem;

void WriteHostFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadHostFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MachineFolderSave : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteHostFile(dir() / "registry.reg",
                  "REGEDIT4\r\n\r\n; a comment\r\n[HKEY_CURRENT_USER\\Software\\App]\r\n"
                  "\"keep\"=\"1\"\r\n\"drop\"=\"2\"\r\n");
    WriteHostFile(dir() / "drives" / "C" / "keep.txt", "kept");
    WriteHostFile(dir() / "drives" / "C" / "Old" / "gone.txt", "gone");
    WriteHostFile(dir() / "drives" / "C" / "Old" / "Deeper" / "gone.txt", "gone");
    fs::create_directories(dir() / "drives" / "C" / "EmptyStays");
    MachineFolderResult loaded = LoadMachineFolder(dir(), work.path());
    ASSERT_TRUE(loaded.ok()) << loaded.error().Describe();
    machine = loaded.TakeMachine();
  }
  fs::path dir() const { return source.path() / "machine"; }

  testing::HostTempFolder source, work;
  std::unique_ptr<SubstituteMachine> machine;
};

TEST_F(MachineFolderSave, WritesTheRegistryAndTheDrivesBack) {
  KeyHandle key;
  ASSERT_EQ(machine->registry().OpenKey(RootHandle(RootKey::CurrentUser), "Software\\App",
                                        KeyAccess::ReadWrite, key),
            RegStatus::Ok);
  ASSERT_EQ(machine->registry().DeleteValue(key, "drop"), RegStatus::Ok);
  machine->registry().CloseKey(key);
  FileSystem& files = machine->files();
  ASSERT_TRUE(files.DeleteFile("C:\\Old\\gone.txt"));
  ASSERT_TRUE(files.DeleteFile("C:\\Old\\Deeper\\gone.txt"));
  ASSERT_TRUE(files.CreateFolder("C:\\New"));
  ASSERT_TRUE(files.WriteFile("C:\\New\\made.reg", "made"));

  const std::optional<MachineFolderError> error = SaveMachineFolder(*machine);
  ASSERT_FALSE(error) << error->Describe();

  const std::string registry = ReadHostFile(dir() / "registry.reg");
  EXPECT_TRUE(registry.starts_with("REGEDIT4\r\n")) << "the header it had";
  const auto parsed = ParseRegFile(registry, CodePage::Windows1252());
  ASSERT_TRUE(parsed.ok()) << parsed.error().message;
  MemoryRegistry reloaded;
  ASSERT_TRUE(ApplyRegFile(reloaded, parsed.operations()).ok());
  EXPECT_EQ(testing::DumpRegistry(reloaded, RootKey::CurrentUser, "Software"),
            testing::DumpRegistry(machine->registry(), RootKey::CurrentUser, "Software"));
  EXPECT_EQ(registry.find("drop"), std::string::npos);

  const fs::path c = dir() / "drives" / "C";
  EXPECT_EQ(ReadHostFile(c / "keep.txt"), "kept");
  EXPECT_EQ(ReadHostFile(c / "New" / "made.reg"), "made");
  EXPECT_TRUE(fs::is_directory(c / "Old")) << "the folder is still on the machine";
  EXPECT_FALSE(fs::exists(c / "Old" / "gone.txt"));
  EXPECT_TRUE(fs::is_directory(c / "EmptyStays"));
  EXPECT_FALSE(fs::exists(c / "WINDOWS")) << "the system folders the loader made, empty, stay out";
  EXPECT_FALSE(fs::exists(dir() / "registry.reg.new"));
}

TEST_F(MachineFolderSave, RemovesFoldersTheMachineNoLongerHas) {
  ASSERT_TRUE(machine->files().DeleteFile("C:\\Old\\Deeper\\gone.txt"));
  fs::remove_all(*machine->files().HostPath("C:\\Old\\Deeper"));
  ASSERT_FALSE(SaveMachineFolder(*machine));
  EXPECT_FALSE(fs::exists(dir() / "drives" / "C" / "Old" / "Deeper"));
  EXPECT_EQ(ReadHostFile(dir() / "drives" / "C" / "Old" / "gone.txt"), "gone");
}

// The attributes and times the machine shows for the file `name` in `folder`.
struct Kept {
  std::uint32_t attributes = 0;
  FileTime creation = 0;
  FileTime lastWrite = 0;
};
std::optional<Kept> KeptOf(SubstituteMachine& machine, std::string_view folder,
                           std::string_view name) {
  const std::optional<std::vector<FileEntry>> entries = machine.files().ListFolder(folder);
  for (const FileEntry& entry : entries.value_or(std::vector<FileEntry>{})) {
    if (entry.name == name) return Kept{entry.attributes, entry.creationTime, entry.lastWriteTime};
  }
  return std::nullopt;
}

FileTime TimeOf(const char* text) {
  return *FieldsToFileTime(*ParseTimeText(text));
}

TEST_F(MachineFolderSave, AttributesIniFollowsDeletedAndMovedFilesSoTheFolderLoadsAgain) {
  WriteHostFile(dir() / "attributes.ini",
                "C:\\Old\\gone.txt=hidden\r\n"
                "C:\\keep.txt=readonly,created=2001-02-03 04:05:06,written=2002-03-04 05:06:07\r\n"
                "C:\\Old\\Deeper\\gone.txt=system,written=2003-01-01 00:00:00\r\n");
  MachineFolderResult loaded = LoadMachineFolder(dir(), work.path());
  ASSERT_TRUE(loaded.ok()) << loaded.error().Describe();
  machine = loaded.TakeMachine();
  ASSERT_TRUE(machine->files().DeleteFile("C:\\Old\\gone.txt"));
  ASSERT_TRUE(machine->files().ReplaceFile("C:\\Old\\Deeper\\gone.txt", "C:\\moved.txt"));

  const std::optional<MachineFolderError> error = SaveMachineFolder(*machine);
  ASSERT_FALSE(error) << error->Describe();
  const std::string attributes = ReadHostFile(dir() / "attributes.ini");
  EXPECT_EQ(attributes.find("gone.txt"), std::string::npos) << attributes;

  MachineFolderResult reloaded = LoadMachineFolder(dir(), work.path());
  ASSERT_TRUE(reloaded.ok()) << reloaded.error().Describe();
  machine = reloaded.TakeMachine();
  const std::optional<Kept> keep = KeptOf(*machine, "C:\\", "keep.txt");
  ASSERT_TRUE(keep);
  EXPECT_EQ(keep->attributes, file_attribute::kReadOnly);
  EXPECT_EQ(keep->creation, TimeOf("2001-02-03 04:05:06"));
  EXPECT_EQ(keep->lastWrite, TimeOf("2002-03-04 05:06:07"));
  const std::optional<Kept> moved = KeptOf(*machine, "C:\\", "moved.txt");
  ASSERT_TRUE(moved) << "the moved file is in its new place";
  EXPECT_EQ(moved->attributes, file_attribute::kSystem) << "its attributes moved with it";
  EXPECT_EQ(moved->lastWrite, TimeOf("2003-01-01 00:00:00"));
}

TEST_F(MachineFolderSave, AVersion5RegistryIsWrittenAsUtf16) {
  WriteHostFile(dir() / "registry.reg", "Windows Registry Editor Version 5.00\r\n\r\n");
  ASSERT_FALSE(SaveMachineFolder(*machine));
  EXPECT_TRUE(ReadHostFile(dir() / "registry.reg").starts_with("\xFF\xFE"));
}

// A double-byte machine whose registry holds a name that ends in half a character (as an
// imported 8-bit backup can bring one) still loads after a save in UTF-16.
TEST(MachineFolderSaveDoubleByte, AVersion5RegistryLoadsAgainAfterASave) {
  testing::HostTempFolder source, work;
  const fs::path dir = source.path() / "machine";
  WriteHostFile(dir / "machine.ini", "[machine]\r\ncodepage=936\r\n");
  WriteHostFile(dir / "registry.reg", "Windows Registry Editor Version 5.00\r\n\r\n");
  {
    MachineFolderResult loaded = LoadMachineFolder(dir, work.path());
    ASSERT_TRUE(loaded.ok()) << loaded.error().Describe();
    const std::unique_ptr<SubstituteMachine> machine = loaded.TakeMachine();
    KeyHandle key;
    ASSERT_EQ(
        machine->registry().CreateKey(RootHandle(RootKey::CurrentUser), "Software\\Caf\xE9", key),
        RegStatus::Ok);
    ASSERT_EQ(machine->registry().SetValue(key, "Caf\xE9", reg_type::kString, kCafe),
              RegStatus::Ok);
    machine->registry().CloseKey(key);
    ASSERT_FALSE(SaveMachineFolder(*machine));
  }
  MachineFolderResult again = LoadMachineFolder(dir, work.path());
  ASSERT_TRUE(again.ok()) << again.error().Describe();
  EXPECT_EQ(
      testing::DumpRegistry(again.TakeMachine()->registry(), RootKey::CurrentUser, "Software"),
      ".\nCaf?\nCaf?: 'Caf?' = 1 'Caf?\\0'\n");
}

// The history cleaner's changes: the URL cache file without its deleted entries, and a Recycle
// Bin emptied for good, earlier runs' files included.
class MachineFolderSaveHistory : public ::testing::Test {
 protected:
  fs::path dir() const { return source.path() / "machine"; }
  std::unique_ptr<SubstituteMachine> Load() {
    MachineFolderResult loaded = LoadMachineFolder(dir(), work.path());
    EXPECT_TRUE(loaded.ok()) << loaded.error().Describe();
    return loaded.ok() ? loaded.TakeMachine() : nullptr;
  }

  testing::HostTempFolder source, work;
};

TEST_F(MachineFolderSaveHistory, TheCacheLosesOnlyItsDeletedEntriesAndAnEmptiedBinStaysEmpty) {
  WriteHostFile(dir() / "registry.reg", "REGEDIT4\r\n");
  WriteHostFile(dir() / "urlcache.txt",
                "; pages\n1 http://a.example/\n0x4 http://b.example/\r\r\n");
  WriteHostFile(dir() / "recycled" / "earlier.txt", "e");
  std::unique_ptr<SubstituteMachine> machine = Load();
  ASSERT_NE(machine, nullptr);
  EXPECT_EQ(machine->urlCache().entries().size(), 2u);
  ASSERT_TRUE(machine->urlCache().DeleteEntry("http://a.example/"));
  EXPECT_EQ(machine->recycleBin().EmptyAll(), EmptyRecycleBinResult::Called);
  ASSERT_FALSE(SaveMachineFolder(*machine).has_value());
  EXPECT_EQ(ReadHostFile(dir() / "urlcache.txt"), "4 http://b.example/\n");
  EXPECT_FALSE(fs::exists(dir() / "recycled" / "earlier.txt"));
}

TEST_F(MachineFolderSaveHistory, AnUnreadableCacheFileNamesItsLine) {
  WriteHostFile(dir() / "registry.reg", "REGEDIT4\r\n");
  WriteHostFile(dir() / "urlcache.txt", "1 http://a.example/\nnormal http://b.example/\n");
  MachineFolderResult loaded = LoadMachineFolder(dir(), work.path());
  ASSERT_FALSE(loaded.ok());
  EXPECT_NE(loaded.error().Describe().find("urlcache.txt: line 2: the type is not a number"),
            std::string::npos)
      << loaded.error().Describe();
}

}  // namespace
}  // namespace halvex::platform::substitute
