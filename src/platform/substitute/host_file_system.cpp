#include "platform/substitute/host_file_system.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <system_error>

namespace halvex::platform::substitute {
namespace fs = std::filesystem;
namespace {

// File times count from 1601, the host's clock from 1970.
constexpr std::int64_t kTicksFrom1601To1970 = 116444736000000000;

FileTime HostTime(const fs::path& host) {
  std::error_code error;
  const auto written = fs::last_write_time(host, error);
  if (error) return 0;
  using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;
  const std::int64_t ticks =
      std::chrono::duration_cast<Ticks>(std::chrono::file_clock::to_sys(written).time_since_epoch())
          .count() +
      kTicksFrom1601To1970;
  return ticks > 0 ? static_cast<FileTime>(ticks) : 0;
}

std::string WithoutTrailingBackslash(std::string folder) {
  while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

std::string WithTrailingBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder;
}

// Whether `inner` is `outer` or lies below it.
bool IsAtOrBelow(const fs::path& inner, const fs::path& outer) {
  auto [outerEnd, innerAt] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  return outerEnd == outer.end();
}

// Copies over an existing target by way of a sibling, renamed over it: mingw's copy_file
// refuses to overwrite, taking every two files on Windows for the same one.
bool CopyHostFile(const fs::path& from, const fs::path& to, bool replace) {
  std::error_code error;
  if (!replace) return fs::copy_file(from, to, error) && !error;
  fs::path sibling = to;
  sibling += ".halvex-copy";
  fs::remove(sibling, error);  // what an interrupted copy may have left
  if (!fs::copy_file(from, sibling, error) || error) return false;
  fs::rename(sibling, to, error);
  if (!error) return true;
  fs::remove(sibling, error);
  return false;
}

}  // namespace

HostFileSystem::HostFileSystem(std::vector<HostDrive> drives, SystemFolders folders,
                               const CodePage& codePage)
    : drives_(std::move(drives)), folders_(std::move(folders)), codePage_(codePage) {
  for (HostDrive& drive : drives_) drive.letter = codePage_.Upper(drive.letter);
  folders_.windows = WithoutTrailingBackslash(std::move(folders_.windows));
  folders_.system = WithoutTrailingBackslash(std::move(folders_.system));
  folders_.temp = WithTrailingBackslash(std::move(folders_.temp));
  folders_.program = WithTrailingBackslash(std::move(folders_.program));
}

const HostDrive* HostFileSystem::FindDrive(char letter) const {
  for (const HostDrive& drive : drives_) {
    if (drive.letter == letter) return &drive;
  }
  return nullptr;
}

std::optional<std::string> HostFileSystem::WindowsName(const fs::path& hostName) const {
  try {
    return codePage_.FromUtf16(hostName.u16string());
  } catch (const std::exception&) {
    return std::nullopt;  // a host name that is no text in the host's encoding
  }
}

fs::path HostFileSystem::HostName(std::string_view name) const {
  return fs::path(codePage_.ToUtf16(name));
}

std::optional<fs::path> HostFileSystem::FindEntry(const fs::path& folder,
                                                  std::string_view name) const {
  std::error_code error;
#ifndef _WIN32
  // On a case-sensitive host the name as given, when it is there, is the entry itself.
  const fs::path exact = folder / HostName(name);
  if (fs::symlink_status(exact, error).type() != fs::file_type::not_found && !error) return exact;
#endif
  std::optional<fs::path> match;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::path hostName = it->path().filename();
    const std::optional<std::string> windowsName = WindowsName(hostName);
    if (!windowsName || !codePage_.EqualNoCase(*windowsName, name)) continue;
    // Names that differ only in case on the host: the first in byte order wins, every time.
    if (!match || hostName < match->filename()) match = it->path();
  }
  return match;
}

