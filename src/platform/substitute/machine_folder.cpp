#include "platform/substitute/machine_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/substitute/attributes_ini.h"
#include "platform/substitute/reg_file_reader.h"
#include "platform/substitute/versions_ini.h"

namespace halvex::platform::substitute {
namespace fs = std::filesystem;
namespace {

std::optional<std::string> ReadHostFile(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool Exists(const fs::path& path) {
  std::error_code error;
  return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

// A new folder below `parent` that no other machine uses.
std::optional<fs::path> MakeWorkingFolder(const fs::path& parent, std::error_code& error) {
  static std::atomic<unsigned> counter{0};
  fs::create_directories(parent, error);
  if (error) return std::nullopt;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder =
        parent / ("halvex-machine-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    if (fs::create_directory(folder, error)) return folder;
    if (error) return std::nullopt;
  }
  error = std::make_error_code(std::errc::file_exists);
  return std::nullopt;
}

// Copies a drive folder with its modification times, which the machine shows as the files'
// times (copy_file alone gives every copy the moment of copying).
void CopyTree(const fs::path& from, const fs::path& to, std::error_code& error) {
  fs::copy(from, to, fs::copy_options::recursive, error);
  if (error) return;
  std::vector<std::pair<fs::path, fs::file_time_type>> times;
  for (fs::recursive_directory_iterator it(from, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code timeError;
    const fs::file_time_type time = it->last_write_time(timeError);
    if (!timeError) times.emplace_back(to / it->path().lexically_relative(from), time);
  }
  // Reversed, every folder comes after what it holds: copying into a folder changed its time,
  // setting the time of a file in it does not. A Windows host refuses times for folders
  // (mingw sets them through the C runtime, which opens files only); they stay the copy's.
  for (auto it = times.rbegin(); !error && it != times.rend(); ++it) {
    std::error_code timeError, typeError;
    fs::last_write_time(it->first, it->second, timeError);
    if (timeError && !fs::is_directory(it->first, typeError)) error = timeError;
  }
}

// The folder and each folder above it, up to the drive root.
void MakeFolderChain(FileSystem& files, const std::string& folder) {
  for (std::size_t at = folder.find_first_of("\\/", 3); at != std::string::npos;
       at = folder.find_first_of("\\/", at + 1)) {
    const std::string above = folder.substr(0, at);
    if (!files.FolderExists(above)) (void)files.CreateFolder(above);
  }
  if (!files.FolderExists(folder)) (void)files.CreateFolder(folder);
}

std::vector<HostDrive> DrivesBelow(const MachineSettings& settings, const fs::path& working) {
  std::vector<HostDrive> drives;
  for (const DriveSettings& drive : settings.drives) {
    drives.push_back(
        HostDrive{drive.letter, working / std::string(1, drive.letter), drive.type, drive.space});
  }
  return drives;
}

// The drive folders below DIR/drives by letter, or the first that is wrong.
std::variant<std::map<char, fs::path>, MachineFolderError> FindDriveFolders(
    const fs::path& drivesFolder, const MachineSettings& settings) {
  std::map<char, fs::path> found;
  if (!Exists(drivesFolder)) return found;
  std::error_code error;
  if (!fs::is_directory(drivesFolder, error)) {
    return MachineFolderError{drivesFolder, 0, "is not a folder"};
  }
  for (fs::directory_iterator it(drivesFolder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    char letter = name.size() == 1 ? name[0] : '\0';
    if (letter >= 'a' && letter <= 'z') letter = char(letter - 0x20);
    std::error_code typeError;
    if (letter < 'A' || letter > 'Z' || !it->is_directory(typeError)) {
      return MachineFolderError{
          it->path(), 0, "is no drive folder: drives holds one folder per drive letter, such as C"};
    }
    if (settings.FindDrive(letter) == nullptr) {
      return MachineFolderError{it->path(), 0,
                                "drive " + std::string(1, letter) +
                                    ": has a folder, but machine.ini does not list it in [drives]"};
    }
    if (!found.emplace(letter, it->path()).second) {
      return MachineFolderError{it->path(), 0,
                                "is a second folder for drive " + std::string(1, letter) + ":"};
    }
  }
  if (error) return MachineFolderError{drivesFolder, 0, "cannot be read: " + error.message()};
  return found;
}

}  // namespace

SubstituteMachine::SubstituteMachine(const MachineSettings& settings, fs::path sourceFolder,
                                     fs::path workingFolder)
    : settings_(settings),
      sourceFolder_(std::move(sourceFolder)),
      workingFolder_(std::move(workingFolder)),
      codePage_(CodePage::ForNumber(settings.codePage) != nullptr
                    ? *CodePage::ForNumber(settings.codePage)
                    : CodePage::Windows1252()),
      registry_(codePage_),
      files_(DrivesBelow(settings, workingFolder_), settings.folders, codePage_),
      locale_(codePage_),
      clock_(settings.now, settings.utcOffsetMinutes),
      links_(files_, codePage_),
      facts_{settings.platformClass, settings.majorVersion, settings.minorVersion},
      shell_(files_, workingFolder_ / "recycled", settings.userFolders),
      identities_(files_),
      recycleBin_(workingFolder_ / "recycled"),
      folders_(files_) {}

SubstituteMachine::~SubstituteMachine() {
  std::error_code error;
  if (!workingFolder_.empty()) fs::remove_all(workingFolder_, error);
}

std::string MachineFolderError::Describe() const {
  std::string text = file.string();
  if (line != 0) text += ":" + std::to_string(line);
  return text + ": " + message;
}

MachineFolderResult LoadMachineFolder(const fs::path& folder, const fs::path& workingParent) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    return MachineFolderError{folder, 0, "is not a machine folder (no such folder)"};
  }

  MachineSettings settings;
  const fs::path iniPath = folder / "machine.ini";
  if (Exists(iniPath)) {
    const std::optional<std::string> text = ReadHostFile(iniPath);
    if (!text) return MachineFolderError{iniPath, 0, "cannot be read"};
    MachineIniResult parsed = ParseMachineIni(*text);
    if (const LineError* wrong = std::get_if<LineError>(&parsed)) {
      return MachineFolderError{iniPath, wrong->line, wrong->message};
    }
    settings = std::get<MachineSettings>(parsed);
  }
  const CodePage& codePage = *CodePage::ForNumber(settings.codePage);

  std::vector<AttributeOverride> overrides;
  const fs::path attributesPath = folder / "attributes.ini";
  if (Exists(attributesPath)) {
    const std::optional<std::string> text = ReadHostFile(attributesPath);
    if (!text) return MachineFolderError{attributesPath, 0, "cannot be read"};
    AttributesIniResult parsed = ParseAttributesIni(*text);
    if (const LineError* wrong = std::get_if<LineError>(&parsed)) {
      return MachineFolderError{attributesPath, wrong->line, wrong->message};
    }
    overrides = std::get<std::vector<AttributeOverride>>(std::move(parsed));
  }

  VersionTable versions;
  const fs::path versionsPath = folder / "versions.ini";
  if (Exists(versionsPath)) {
    const std::optional<std::string> text = ReadHostFile(versionsPath);
    if (!text) return MachineFolderError{versionsPath, 0, "cannot be read"};
    VersionsIniResult parsed = ParseVersionsIni(*text);
    if (const LineError* wrong = std::get_if<LineError>(&parsed)) {
      return MachineFolderError{versionsPath, wrong->line, wrong->message};
    }
    versions = std::get<VersionTable>(std::move(parsed));
  }

  std::vector<UrlCacheEntry> cacheEntries;
  const fs::path cachePath = folder / "urlcache.txt";
  if (Exists(cachePath)) {
    const std::optional<std::string> text = ReadHostFile(cachePath);
    if (!text) return MachineFolderError{cachePath, 0, "cannot be read"};
    auto parsed = ParseUrlCacheText(*text);
    if (const std::string* wrong = std::get_if<std::string>(&parsed)) {
      return MachineFolderError{cachePath, 0, *wrong};
    }
    cacheEntries = std::get<std::vector<UrlCacheEntry>>(std::move(parsed));
  }

  const fs::path registryPath = folder / "registry.reg";
  const std::optional<std::string> registryText = ReadHostFile(registryPath);
  if (!registryText) {
    return MachineFolderError{registryPath, 0,
                              Exists(registryPath) ? "cannot be read"
                                                   : "is missing: a machine folder holds its "
                                                     "registry in registry.reg"};
  }
  const RegFileParseResult registry = ParseRegFile(*registryText, codePage);
  if (!registry.ok()) {
    return MachineFolderError{registryPath, registry.error().line, registry.error().message};
  }

  auto driveFolders = FindDriveFolders(folder / "drives", settings);
  if (const MachineFolderError* wrong = std::get_if<MachineFolderError>(&driveFolders)) {
    return *wrong;
  }

  const fs::path parent = workingParent.empty() ? fs::temp_directory_path(error) : workingParent;
  const std::optional<fs::path> working = error ? std::nullopt : MakeWorkingFolder(parent, error);
  if (!working) {
    return MachineFolderError{parent, 0,
                              "cannot hold the machine's working folder: " + error.message()};
  }
  // From here on the machine owns the working folder and removes it on any error.
  auto machine = std::make_unique<SubstituteMachine>(settings, folder, *working);
  machine->versions().SetTable(std::move(versions));
  for (UrlCacheEntry& entry : cacheEntries) machine->urlCache().Add(std::move(entry));
  for (const auto& [letter, source] : std::get<std::map<char, fs::path>>(driveFolders)) {
    CopyTree(source, *working / std::string(1, letter), error);
    if (error) return MachineFolderError{source, 0, "cannot be copied: " + error.message()};
  }
  // The system's folders exist on every Windows machine, whatever the drive folders hold.
  for (const std::string& systemFolder :
       {machine->files().WindowsFolder(), machine->files().SystemFolder(),
        machine->files().TempFolder(), machine->files().ProgramFolder()}) {
    MakeFolderChain(machine->files(), systemFolder);
    if (!machine->files().FolderExists(systemFolder)) {
      return MachineFolderError{iniPath, 0, "the folder " + systemFolder + " cannot be made"};
    }
  }

  const RegApplyStatus applied = ApplyRegFile(machine->registry(), registry.operations());
  if (!applied.ok()) return MachineFolderError{registryPath, applied.line, applied.message};

  for (const AttributeOverride& entry : overrides) {
    HostFileSystem& files = machine->files();
    if (!files.HostPath(entry.path)) {
      return MachineFolderError{attributesPath, entry.line,
                                entry.path + " is no file or folder of the machine"};
    }
    if (entry.attributes && !files.SetAttributes(entry.path, *entry.attributes)) {
      return MachineFolderError{attributesPath, entry.line, "cannot set the attributes"};
    }
    if ((entry.creation || entry.lastWrite) &&
        !files.SetTimes(entry.path, entry.creation, entry.lastWrite)) {
      return MachineFolderError{attributesPath, entry.line, "cannot set the times"};
    }
  }
  return MachineFolderResult(std::move(machine));
}

}  // namespace halvex::platform::substitute
