// halvex-cli junk: the junk files cleaner's walk over the ticked types of JunkFile.dat (the
// defaults when there is none), and its clean-up, recycling by default.
#include <cinttypes>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/drive_choice.h"
#include "tools/cleanup/walk_turns.h"
#include "tools/junk_files/junk_clean.h"
#include "tools/junk_files/junk_scan.h"

namespace halvex::cli {
namespace {

using tools::cleanup::RemovalMode;
using tools::junk_files::TTempFileInfo;

std::optional<std::string> RefuseMode(const std::string& value) {
  if (value == "recycle" || value == "delete" || value == "move") return std::nullopt;
  return "--mode is recycle, delete or move, not '" + value + "'";
}

constexpr VerbOption kOptions[] = {
    kDriveOption,
    {.name = "--mode",
     .valueName = "MODE",
     .valueNeeded = "recycle, delete or move",
     .description = "clean: recycle (the default), delete for good, or move into --to",
     .refuse = RefuseMode},
    {.name = "--to",
     .valueName = "DIR",
     .valueNeeded = "a folder",
     .description = "clean --mode move: the folder the files go into; a file of the same\n"
                    "name there stays, the moved one takes a free name"},
    {.name = "--preview", .description = "clean: list what would be cleaned, change nothing"},
};

struct DriveScan {
  tools::cleanup::FixedDrive drive;
  std::vector<TTempFileInfo> files;
  std::uint64_t bytes = 0;
};

// The walk of every chosen drive, or the usage error.
std::variant<std::vector<DriveScan>, std::string> ScanDrives(
    VerbCall& call, const tools::cleanup::CleanupServices& services) {
  platform::Platform& platform = services.platform;
  const auto chosen = ChosenDrives(call.line, tools::cleanup::ListFixedDrives(services, true));
  if (const auto* error = std::get_if<std::string>(&chosen)) return *error;
  const std::optional<std::vector<tools::junk_files::JunkType>> types =
      tools::junk_files::LoadJunkTypes(platform.files);
  if (!types) return std::string(tools::junk_files::kJunkFileName) + " cannot be read";
  tools::cleanup::WalkTurns noTurns(platform.clock, {}, {});
  const tools::cleanup::ProtectedPaths protection(services);
  tools::junk_files::JunkScan scan(platform, tools::junk_files::TickedPatterns(*types, {}),
                                   protection, noTurns);
  std::vector<DriveScan> scans;
  for (const tools::cleanup::FixedDrive& drive : std::get<0>(chosen)) {
    DriveScan result;
    result.drive = drive;
    scan.ScanFolder(drive.id, result.files);
    for (const TTempFileInfo& file : result.files) result.bytes += file.Size;
    scans.push_back(std::move(result));
  }
  return scans;
}

VerbResult PrintScan(VerbCall& call, const std::vector<DriveScan>& scans) {
  platform::Locale& locale = call.machine.platform().locale;
  std::size_t total = 0;
  if (call.line.json) {
    nlohmann::ordered_json drives = nlohmann::ordered_json::array();
    for (const DriveScan& scan : scans) {
      nlohmann::ordered_json files = nlohmann::ordered_json::array();
      for (const TTempFileInfo& file : scan.files) {
        files.push_back({{"path", locale.ToUtf8(file.Path)}, {"size", file.Size}});
      }
      drives.push_back({{"drive", scan.drive.id},
                        {"count", scan.files.size()},
                        {"bytes", scan.bytes},
                        {"files", std::move(files)}});
      total += scan.files.size();
    }
    const nlohmann::ordered_json report{{"drives", std::move(drives)}};
    std::fputs((report.dump(2) + "\n").c_str(), call.console.out);
  } else {
    for (const DriveScan& scan : scans) {
      std::fprintf(call.console.out, "%s %s: %zu files, %" PRIu64 " bytes\n", scan.drive.id.c_str(),
                   scan.drive.displayName.c_str(), scan.files.size(), scan.bytes);
      for (const TTempFileInfo& file : scan.files) {
        std::fprintf(call.console.out, "  %s  %" PRIu64 "\n", file.Path.c_str(), file.Size);
      }
      total += scan.files.size();
    }
  }
  return total > 0 ? VerbResult::Found : VerbResult::NothingFound;
}

RemovalMode ModeOf(const CommandLine& line) {
  const std::vector<std::string> modes = line.Values("--mode");
  if (modes.empty() || modes.back() == "recycle") return RemovalMode::Recycle;
  return modes.back() == "delete" ? RemovalMode::Delete : RemovalMode::MoveInto;
}

VerbResult RunJunk(VerbCall& call) {
  const std::string& action = *call.line.operand;
  if (action != "scan" && action != "clean") {
    return call.Refuse("junk takes scan or clean, not '" + action + "'");
  }
  const bool cleaning = action == "clean";
  const RemovalMode mode = ModeOf(call.line);
  if (!cleaning &&
      (call.line.Has("--mode") || call.line.Has("--to") || call.line.Has("--preview"))) {
    return call.Refuse("--mode, --to and --preview are options of junk clean");
  }
  if (mode == RemovalMode::MoveInto && !call.line.Has("--to")) {
    return call.Refuse("--mode move needs --to DIR");
  }
  if (mode != RemovalMode::MoveInto && call.line.Has("--to")) {
    return call.Refuse("--to goes with --mode move only");
  }
  const tools::cleanup::CleanupServices services{call.machine.platform(), call.machine.shell(),
                                                 call.machine.identities()};
  auto scanned = ScanDrives(call, services);
  if (const auto* error = std::get_if<std::string>(&scanned)) return call.Refuse(*error);
  const std::vector<DriveScan>& scans = std::get<0>(scanned);
  if (!cleaning) return PrintScan(call, scans);

  const std::string folder = mode == RemovalMode::MoveInto ? call.line.Values("--to").back() : "";
  std::vector<tools::junk_files::CleanedFile> cleaned;
  const bool preview = call.line.Has("--preview");
  for (const DriveScan& scan : scans) {
    if (preview) {
      for (const TTempFileInfo& file : scan.files) cleaned.push_back({file.Path, "Preview"});
      continue;
    }
    auto files =
        tools::junk_files::CleanFoundFiles(services, scan.files, {scan.drive.id}, mode, folder);
    cleaned.insert(cleaned.end(), files.begin(), files.end());
  }
  if (!preview && !cleaned.empty()) call.MachineChanged();
  platform::Locale& locale = call.machine.platform().locale;
  bool anyFailed = false;
  nlohmann::ordered_json files = nlohmann::ordered_json::array();
  for (const tools::junk_files::CleanedFile& file : cleaned) {
    anyFailed = anyFailed || file.status == tools::junk_files::CleanStatus(mode, false);
    if (call.line.json) {
      files.push_back({{"path", locale.ToUtf8(file.path)}, {"status", file.status}});
    } else {
      std::fprintf(call.console.out, "%s  %s\n", file.path.c_str(), file.status.c_str());
    }
  }
  if (call.line.json) {
    const nlohmann::ordered_json report{{"files", std::move(files)}};
    std::fputs((report.dump(2) + "\n").c_str(), call.console.out);
  }
  if (preview) return cleaned.empty() ? VerbResult::NothingFound : VerbResult::Found;
  return anyFailed ? VerbResult::Failed : VerbResult::Done;
}

}  // namespace

extern const Verb kJunkVerb{
    .name = "junk",
    .operand = "scan|clean",
    .operandNeeded = "scan or clean",
    .usage =
        "scan: lists the junk files of the ticked types of JunkFile.dat (the 47 default\n"
        "types when there is none), per drive the count and bytes, then each file.\n"
        "clean: removes them, to the Recycle Bin unless --mode says otherwise; each file\n"
        "with its status. Drive roots, the Windows, system and profile folders and the\n"
        "program's own folder are never removed.",
    .options = kOptions,
    .writesJson = true,
    .run = RunJunk};

}  // namespace halvex::cli
