// Machine folders: machine.ini, attributes.ini and LoadMachineFolder end to end. A folder loads
// whole or not at all: a machine that loads holds exactly what its registry.reg says, a load
// that fails leaves no working folder behind, and nothing outside the working folder is
// written. A machine that loaded loads again after a save.
//
// The input is registry.reg, then machine.ini and attributes.ini, separated by NUL bytes; a
// file the input does not reach is not in the folder.
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/input_parts.h"
#include "platform/substitute/machine_folder.h"
#include "platform/substitute/machine_folder_save.h"
#include "platform/substitute/machine_ini.h"
#include "platform/substitute/memory_registry.h"
#include "platform/substitute/reg_file_reader.h"
#include "tests/platform/host_temp_folder.h"
#include "tests/platform/registry_dump.h"

namespace {

namespace fs = std::filesystem;
using namespace halvex::platform;
using namespace halvex::platform::substitute;

void WriteHostFile(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

// Every file and folder below `folder` with its bytes (folders with none).
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    std::string bytes;
    if (entry.is_regular_file()) {
      std::ifstream in(entry.path(), std::ios::binary);
      bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    entries[entry.path().lexically_relative(folder).generic_string()] = bytes;
  }
  return entries;
}

std::string Dump(Registry& registry) {
  std::string text;
  for (RootKey root : kNamedRoots) {
    text += std::string(RootName(root)) + "\n" + halvex::testing::DumpRegistry(registry, root, "");
  }
  return text;
}

// The fixture's folders: the machine folder with two drive files, and the parent of the working
// folders, both below one host folder that the check watches.
struct Folders {
  halvex::testing::HostTempFolder root;
  fs::path machine = root.path() / "machine";
  fs::path working = root.path() / "working";
  Folders() {
    WriteHostFile(machine / "drives" / "C" / "WINDOWS" / "win.ini", "[windows]\r\n");
    WriteHostFile(machine / "drives" / "C" / "App" / "app.exe", "MZ");
    fs::create_directories(working);
  }
};

void WriteFolder(const Folders& folders, const std::vector<std::string_view>& parts) {
  const char* const files[] = {"registry.reg", "machine.ini", "attributes.ini"};
  for (std::size_t index = 0; index < std::size(files); ++index) {
    const fs::path path = folders.machine / files[index];
    if (index < parts.size()) {
      WriteHostFile(path, parts[index]);
    } else {
      fs::remove(path);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Folders folders;
  const std::vector<std::string_view> parts =
      halvex::fuzz::SplitAtNul(halvex::fuzz::AsText(data, size));
  WriteFolder(folders, parts);
  const std::map<std::string, std::string> before = Snapshot(folders.root.path());

  std::string loadedRegistry;
  {
    MachineFolderResult loaded = LoadMachineFolder(folders.machine, folders.working);
    if (!loaded.ok() && loaded.error().file == folders.machine / "registry.reg") {
      // A registry.reg that reads is loaded whole: its error names a line the reader refused,
      // never a key the registry refused half-way through.
      const MachineIniResult ini =
          parts.size() > 1 ? ParseMachineIni(parts[1]) : MachineIniResult(MachineSettings{});
      const CodePage& codePage = *CodePage::ForNumber(std::get<MachineSettings>(ini).codePage);
      HALVEX_FUZZ_CHECK(!ParseRegFile(parts[0], codePage).ok(),
                        "registry.reg reads but does not load: " + loaded.error().Describe());
    }
    if (loaded.ok()) {
      const std::unique_ptr<SubstituteMachine> machine = loaded.TakeMachine();
      // Loaded whole: the registry holds everything the file says.
      MemoryRegistry expected(machine->registry().codePage());
      const RegFileParseResult parsed = ParseRegFile(parts[0], expected.codePage());
      HALVEX_FUZZ_CHECK(parsed.ok(), "the folder loaded, but its registry.reg does not read");
      HALVEX_FUZZ_CHECK(ApplyRegFile(expected, parsed.operations()).ok(),
                        "the folder loaded, but its registry.reg does not apply");
      loadedRegistry = Dump(machine->registry());
      HALVEX_FUZZ_CHECK(loadedRegistry == Dump(expected),
                        "the machine's registry is not what registry.reg says:\n" + loadedRegistry +
                            "instead of\n" + Dump(expected));
    }
  }
  HALVEX_FUZZ_CHECK(fs::is_empty(folders.working), "a working folder outlived its machine");
  const std::map<std::string, std::string> after = Snapshot(folders.root.path());
  HALVEX_FUZZ_CHECK(after == before, "loading a machine folder wrote outside its working folder");
  if (loadedRegistry.empty()) return 0;

  // A save always loads again.
  {
    MachineFolderResult loaded = LoadMachineFolder(folders.machine, folders.working);
    HALVEX_FUZZ_CHECK(loaded.ok(), "the folder loads once but not twice");
    const std::unique_ptr<SubstituteMachine> machine = loaded.TakeMachine();
    const std::optional<MachineFolderError> saved = SaveMachineFolder(*machine);
    HALVEX_FUZZ_CHECK(!saved, "the machine cannot be saved: " + saved->Describe());
  }
  MachineFolderResult again = LoadMachineFolder(folders.machine, folders.working);
  HALVEX_FUZZ_CHECK(again.ok(), "the folder does not load after a save: " +
                                    (again.ok() ? std::string() : again.error().Describe()));
  return 0;
}