std::optional<HostFileSystem::Location> HostFileSystem::Locate(std::string_view path) const {
  const std::optional<WindowsPath> parsed = ParseWindowsPath(path);
  if (!parsed) return std::nullopt;
  Location location;
  location.drive = FindDrive(parsed->drive);
  if (location.drive == nullptr) return std::nullopt;
  location.host = location.drive->folder;
  location.folderOnly = parsed->endsWithSeparator;
  if (parsed->names.empty()) {
    location.exists = location.isFolder = location.isRoot = true;
    return location;
  }
  for (std::size_t i = 0; i < parsed->names.size(); ++i) {
    const bool last = i + 1 == parsed->names.size();
    const std::optional<fs::path> entry = FindEntry(location.host, parsed->names[i]);
    if (!entry) {
      if (!last) return std::nullopt;  // a folder on the way is missing
      location.host /= HostName(parsed->names[i]);
      location.lastName = parsed->names[i];
      location.exists = location.isFolder = false;
      return location;
    }
    std::error_code error;
    const bool isFolder = fs::is_directory(*entry, error);
    if (!last && !isFolder) return std::nullopt;  // a file where a folder should be
    location.host = *entry;
    location.exists = true;
    location.isFolder = isFolder;
    location.lastName = parsed->names[i];
  }
  if (location.folderOnly && !location.isFolder) return std::nullopt;  // "a.txt\" names nothing
  return location;
}

std::uint32_t HostFileSystem::AttributesOf(const fs::path& host, bool isFolder) const {
  const auto found = overlay_.find(host);
  const std::optional<std::uint32_t> kept =
      found != overlay_.end() ? found->second.attributes : std::nullopt;
  if (isFolder) return file_attribute::kDirectory | kept.value_or(0);
  if (!kept) return file_attribute::kArchive;
  return *kept != 0 ? *kept : file_attribute::kNormal;
}

FileEntry HostFileSystem::EntryOf(std::string name, const fs::path& host, bool isFolder) const {
  FileEntry entry;
  entry.name = std::move(name);
  entry.attributes = AttributesOf(host, isFolder);
  std::error_code error;
  if (!isFolder) {
    const std::uintmax_t size = fs::file_size(host, error);
    entry.size = error ? 0 : size;
  }
  const FileTime hostTime = HostTime(host);
  const auto found = overlay_.find(host);
  entry.creationTime = hostTime;
  entry.lastWriteTime = hostTime;
  if (found != overlay_.end()) {
    entry.creationTime = found->second.creation.value_or(hostTime);
    entry.lastWriteTime = found->second.lastWrite.value_or(hostTime);
  }
  return entry;
}

bool HostFileSystem::IsReadOnly(const fs::path& host) const {
  const auto found = overlay_.find(host);
  return found != overlay_.end() && found->second.attributes &&
         (*found->second.attributes & file_attribute::kReadOnly) != 0;
}

bool HostFileSystem::IsWritableFileTarget(const std::optional<Location>& target) const {
  if (!target || target->folderOnly) return false;
  return !target->exists || (!target->isFolder && !IsReadOnly(target->host));
}

bool HostFileSystem::EnsureDriveFolder(const HostDrive& drive) const {
  std::error_code error;
  fs::create_directories(drive.folder, error);
  return !error;
}

void HostFileSystem::MoveOverlay(const fs::path& from, const fs::path& to) {
  std::map<fs::path, Overlay> moved;
  for (auto it = overlay_.begin(); it != overlay_.end();) {
    if (IsAtOrBelow(it->first, to)) {
      it = overlay_.erase(it);  // what the target held is gone
    } else if (IsAtOrBelow(it->first, from)) {
      moved.emplace(it->first == from ? to : to / it->first.lexically_relative(from), it->second);
      it = overlay_.erase(it);
    } else {
      ++it;
    }
  }
  for (auto& [host, overlay] : moved) overlay_[host] = overlay;
}

void HostFileSystem::ForgetOverlay(const fs::path& host) {
  for (auto it = overlay_.begin(); it != overlay_.end();) {
    it = IsAtOrBelow(it->first, host) ? overlay_.erase(it) : std::next(it);
  }
}

