// halvex-cli duplicates: the duplicate file finder's groups, files of one name on the chosen
// drives. It never deletes: equal names prove nothing of equal contents.
#include <cinttypes>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/drive_choice.h"
#include "tools/cleanup/walk_turns.h"
#include "tools/duplicates/duplicate_list.h"

namespace halvex::cli {
namespace {

std::optional<std::string> RefuseKilobytes(const std::string& value) {
  const bool digits = !value.empty() && value.size() <= 9 &&
                      value.find_first_not_of("0123456789") == std::string::npos;
  if (digits) return std::nullopt;
  return "--min-kb takes a whole number of KB, not '" + value + "'";
}

constexpr VerbOption kOptions[] = {
    kDriveOption,
    {.name = "--same-size", .description = "a file joins a group only with its first file's size"},
    {.name = "--same-time",
     .description = "a file joins a group only with its first file's modified time"},
    {.name = "--exclude",
     .valueName = "DIR",
     .valueNeeded = "a folder",
     .description = "do not enter DIR (letter case ignored); the default is C:\\Windows"},
    {.name = "--no-exclude", .description = "enter every folder"},
    {.name = "--min-kb",
     .valueName = "N",
     .valueNeeded = "a number of KB",
     .description = "leave out files smaller than N KB",
     .refuse = RefuseKilobytes},
};

std::string TimeText(platform::Platform& platform, platform::FileTime time) {
  const std::optional<platform::LocalTime> local = platform.clock.FileTimeToLocal(time);
  return local ? platform.locale.FormatDateTime(*local) : std::string();
}

VerbResult RunDuplicates(VerbCall& call) {
  if (call.line.Has("--exclude") && call.line.Has("--no-exclude")) {
    return call.Refuse("--exclude and --no-exclude exclude each other");
  }
  platform::Platform& platform = call.machine.platform();
  const tools::cleanup::CleanupServices services{platform, call.machine.shell(),
                                                 call.machine.identities()};
  const auto chosen = ChosenDrives(call.line, tools::cleanup::ListFixedDrives(services, false));
  if (const auto* error = std::get_if<std::string>(&chosen)) return call.Refuse(*error);

  tools::duplicates::DuplicateOptions options;
  options.sameSize = call.line.Has("--same-size");
  options.sameModifiedTime = call.line.Has("--same-time");
  options.excludeFolder = !call.line.Has("--no-exclude");
  if (call.line.Has("--exclude")) options.excludedFolder = call.line.Values("--exclude").back();
  if (call.line.Has("--min-kb")) {
    options.minimumSize = true;
    options.minimumKB = static_cast<unsigned>(std::stoul(call.line.Values("--min-kb").back()));
  }
  tools::cleanup::WalkTurns noTurns(platform.clock, {}, {});
  tools::duplicates::DuplicateScan scan(platform, options, noTurns);
  for (const tools::cleanup::FixedDrive& drive : std::get<0>(chosen)) {
    scan.ScanForDuplicates(drive.id);
  }
  const tools::duplicates::DuplicateList list =
      tools::duplicates::BuildDuplicateList(scan.records(), services.identities);

  nlohmann::ordered_json groups = nlohmann::ordered_json::array();
  for (std::size_t row = 0; row < list.rows.size();) {
    const std::string& name = list.rows[row].name;
    nlohmann::ordered_json instances = nlohmann::ordered_json::array();
    if (!call.line.json) std::fprintf(call.console.out, "%s\n", name.c_str());
    do {
      const tools::duplicates::TSearchResult& file = list.rows[row];
      const std::string path = file.folder + file.name;
      const std::string created = TimeText(platform, file.created);
      const std::string modified = TimeText(platform, file.modified);
      if (call.line.json) {
        instances.push_back({{"path", platform.locale.ToUtf8(path)},
                             {"size", file.size},
                             {"created", created},
                             {"modified", modified}});
      } else {
        std::fprintf(call.console.out, "  %s  %" PRIu64 " bytes  created %s  modified %s\n",
                     path.c_str(), file.size, created.c_str(), modified.c_str());
      }
      ++row;
    } while (row < list.rows.size() && !list.rows[row].firstOfGroup);
    if (call.line.json) {
      groups.push_back(
          {{"name", platform.locale.ToUtf8(name)}, {"instances", std::move(instances)}});
    }
  }
  if (call.line.json) {
    const nlohmann::ordered_json report{{"groups", std::move(groups)}};
    std::fputs((report.dump(2) + "\n").c_str(), call.console.out);
  }
  return list.groups > 0 ? VerbResult::Found : VerbResult::NothingFound;
}

}  // namespace

extern const Verb kDuplicatesVerb{
    .name = "duplicates",
    .usage =
        "Lists the files whose names occur more than once on the chosen drives, group by\n"
        "group, each with its path, size and times. It deletes nothing: equal names\n"
        "prove nothing of equal contents.",
    .options = kOptions,
    .writesJson = true,
    .run = RunDuplicates};

}  // namespace halvex::cli
