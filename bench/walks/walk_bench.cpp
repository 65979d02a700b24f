// The walking sections' benchmark. One run measures, side by side, a full scan of sections 1 to
// 3 and the floor (a bare walk of the same keys, floor_walk.h): one warm-up, then scan and floor
// alternately three times each, and the medians. Beside them: the same scan with a pump that
// does nothing (the cost of pumping), the longest gap between two turns of the user interface,
// the file tests made, and the heap the scan takes above what was in use before it. Then the
// goals, each met or named.
//
//   halvex_walk_bench generate DIR [--seed N] [--keys N] [--depth N] [--values N] [--broken F]
//   halvex_walk_bench run [--machine DIR] [--json FILE]   (no --machine: the live registry)
//   halvex_walk_bench smoke                                (a tiny registry: the report only)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/walks/floor_walk.h"
#include "bench/walks/measured_machine.h"
#include "bench/walks/memory_meter.h"
#include "bench/walks/registry_generator.h"
#include "model/drive_checks.h"
#include "model/scan_model.h"
#include "platform/substitute/host_file_system.h"
#include "platform/substitute/machine_folder.h"
#include "platform/substitute/scripted_pump.h"
#include "scan/scan_driver.h"
#ifdef _WIN32
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_machine.h"
#endif

namespace halvex::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// The scan's front end: hands each turn to the pump (or to nobody) and times the gaps.
class BenchFrontEnd final : public scan::ScanFrontEnd {
 public:
  explicit BenchFrontEnd(platform::MessagePump* pump) : pump_(pump), last_(Clock::now()) {}

  void ShowProgress(std::string_view) override {}
  void ShowSectionCount(int, std::size_t) override {}
  void ProcessMessages() override {
    Turn();
    if (pump_ != nullptr) pump_->ProcessMessages();
  }
  void SectionStarted(int) override {}
  void SectionSkipped(int) override {}
  void SectionFinished(int, std::size_t) override {}
  void SectionFailed(int section, std::string_view message) override {
    std::fprintf(stderr, "section %d failed: %.*s\n", section, static_cast<int>(message.size()),
                 message.data());
  }

  // The gap up to now counts too: the end of the scan is the user interface's next turn.
  double LongestGap() {
    Turn();
    return longestGap_;
  }

 private:
  void Turn() {
    const Clock::time_point now = Clock::now();
    longestGap_ = std::max(longestGap_, Milliseconds(now - last_));
    last_ = now;
  }

  platform::MessagePump* pump_;
  Clock::time_point last_;
  double longestGap_ = 0;
};

struct ScanRun {
  double milliseconds = 0;
  double longestGap = 0;
  std::uint64_t fileTests = 0;
  std::size_t problems = 0;
  std::int32_t visits = 0;
  std::size_t heapAbove = 0;
};

scan::SectionChoice WalkingSections() {
  scan::SectionChoice walking{};
  walking[0] = walking[1] = walking[2] = true;
  return walking;
}

ScanRun Scan(platform::Platform& platform, CountingFiles& files, platform::MessagePump* pump) {
  model::ScanModel model;
  model.ExcludedDrives = model::BuildExcludedDriveList(platform.files, model.abortFlag);
  model::TMyRegistryInfo settings;
  BenchFrontEnd frontEnd(pump);
  scan::ScanContext context{platform, model, settings, frontEnd};
  files.fileTests = 0;
  const std::size_t baseline = HeapInUse();
  ResetHeapPeak();
  const Clock::time_point start = Clock::now();
  (void)scan::ScanAllSections(context, WalkingSections());
  ScanRun run;
  run.milliseconds = Milliseconds(Clock::now() - start);
  run.heapAbove = HeapPeak() - baseline;
  run.longestGap = frontEnd.LongestGap();
  run.fileTests = files.fileTests;
  run.problems = model.TotalProblemCount();
  run.visits = model.counters.visitCounter;
  return run;
}

double Median(std::vector<double> figures) {
  std::sort(figures.begin(), figures.end());
  return figures[figures.size() / 2];
}

struct Report {
  std::string platform;
  std::uint64_t keysVisited = 0;
  double scanKeysPerSecond = 0, floorKeysPerSecond = 0, ratio = 0;
  double pumpingOverheadPercent = 0, longestGapMs = 0;
  std::uint64_t fileTests = 0;
  std::size_t problems = 0;
  std::size_t peakHeapBytes = 0;
  // The same depth with no broken references: the keys, and ten times as many.
  std::size_t peakHeapAtKeys = 0, peakHeapAtTenTimesKeys = 0;
  std::vector<std::string> missedGoals;
};