bool HostFileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
  const std::optional<Location> location = Locate(path);
  if (!location || !location->exists) return false;
  overlay_[location->host].attributes =
      attributes & ~(file_attribute::kDirectory | file_attribute::kNormal);
  return true;
}

bool HostFileSystem::SetTimes(std::string_view path, std::optional<FileTime> creation,
                              std::optional<FileTime> lastWrite) {
  const std::optional<Location> location = Locate(path);
  if (!location || !location->exists) return false;
  Overlay& overlay = overlay_[location->host];
  if (creation) overlay.creation = creation;
  if (lastWrite) overlay.lastWrite = lastWrite;
  return true;
}

std::vector<HostFileSystem::OverlaidPath> HostFileSystem::OverlaidPaths() const {
  std::vector<OverlaidPath> paths;
  for (const auto& [host, overlay] : overlay_) {
    std::error_code error;
    if (!fs::exists(host, error)) continue;
    if (!overlay.attributes && !overlay.creation && !overlay.lastWrite) continue;
    for (const HostDrive& drive : drives_) {
      if (!IsAtOrBelow(host, drive.folder)) continue;
      std::string path = std::string(1, drive.letter) + ":";
      bool named = true;
      for (const fs::path& name : host.lexically_relative(drive.folder)) {
        if (name.empty() || name == ".") continue;  // the drive's root itself
        const std::optional<std::string> windowsName = WindowsName(name);
        named = named && windowsName.has_value();
        if (named) path += "\\" + *windowsName;
      }
      if (path.size() == 2) path += "\\";
      if (named) paths.push_back({path, overlay.attributes, overlay.creation, overlay.lastWrite});
      break;
    }
  }
  return paths;
}

std::optional<fs::path> HostFileSystem::HostPath(std::string_view path) const {
  const std::optional<Location> location = Locate(path);
  if (!location || !location->exists) return std::nullopt;
  return location->host;
}

bool HostFileSystem::FileExists(std::string_view path) {
  const std::optional<Location> location = Locate(path);
  return location && location->exists && !location->isFolder;
}

bool HostFileSystem::FolderExists(std::string_view path) {
  const std::optional<Location> location = Locate(path);
  return location && location->exists && location->isFolder;
}

bool HostFileSystem::CreateFolder(std::string_view path) {
  const std::optional<Location> location = Locate(path);
  if (!location || location->exists || !EnsureDriveFolder(*location->drive)) return false;
  std::error_code error;
  return fs::create_directory(location->host, error) && !error;
}

bool HostFileSystem::DeleteFile(std::string_view path) {
  const std::optional<Location> location = Locate(path);
  if (!location || !location->exists || location->isFolder || IsReadOnly(location->host)) {
    return false;
  }
  std::error_code error;
  if (!fs::remove(location->host, error) || error) return false;
  ForgetOverlay(location->host);
  return true;
}

bool HostFileSystem::CopyFile(std::string_view from, std::string_view to, bool failIfExists) {
  const std::optional<Location> source = Locate(from);
  const std::optional<Location> target = Locate(to);
  if (!source || !source->exists || source->isFolder || !IsWritableFileTarget(target) ||
      (target->exists && (failIfExists || target->host == source->host)) ||
      !EnsureDriveFolder(*target->drive)) {
    return false;
  }
  if (!CopyHostFile(source->host, target->host, target->exists)) return false;
  const FileEntry copied = EntryOf({}, source->host, false);
  const auto sourceOverlay = overlay_.find(source->host);
  Overlay overlay;
  if (sourceOverlay != overlay_.end()) overlay.attributes = sourceOverlay->second.attributes;
  overlay.lastWrite = copied.lastWriteTime;
  overlay_[target->host] = overlay;
  return true;
}

