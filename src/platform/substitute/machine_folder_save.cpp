#include "platform/substitute/machine_folder_save.h"

#include <fstream>
#include <iterator>
#include <set>

#include "platform/substitute/attributes_ini.h"
#include "platform/substitute/reg_file_writer.h"

namespace halvex::platform::substitute {
namespace fs = std::filesystem;
namespace {

std::optional<std::string> ReadHostFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteHostFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return out.good();
}

// The header the file had; a file that cannot be read counts as version 5.00.
RegFileFormat FormatOf(const fs::path& registryPath) {
  const std::optional<std::string> bytes = ReadHostFile(registryPath);
  return bytes && bytes->starts_with(kRegedit4Header) ? RegFileFormat::Regedit4
                                                      : RegFileFormat::Version5;
}

// Writes beside the file and moves the new one over it, so that it is never half written.
std::optional<MachineFolderError> ReplaceHostFile(const fs::path& path, const std::string& bytes) {
  const fs::path fresh = path.string() + ".new";
  std::error_code error;
  if (!WriteHostFile(fresh, bytes)) {
    fs::remove(fresh, error);
    return MachineFolderError{fresh, 0, "cannot be written"};
  }
  fs::rename(fresh, path, error);
  if (error) return MachineFolderError{path, 0, "cannot be replaced: " + error.message()};
  return std::nullopt;
}

// Copies `from` beside `to` and moves the copy over it, with `from`'s time: the file is never
// half written, and an existing file is replaced where copying over it fails (the C++ library
// of the Windows build answers "File exists" for an overwriting copy).
std::optional<MachineFolderError> ReplaceHostFileWithCopy(const fs::path& from,
                                                          const fs::path& to) {
  // A name no file of the drive holds, so that the copy never takes another file's place.
  fs::path fresh;
  std::error_code error;
  for (int n = 1; fresh.empty() || fs::exists(fresh, error); ++n) {
    fresh = to.string() + ".saving" + std::to_string(n);
  }
  fs::copy_file(from, fresh, error);
  if (!error) fs::last_write_time(fresh, fs::last_write_time(from, error), error);
  if (!error) fs::rename(fresh, to, error);
  if (error) {
    std::error_code ignored;
    fs::remove(fresh, ignored);
    return MachineFolderError{to, 0, "cannot be written: " + error.message()};
  }
  return std::nullopt;
}

std::optional<MachineFolderError> SaveRegistry(SubstituteMachine& machine) {
  const fs::path path = machine.sourceFolder() / "registry.reg";
  const RegExportResult exported =
      ExportRegFile(machine.registry(), RegExportScope::WholeRegistry(), FormatOf(path),
                    machine.registry().codePage());
  if (!exported.ok()) {
    return MachineFolderError{path, 0,
                              "cannot be written: " + exported.failedKey + ": " + exported.message};
  }
  return ReplaceHostFile(path, exported.bytes);
}

// attributes.ini from what the machine keeps now: the lines of files that are gone are dropped,
// and a moved file's line names its new place, so that the folder loads again.
std::optional<MachineFolderError> SaveAttributes(SubstituteMachine& machine) {
  const fs::path path = machine.sourceFolder() / "attributes.ini";
  std::vector<AttributeOverride> entries;
  for (HostFileSystem::OverlaidPath& kept : machine.files().OverlaidPaths()) {
    entries.push_back(
        AttributeOverride{0, std::move(kept.path), kept.attributes, kept.creation, kept.lastWrite});
  }
  std::error_code error;
  if (entries.empty() && !fs::exists(path, error)) return std::nullopt;
  return ReplaceHostFile(path, FormatAttributesIni(entries));
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  if (!fs::is_regular_file(b, error) || fs::file_size(a, error) != fs::file_size(b, error)) {
    return false;
  }
  if (fs::last_write_time(a, error) != fs::last_write_time(b, error)) return false;
  return ReadHostFile(a) == ReadHostFile(b);
}

// Makes `target` hold the files of `working`: see SaveMachineFolder.
std::optional<MachineFolderError> MirrorDrive(const fs::path& working, const fs::path& target) {
  std::error_code error;
  std::set<fs::path> kept;  // below `target`, relative
  for (fs::recursive_directory_iterator it(working, error), end; !error && it != end;
       it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    const fs::path relative = it->path().lexically_relative(working);
    for (fs::path above = relative.parent_path(); !above.empty(); above = above.parent_path()) {
      kept.insert(above);
    }
    kept.insert(relative);
    const fs::path to = target / relative;
    if (SameFile(it->path(), to)) continue;
    fs::create_directories(to.parent_path(), error);
    if (error) return MachineFolderError{to, 0, "cannot be written: " + error.message()};
    if (auto failed = ReplaceHostFileWithCopy(it->path(), to)) return failed;
  }
  if (error) return MachineFolderError{working, 0, "cannot be read: " + error.message()};
  if (!fs::exists(target, error)) return std::nullopt;

  // What is left in the drive folder and gone from the machine goes; folders that are still on
  // the machine stay even when they are empty.
  std::vector<fs::path> gone;
  for (fs::recursive_directory_iterator it(target, error), end; !error && it != end;
       it.increment(error)) {
    const fs::path relative = it->path().lexically_relative(target);
    if (kept.count(relative) != 0) continue;
    std::error_code typeError;
    if (fs::is_directory(working / relative, typeError)) continue;
    gone.push_back(it->path());
    if (it->is_directory(typeError)) it.disable_recursion_pending();
  }
  if (error) return MachineFolderError{target, 0, "cannot be read: " + error.message()};
  for (const fs::path& path : gone) {
    fs::remove_all(path, error);
    if (error) return MachineFolderError{path, 0, "cannot be removed: " + error.message()};
  }
  return std::nullopt;
}

// Adds what this run recycled to DIR/recycled; what earlier runs put there stays unless this run
// emptied the Recycle Bin, and a file of a name already there is kept as "name.2", "name.3", ...
std::optional<MachineFolderError> KeepRecycled(SubstituteMachine& machine) {
  const fs::path& bin = machine.shell().recycleBin();
  std::error_code error;
  const fs::path kept = machine.sourceFolder() / "recycled";
  if (machine.recycleBin().emptied()) fs::remove_all(kept, error);  // emptied for good
  if (!fs::is_directory(bin, error)) return std::nullopt;
  fs::create_directories(kept, error);
  if (error) return MachineFolderError{kept, 0, "cannot be made: " + error.message()};
  for (fs::directory_iterator it(bin, error), end; !error && it != end; it.increment(error)) {
    fs::path target = kept / it->path().filename();
    for (unsigned number = 2; fs::exists(target); ++number) {
      target = kept / (it->path().filename().string() + "." + std::to_string(number));
    }
    fs::copy_file(it->path(), target, error);
  }
  if (error) return MachineFolderError{kept, 0, "cannot be written: " + error.message()};
  return std::nullopt;
}

// The drive's folder below DIR/drives, in the case it has there (drives/c or drives/C).
fs::path DriveFolder(const fs::path& drives, char letter) {
  std::error_code error;
  const std::string lower(1, char(letter - 'A' + 'a'));
  if (fs::is_directory(drives / lower, error) &&
      !fs::is_directory(drives / std::string(1, letter), error)) {
    return drives / lower;
  }
  return drives / std::string(1, letter);
}

}  // namespace

std::optional<MachineFolderError> SaveMachineFolder(SubstituteMachine& machine) {
  if (auto wrong = SaveRegistry(machine)) return wrong;
  const fs::path drives = machine.sourceFolder() / "drives";
  for (const DriveSettings& drive : machine.settings().drives) {
    const fs::path working = machine.workingFolder() / std::string(1, drive.letter);
    std::error_code error;
    if (!fs::is_directory(working, error)) continue;
    if (auto wrong = MirrorDrive(working, DriveFolder(drives, drive.letter))) return wrong;
  }
  if (auto wrong = KeepRecycled(machine)) return wrong;
  if (machine.urlCache().changed()) {
    const fs::path cache = machine.sourceFolder() / "urlcache.txt";
    if (auto wrong = ReplaceHostFile(cache, FormatUrlCacheText(machine.urlCache().entries()))) {
      return wrong;
    }
  }
  return SaveAttributes(machine);
}

}  // namespace halvex::platform::substitute