Report Measure(const std::string& name, platform::Platform& machine, platform::MessagePump& pump,
               int rounds) {
  CountingFiles files(machine.files);
  RealTickClock clock(machine.clock);
  platform::Platform platform{machine.registry, files, machine.locale, clock, machine.links};

  (void)Scan(platform, files, &pump);  // warm-up
  (void)WalkFloor(platform.registry, platform.locale);
  std::vector<double> scans, floors, silentScans;
  ScanRun first;
  FloorCounts floorCounts;
  double longestGap = 0;
  for (int round = 0; round < rounds; ++round) {
    const ScanRun run = Scan(platform, files, &pump);
    if (round == 0) first = run;
    longestGap = std::max(longestGap, run.longestGap);
    scans.push_back(run.milliseconds);
    const Clock::time_point start = Clock::now();
    floorCounts = WalkFloor(platform.registry, platform.locale);
    floors.push_back(Milliseconds(Clock::now() - start));
    silentScans.push_back(Scan(platform, files, nullptr).milliseconds);
  }
  Report report;
  report.platform = name;
  report.keysVisited = floorCounts.keys;
  const double scanMs = Median(scans), floorMs = Median(floors), silentMs = Median(silentScans);
  report.scanKeysPerSecond = scanMs > 0 ? floorCounts.keys * 1000.0 / scanMs : 0;
  report.floorKeysPerSecond = floorMs > 0 ? floorCounts.keys * 1000.0 / floorMs : 0;
  report.ratio = floorMs > 0 ? scanMs / floorMs : 0;
  report.pumpingOverheadPercent = silentMs > 0 ? (scanMs - silentMs) * 100.0 / silentMs : 0;
  report.longestGapMs = longestGap;
  report.fileTests = first.fileTests;
  report.problems = first.problems;
  report.peakHeapBytes = first.heapAbove;
  return report;
}

// The heap a scan takes on generated registries of one depth without broken references, with
// `keys` keys and with ten times as many; every file test answers yes.
void MeasureMemory(Report& report, int keys, int depth) {
  auto peakAt = [depth](int count) {
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "halvex-walk-bench-memory";
    std::filesystem::create_directories(folder / "C", error);
    std::size_t peak = 0;
    {
      platform::substitute::MemoryRegistry registry;
      GeneratorSettings settings;
      settings.keys = count;
      settings.depth = depth;
      settings.brokenShare = 0;
      (void)GenerateRegistry(registry, settings);
      platform::substitute::HostDrive drive;
      drive.folder = folder / "C";
      platform::substitute::HostFileSystem hostFiles({drive}, {});
      CountingFiles files(hostFiles);
      files.everyFileExists = true;
      platform::substitute::SubstituteLocale locale;
      platform::substitute::FixedClock fixed;
      RealTickClock clock(fixed);
      platform::substitute::SubstituteShellLinks links(hostFiles);
      platform::Platform platform{registry, files, locale, clock, links};
      peak = Scan(platform, files, nullptr).heapAbove;
    }
    std::filesystem::remove_all(folder, error);
    return peak;
  };
  report.peakHeapAtKeys = peakAt(keys);
  report.peakHeapAtTenTimesKeys = peakAt(keys * 10);
}

void CheckGoals(Report& report) {
  char text[200];
  if (report.ratio > 1.2) {
    std::snprintf(text, sizeof text, "scan/floor ratio %.2f is above 1.2", report.ratio);
    report.missedGoals.push_back(text);
  }
  if (report.pumpingOverheadPercent >= 5) {
    std::snprintf(text, sizeof text, "pumping overhead %.1f%% is not under 5%%",
                  report.pumpingOverheadPercent);
    report.missedGoals.push_back(text);
  }
  if (report.longestGapMs > 50) {
    std::snprintf(text, sizeof text, "longest gap between pumps %.1f ms is over 50 ms",
                  report.longestGapMs);
    report.missedGoals.push_back(text);
  }
  // Unchanged, allowing for the longer numbers in ten times as many names.
  if (report.peakHeapAtTenTimesKeys > report.peakHeapAtKeys + 1024) {
    std::snprintf(text, sizeof text,
                  "peak heap grows with the keys at a fixed depth: %zu bytes, then %zu bytes",
                  report.peakHeapAtKeys, report.peakHeapAtTenTimesKeys);
    report.missedGoals.push_back(text);
  }
}

std::string Json(const Report& r) {
  std::ostringstream out;
  out << "{\n  \"platform\": \"" << r.platform << "\",\n"
      << "  \"keys_visited\": " << r.keysVisited << ",\n"
      << "  \"scan_keys_per_second\": " << r.scanKeysPerSecond << ",\n"
      << "  \"floor_keys_per_second\": " << r.floorKeysPerSecond << ",\n"
      << "  \"scan_to_floor_ratio\": " << r.ratio << ",\n"
      << "  \"pumping_overhead_percent\": " << r.pumpingOverheadPercent << ",\n"
      << "  \"longest_pump_gap_ms\": " << r.longestGapMs << ",\n"
      << "  \"file_tests\": " << r.fileTests << ",\n"
      << "  \"problems\": " << r.problems << ",\n"
      << "  \"peak_heap_bytes\": " << r.peakHeapBytes << ",\n"
      << "  \"peak_heap_bytes_at_keys\": " << r.peakHeapAtKeys << ",\n"
      << "  \"peak_heap_bytes_at_ten_times_keys\": " << r.peakHeapAtTenTimesKeys << ",\n"
      << "  \"missed_goals\": [";
  for (std::size_t i = 0; i < r.missedGoals.size(); ++i) {
    out << (i == 0 ? "" : ", ") << "\"" << r.missedGoals[i] << "\"";
  }
  out << "]\n}\n";
  return out.str();
}

