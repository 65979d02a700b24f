// How long the scan takes for a registry area of a given size, on the in-memory registry and the
// host file system: the cost of the section contract (ignore test, skip tests, file checks,
// progress) per entry.
#include <benchmark/benchmark.h>

#include "model/drive_checks.h"
#include "scan/scan_driver.h"
#include "tests/support/scratch_machine.h"

namespace {

using namespace halvex;

class SilentFrontEnd final : public scan::ScanFrontEnd {
 public:
  void ShowProgress(std::string_view) override {}
  void ShowSectionCount(int, std::size_t) override {}
  void ProcessMessages() override {}
  void SectionStarted(int) override {}
  void SectionSkipped(int) override {}
  void SectionFinished(int, std::size_t) override {}
  void SectionFailed(int, std::string_view) override {}
};

// Shared DLLs with `count` values, one in ten of them naming a file that exists.
void SharedDllsScan(benchmark::State& state) {
  testing::ScratchMachine machine;
  const auto count = static_cast<int>(state.range(0));
  for (int i = 0; i < count; ++i) {
    const std::string path =
        "C:\\Program Files\\App" + std::to_string(i % 50) + "\\lib" + std::to_string(i) + ".dll";
    if (i % 10 == 0) machine.AddFile(path);
    machine.SetDword("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls",
                     path, 1);
  }
  machine.AddFolder("C:\\Program Files\\Halvex");
  model::TMyRegistryInfo settings;
  SilentFrontEnd frontEnd;
  scan::SectionChoice choice{};
  choice[3] = true;
  for (auto _ : state) {
    model::ScanModel model;
    model.ExcludedDrives = model::BuildExcludedDriveList(machine.files(), model.abortFlag);
    scan::ScanContext context{machine.platform(), model, settings, frontEnd};
    (void)scan::ScanAllSections(context, choice);
    benchmark::DoNotOptimize(model.TotalProblemCount());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(SharedDllsScan)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
