#include "platform/substitute/substitute_restore_points.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <variant>

#include "platform/substitute/ini_lines.h"

namespace halvex::platform::substitute {
namespace {

constexpr std::int32_t kNotFound = 2;  // the system's ERROR_FILE_NOT_FOUND

std::optional<std::uint32_t> ParseSequence(std::string_view text) {
  std::uint32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return number;
}

// The management date-time text of a local time `offset` minutes east of UTC.
std::string CreationTimeText(const LocalTime& time, int offset) {
  char text[96];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d.%06d%c%03d", time.year, time.month,
                time.day, time.hour, time.minute, time.second, time.millisecond * 1000,
                offset < 0 ? '-' : '+', offset < 0 ? -offset : offset);
  return text;
}

}  // namespace

std::string SubstituteRestorePoints::StorePath() {
  const std::string windows = files_.WindowsFolder();
  return windows.substr(0, 2) + "\\System Volume Information\\restore_points.ini";
}

std::optional<RestorePointAnswer> SubstituteRestorePoints::Scripted(Operation operation) const {
  if (const auto error = errors_.find(operation); error != errors_.end()) {
    return RestorePointAnswer{.error = error->second};
  }
  if (const auto result = results_.find(operation); result != results_.end()) {
    return RestorePointAnswer{.result = result->second};
  }
  return std::nullopt;
}

std::optional<std::vector<SubstituteRestorePoints::Stored>> SubstituteRestorePoints::Load(
    std::string& error) {
  std::vector<Stored> points;
  const std::optional<std::string> text = files_.ReadFile(StorePath());
  if (!text) return points;
  const IniLinesResult lines = ReadIniLines(*text);
  if (const auto* bad = std::get_if<LineError>(&lines)) {
    error = "restore_points.ini:" + std::to_string(bad->line) + ": " + bad->message;
    return std::nullopt;
  }
  for (const IniLine& line : std::get<std::vector<IniLine>>(lines)) {
    if (line.isSection) {
      const auto sequence = ParseSequence(line.name);
      if (!sequence) {
        error = "restore_points.ini:" + std::to_string(line.number) +
                ": a section is named by a sequence number";
        return std::nullopt;
      }
      points.push_back({.sequence = *sequence});
    } else if (points.empty()) {
      error = "restore_points.ini:" + std::to_string(line.number) + ": a line before any section";
      return std::nullopt;
    } else {
      points.back().lines.emplace_back(line.name, line.value);
    }
  }
  return points;
}

bool SubstituteRestorePoints::Save(const std::vector<Stored>& points) {
  std::string text;
  for (const Stored& point : points) {
    text += "[" + std::to_string(point.sequence) + "]\r\n";
    for (const auto& [name, value] : point.lines) text += name + "=" + value + "\r\n";
  }
  const std::string path = StorePath();
  const std::string folder = path.substr(0, path.rfind('\\'));
  if (!files_.FolderExists(folder) && !files_.CreateFolder(folder)) return false;
  return files_.WriteFile(path, text);
}

RestorePointListing SubstituteRestorePoints::List() {
  if (const auto scripted = Scripted(Operation::List); scripted && scripted->raised()) {
    return {.error = scripted->error};
  }
  RestorePointListing listing;
  const auto points = Load(listing.error);
  if (!points) return listing;
  for (const Stored& point : *points) {
    RestorePointInstance instance{.sequenceNumber = std::to_string(point.sequence)};
    for (const auto& [name, value] : point.lines) {
      if (IniNameEquals(name, "CreationTime")) {
        instance.creationTime = value;
      } else if (IniNameEquals(name, "RestorePointType")) {
        instance.type = std::atoi(value.c_str());
      } else if (IniNameEquals(name, "Description")) {
        instance.description = value;
      }
    }
    listing.instances.push_back(std::move(instance));
  }
  return listing;
}

RestorePointAnswer SubstituteRestorePoints::Create(std::string_view description, std::int32_t type,
                                                   std::int32_t eventType) {
  if (const auto scripted = Scripted(Operation::Create)) return *scripted;
  std::string error;
  auto points = Load(error);
  if (!points) return {.error = error};
  std::uint32_t next = 1;
  for (const Stored& point : *points) next = std::max(next, point.sequence + 1);
  (void)eventType;
  points->push_back(
      {.sequence = next,
       .lines = {{"CreationTime", CreationTimeText(clock_.Now(), clock_.utcOffsetMinutes())},
                 {"RestorePointType", std::to_string(type)},
                 {"Description", std::string(description)}}});
  return {.result = Save(*points) ? 0 : 1};
}

RestorePointAnswer SubstituteRestorePoints::Restore(std::uint32_t sequenceNumber) {
  if (const auto scripted = Scripted(Operation::Restore)) return *scripted;
  std::string error;
  const auto points = Load(error);
  if (!points) return {.error = error};
  const bool known = std::any_of(points->begin(), points->end(), [&](const Stored& point) {
    return point.sequence == sequenceNumber;
  });
  if (!known) return {.result = kNotFound};
  restored_.push_back(sequenceNumber);
  return {.result = 0};
}

RestorePointAnswer SubstituteRestorePoints::Delete(std::uint32_t sequenceNumber) {
  if (const auto scripted = Scripted(Operation::Delete)) return *scripted;
  std::string error;
  auto points = Load(error);
  if (!points) return {.error = error};
  const auto erased =
      std::erase_if(*points, [&](const Stored& point) { return point.sequence == sequenceNumber; });
  if (erased == 0) return {.result = kNotFound};
  return {.result = Save(*points) ? 0 : 1};
}

}  // namespace halvex::platform::substitute