std::string Table(const Report& r) {
  char text[2000];
  std::snprintf(text, sizeof text,
                "Walking sections on %s\n"
                "  keys visited                    %llu\n"
                "  scan  keys/s                    %.0f\n"
                "  floor keys/s                    %.0f\n"
                "  scan/floor time ratio           %.2f   (goal: at most 1.2)\n"
                "  pumping overhead                %.1f%%   (goal: under 5%%)\n"
                "  longest gap between pumps       %.1f ms   (goal: at most 50 ms)\n"
                "  file tests                      %llu\n"
                "  problems found                  %zu\n"
                "  peak heap above baseline        %zu bytes\n"
                "  same depth, keys and 10x keys   %zu / %zu bytes   (goal: unchanged)\n",
                r.platform.c_str(), static_cast<unsigned long long>(r.keysVisited),
                r.scanKeysPerSecond, r.floorKeysPerSecond, r.ratio, r.pumpingOverheadPercent,
                r.longestGapMs, static_cast<unsigned long long>(r.fileTests), r.problems,
                r.peakHeapBytes, r.peakHeapAtKeys, r.peakHeapAtTenTimesKeys);
  std::string table = text;
  if (r.missedGoals.empty()) table += "  every goal met\n";
  for (const std::string& goal : r.missedGoals) table += "  MISSED: " + goal + "\n";
  return table;
}

std::optional<std::string> Option(std::vector<std::string>& args, const std::string& name) {
  const auto found = std::find(args.begin(), args.end(), name);
  if (found == args.end() || found + 1 == args.end()) return std::nullopt;
  std::string value = *(found + 1);
  args.erase(found, found + 2);
  return value;
}

int Generate(std::vector<std::string> args) {
  if (args.empty()) {
    std::fprintf(stderr, "generate needs a folder\n");
    return 2;
  }
  GeneratorSettings settings;
  if (auto v = Option(args, "--seed")) settings.seed = static_cast<std::uint32_t>(std::stoul(*v));
  if (auto v = Option(args, "--keys")) settings.keys = std::stoi(*v);
  if (auto v = Option(args, "--depth")) settings.depth = std::stoi(*v);
  if (auto v = Option(args, "--values")) settings.valuesPerKey = std::stoi(*v);
  if (auto v = Option(args, "--broken")) settings.brokenShare = std::stod(*v);
  const std::string error = WriteMachineFolder(args.front(), settings);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return 0;
}

int Run(std::vector<std::string> args, int rounds, int memoryKeys) {
  const std::optional<std::string> machineFolder = Option(args, "--machine");
  const std::optional<std::string> jsonFile = Option(args, "--json");
  Report report;
  if (machineFolder) {
    auto loaded = platform::substitute::LoadMachineFolder(*machineFolder);
    if (!loaded.ok()) {
      std::fprintf(stderr, "%s\n", loaded.error().Describe().c_str());
      return 2;
    }
    auto machine = loaded.TakeMachine();
    platform::Platform platform = machine->platform();
    platform::substitute::ScriptedPump pump;
    report = Measure("the substitute machine " + *machineFolder, platform, pump, rounds);
  } else {
#ifdef _WIN32
    platform::win32::Win32Machine machine;
    platform::win32::Win32MessagePump pump;
    report = Measure("the live registry", machine.platform, pump, rounds);
#else
    std::fprintf(stderr, "without --machine the live registry is measured, on Windows only\n");
    return 2;
#endif
  }
  MeasureMemory(report, memoryKeys, 5);
  CheckGoals(report);
  std::fputs(Table(report).c_str(), stdout);
  const std::string json = Json(report);
  if (jsonFile) {
    std::ofstream(*jsonFile, std::ios::binary) << json;
  } else {
    std::fputs(json.c_str(), stdout);
  }
  return 0;
}

// A tiny generated registry through the whole measurement: the report must have every field.
int Smoke() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "halvex-walk-bench-smoke";
  GeneratorSettings settings;
  settings.keys = 200;
  settings.depth = 3;
  if (const std::string error = WriteMachineFolder(folder, settings); !error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const int code = Run({"--machine", folder.string()}, 1, 100);
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  return code;
}

}  // namespace
}  // namespace halvex::bench

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fprintf(stderr,
                 "usage: halvex_walk_bench generate DIR [options] | run [--machine DIR] "
                 "[--json FILE] | smoke\n");
    return 2;
  }
  const std::string command = args.front();
  args.erase(args.begin());
  if (command == "generate") return halvex::bench::Generate(args);
  if (command == "run") return halvex::bench::Run(args, 3, 2000);
  if (command == "smoke") return halvex::bench::Smoke();
  std::fprintf(stderr, "unknown command '%s'\n", command.c_str());
  return 2;
}
