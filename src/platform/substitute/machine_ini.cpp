#include "platform/substitute/machine_ini.h"

#include <charconv>
#include <optional>
#include <string>

#include "platform/substitute/civil_time.h"
#include "platform/substitute/code_page.h"
#include "platform/substitute/windows_path.h"

namespace halvex::platform::substitute {
namespace {

// An error message, or nothing when the value was taken.
using Problem = std::optional<std::string>;

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number number{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

Problem ParsePlatform(std::string_view value, MachineSettings& settings) {
  if (IniNameEquals(value, "nt")) {
    settings.platformClass = PlatformClass::NtFamily;
  } else if (IniNameEquals(value, "9x")) {
    settings.platformClass = PlatformClass::Windows95Family;
  } else {
    return "platform is nt or 9x, not '" + std::string(value) + "'";
  }
  return std::nullopt;
}

Problem ParseVersion(std::string_view value, MachineSettings& settings) {
  const std::size_t dot = value.find('.');
  const auto major = ParseNumber<unsigned>(value.substr(0, dot));
  const auto minor =
      dot == std::string_view::npos ? std::nullopt : ParseNumber<unsigned>(value.substr(dot + 1));
  if (!major || !minor || *major > 255 || *minor > 255) {
    return "version is major.minor, such as 6.1 or 4.10, not '" + std::string(value) + "'";
  }
  settings.majorVersion = *major;
  settings.minorVersion = *minor;
  return std::nullopt;
}

Problem ParseFolder(std::string_view value, std::string& folder) {
  const std::optional<WindowsPath> path = ParseWindowsPath(value);
  if (!path || value.size() < 3 || (value[2] != '\\' && value[2] != '/')) {
    return "a folder is a full path such as C:\\WINDOWS, not '" + std::string(value) + "'";
  }
  folder = std::string(value);
  return std::nullopt;
}

// A profile folder, kept without a trailing backslash as the shell gives it.
Problem ParseUserFolder(std::string_view value, std::string& folder) {
  if (Problem problem = ParseFolder(value, folder)) return problem;
  while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return std::nullopt;
}

Problem ParseCodePage(std::string_view value, MachineSettings& settings) {
  const auto number = ParseNumber<unsigned>(value);
  if (!number || CodePage::ForNumber(*number) == nullptr) {
    return "codepage is 1252 or 936, not '" + std::string(value) + "'";
  }
  settings.codePage = *number;
  return std::nullopt;
}

Problem ParseNow(std::string_view value, MachineSettings& settings) {
  const std::optional<LocalTime> now = ParseTimeText(value);
  if (!now) return "now is a time such as 2026-01-15 12:00:00, not '" + std::string(value) + "'";
  settings.now = *now;
  return std::nullopt;
}

Problem ParseUtcOffset(std::string_view value, MachineSettings& settings) {
  // "+60" reads as well as "60".
  const bool plus = value.substr(0, 1) == "+";
  const auto minutes = ParseNumber<int>(value.substr(plus ? 1 : 0));
  if (!minutes || (plus && value.substr(1, 1) == "-") || *minutes < -14 * 60 ||
      *minutes > 14 * 60) {
    return "utcoffset is minutes east of UTC, -840 to +840, not '" + std::string(value) + "'";
  }
  settings.utcOffsetMinutes = *minutes;
  return std::nullopt;
}

struct MachineKey {
  const char* name;
  Problem (*parse)(std::string_view value, MachineSettings& settings);
};

const MachineKey kMachineKeys[] = {
    {"platform", ParsePlatform},
    {"version", ParseVersion},
    {"windows",
     [](std::string_view v, MachineSettings& s) { return ParseFolder(v, s.folders.windows); }},
    {"system",
     [](std::string_view v, MachineSettings& s) { return ParseFolder(v, s.folders.system); }},
    {"temp", [](std::string_view v, MachineSettings& s) { return ParseFolder(v, s.folders.temp); }},
    {"program",
     [](std::string_view v, MachineSettings& s) { return ParseFolder(v, s.folders.program); }},
    {"codepage", ParseCodePage},
    {"now", ParseNow},
    {"utcoffset", ParseUtcOffset},
    {"profiles", [](std::string_view v,
                    MachineSettings& s) { return ParseUserFolder(v, s.userFolders.profiles); }},
    {"profile", [](std::string_view v,
                   MachineSettings& s) { return ParseUserFolder(v, s.userFolders.profile); }},
    {"desktop", [](std::string_view v,
                   MachineSettings& s) { return ParseUserFolder(v, s.userFolders.desktop); }},
    {"documents", [](std::string_view v,
                     MachineSettings& s) { return ParseUserFolder(v, s.userFolders.documents); }},
};

struct DriveTypeName {
  const char* name;
  DriveType type;
};

const DriveTypeName kDriveTypes[] = {{"fixed", DriveType::Fixed},
                                     {"removable", DriveType::Removable},
                                     {"remote", DriveType::Remote},
                                     {"cdrom", DriveType::CdRom},
                                     {"ramdisk", DriveType::RamDisk}};

// "fixed" or "cdrom,free=0,total=681574400": the type, then the space in bytes.
Problem ParseDrive(std::string_view value, DriveSettings& drive) {
  std::vector<std::string_view> items;
  for (std::size_t start = 0;;) {
    const std::size_t comma = value.find(',', start);
    std::string_view item = value.substr(start, comma - start);
    while (!item.empty() && (item.front() == ' ' || item.front() == '\t')) item.remove_prefix(1);
    while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.remove_suffix(1);
    items.push_back(item);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  bool typeKnown = false;
  for (const DriveTypeName& type : kDriveTypes) {
    if (IniNameEquals(items.front(), type.name)) {
      drive.type = type.type;
      typeKnown = true;
    }
  }
  if (!typeKnown) {
    return "a drive is fixed, removable, remote, cdrom or ramdisk, not '" +
           std::string(items.front()) + "'";
  }
  std::optional<std::uint64_t> free, total;
  for (std::size_t i = 1; i < items.size(); ++i) {
    const std::size_t equals = items[i].find('=');
    const std::string_view name = items[i].substr(0, equals);
    const auto bytes = equals == std::string_view::npos
                           ? std::nullopt
                           : ParseNumber<std::uint64_t>(items[i].substr(equals + 1));
    if (!bytes || (!IniNameEquals(name, "free") && !IniNameEquals(name, "total"))) {
      return "after the drive type come free=BYTES and total=BYTES, not '" + std::string(items[i]) +
             "'";
    }
    (IniNameEquals(name, "free") ? free : total) = bytes;
  }
  drive.space.totalBytes = total.value_or(4ull << 30);
  drive.space.freeBytes = free.value_or(drive.space.totalBytes / 4);
  if (drive.space.freeBytes > drive.space.totalBytes) {
    return "the free space is larger than the total";
  }
  return std::nullopt;
}

char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? char(c - 0x20) : c;
}

}  // namespace

const DriveSettings* MachineSettings::FindDrive(char letter) const {
  for (const DriveSettings& drive : drives) {
    if (drive.letter == UpperAscii(letter)) return &drive;
  }
  return nullptr;
}

MachineIniResult ParseMachineIni(std::string_view text) {
  IniLinesResult read = ReadIniLines(text);
  if (const LineError* error = std::get_if<LineError>(&read)) return *error;

  MachineSettings settings;
  enum class Section { None, Machine, Drives } section = Section::None;
  bool seenMachine = false, seenDrives = false;
  std::size_t drivesLine = 0;
  std::vector<std::pair<std::string, std::size_t>> keysSeen;  // [machine] keys and their lines
  for (const IniLine& line : std::get<std::vector<IniLine>>(read)) {
    if (line.isSection) {
      const bool machine = IniNameEquals(line.name, "machine");
      if (!machine && !IniNameEquals(line.name, "drives")) {
        return LineError{line.number, "unknown section [" + line.name + "]: machine.ini has " +
                                          "[machine] and [drives]"};
      }
      bool& seen = machine ? seenMachine : seenDrives;
      if (seen) return LineError{line.number, "section [" + line.name + "] appears twice"};
      seen = true;
      section = machine ? Section::Machine : Section::Drives;
      if (!machine) {
        settings.drives.clear();  // the listed drives replace the default C:
        drivesLine = line.number;
      }
      continue;
    }
    if (section == Section::None) {
      return LineError{line.number, "'" + line.name + "' stands before any section"};
    }
    if (section == Section::Drives) {
      if (line.name.size() != 1 || UpperAscii(line.name[0]) < 'A' ||
          UpperAscii(line.name[0]) > 'Z') {
        return LineError{line.number, "a drive is named by one letter, not '" + line.name + "'"};
      }
      DriveSettings drive{UpperAscii(line.name[0])};
      drive.line = line.number;
      if (settings.FindDrive(drive.letter) != nullptr) {
        return LineError{line.number,
                         "drive " + std::string(1, drive.letter) + ": is listed twice"};
      }
      if (Problem problem = ParseDrive(line.value, drive)) return LineError{line.number, *problem};
      settings.drives.push_back(drive);
      continue;
    }
    const MachineKey* key = nullptr;
    for (const MachineKey& candidate : kMachineKeys) {
      if (IniNameEquals(line.name, candidate.name)) key = &candidate;
    }
    if (key == nullptr)
      return LineError{line.number, "unknown key '" + line.name + "' in [machine]"};
    for (const auto& [seen, seenLine] : keysSeen) {
      if (seen == key->name) {
        return LineError{line.number, "'" + line.name + "' is set twice (first on line " +
                                          std::to_string(seenLine) + ")"};
      }
    }
    keysSeen.emplace_back(key->name, line.number);
    if (Problem problem = key->parse(line.value, settings)) return LineError{line.number, *problem};
  }

  // Each system folder must lie on a drive the machine has.
  const std::pair<const char*, const std::string*> folders[] = {
      {"windows", &settings.folders.windows},
      {"system", &settings.folders.system},
      {"temp", &settings.folders.temp},
      {"program", &settings.folders.program}};
  for (const auto& [name, folder] : folders) {
    if (settings.FindDrive((*folder)[0]) != nullptr) continue;
    std::size_t where = drivesLine;
    for (const auto& [seen, seenLine] : keysSeen) {
      if (seen == std::string(name)) where = seenLine;
    }
    return LineError{where, std::string("the ") + name + " folder " + *folder + " lies on drive " +
                                std::string(1, UpperAscii((*folder)[0])) +
                                ":, which [drives] does not list"};
  }
  return settings;
}

}  // namespace halvex::platform::substitute