bool HostFileSystem::ReplaceFile(std::string_view from, std::string_view to) {
  const std::optional<Location> source = Locate(from);
  const std::optional<Location> target = Locate(to);
  if (!source || !source->exists || source->isRoot || !target || target->isRoot ||
      source->drive != target->drive) {
    return false;
  }
  std::error_code error;
  if (target->exists && target->host == source->host) {
    // The same entry under another case: the name takes the case given.
    const fs::path renamed = source->host.parent_path() / HostName(target->lastName);
    if (renamed.filename().native() == source->host.filename().native()) return true;
    // By way of another name: a host that ignores case takes the rename for a no-op.
    fs::path between = source->host;
    between += ".halvex-rename";
    fs::rename(source->host, between, error);
    if (error) return false;
    fs::rename(between, renamed, error);
    if (error) {
      fs::rename(between, source->host, error);
      return false;
    }
    MoveOverlay(source->host, renamed);
    return true;
  }
  if (target->exists && (target->isFolder || source->isFolder || IsReadOnly(target->host))) {
    return false;
  }
  if (target->folderOnly && !source->isFolder) return false;
  fs::rename(source->host, target->host, error);
  if (error) return false;
  MoveOverlay(source->host, target->host);
  return true;
}

std::optional<std::vector<FileEntry>> HostFileSystem::ListFolder(std::string_view folder) {
  const std::optional<Location> location = Locate(folder);
  if (!location || !location->exists || !location->isFolder) return std::nullopt;
  std::vector<FileEntry> entries;
  std::error_code error;
  for (fs::directory_iterator it(location->host, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code typeError;
    const fs::file_status status = it->status(typeError);
    if (typeError || (!fs::is_regular_file(status) && !fs::is_directory(status))) continue;
    std::optional<std::string> name = WindowsName(it->path().filename());
    if (!name) continue;
    entries.push_back(EntryOf(std::move(*name), it->path(), fs::is_directory(status)));
  }
  std::sort(entries.begin(), entries.end(), [this](const FileEntry& a, const FileEntry& b) {
    return codePage_.CompareNoCase(a.name, b.name) < 0;
  });
  if (!location->isRoot) {
    entries.insert(entries.begin(), {EntryOf(".", location->host, true),
                                     EntryOf("..", location->host.parent_path(), true)});
  }
  return entries;
}

std::optional<std::uint32_t> HostFileSystem::Attributes(std::string_view path) {
  const std::optional<Location> location = Locate(path);
  if (!location || !location->exists) return std::nullopt;
  return AttributesOf(location->host, location->isFolder);
}

std::optional<std::string> HostFileSystem::ReadFile(std::string_view path) {
  const std::optional<Location> location = Locate(path);
  if (!location || !location->exists || location->isFolder) return std::nullopt;
  std::ifstream in(location->host, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool HostFileSystem::Write(std::string_view path, std::string_view bytes, bool append) {
  const std::optional<Location> location = Locate(path);
  if (!IsWritableFileTarget(location) || !EnsureDriveFolder(*location->drive)) return false;
  {
    std::ofstream out(location->host,
                      std::ios::binary | (append ? std::ios::app : std::ios::trunc));
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return false;
  }
  const auto found = overlay_.find(location->host);
  if (found != overlay_.end()) found->second.lastWrite.reset();
  return true;
}

bool HostFileSystem::WriteFile(std::string_view path, std::string_view bytes) {
  return Write(path, bytes, false);
}

bool HostFileSystem::AppendFile(std::string_view path, std::string_view bytes) {
  return Write(path, bytes, true);
}

DriveType HostFileSystem::GetDriveType(std::string_view root) {
  const std::optional<char> letter = ParseDriveRoot(root);
  const HostDrive* drive = letter ? FindDrive(codePage_.Upper(*letter)) : nullptr;
  return drive != nullptr ? drive->type : DriveType::NoRootDir;
}

std::optional<DiskSpace> HostFileSystem::GetDiskSpace(std::string_view root) {
  const std::optional<char> letter = ParseDriveRoot(root);
  const HostDrive* drive = letter ? FindDrive(codePage_.Upper(*letter)) : nullptr;
  if (drive == nullptr) return std::nullopt;
  return drive->space;
}

}  // namespace halvex::platform::substitute
