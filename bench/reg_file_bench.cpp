// How long the .reg reader and writer take on a file of 100,000 values in 1,000 keys, the size
// of a whole registry export: parsing alone, parsing and loading into the in-memory registry,
// and writing it back out.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/substitute/memory_registry.h"
#include "platform/substitute/reg_file_reader.h"
#include "platform/substitute/reg_file_writer.h"

namespace halvex::platform::substitute {
namespace {

const CodePage& cp = CodePage::Windows1252();

// Keys of 100 values each, a mix of strings, dwords and wrapped binary data.
std::string GenerateFile(int keys) {
  std::string file = "REGEDIT4\r\n\r\n";
  for (int key = 0; key < keys; ++key) {
    file += "[HKEY_LOCAL_MACHINE\\Software\\Bench\\Key" + std::to_string(key) + "]\r\n";
    for (int value = 0; value < 100; ++value) {
      const std::string name = "\"Value" + std::to_string(value) + "\"=";
      switch (value % 3) {
        case 0:
          file += name + "\"C:\\\\Program Files\\\\App\\\\file" + std::to_string(value) + ".dll\"";
          break;
        case 1:
          file += name + "dword:0000" + std::to_string(1000 + value);
          break;
        default:
          file += name +
                  "hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,\\\r\n"
                  "  15,16,17,18,19,1a,1b,1c,1d,1e,1f";
      }
      file += "\r\n";
    }
    file += "\r\n";
  }
  return file;
}

const std::string& LargeFile() {
  static const std::string file = GenerateFile(1000);
  return file;
}

void BM_Parse(benchmark::State& state) {
  for (auto _ : state) {
    const RegFileParseResult parsed = ParseRegFile(LargeFile(), cp);
    if (!parsed.ok()) state.SkipWithError(parsed.error().message.c_str());
    benchmark::DoNotOptimize(parsed.ok());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(LargeFile().size()));
}
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond);

void BM_ParseAndApply(benchmark::State& state) {
  for (auto _ : state) {
    MemoryRegistry registry;
    const RegFileParseResult parsed = ParseRegFile(LargeFile(), cp);
    if (!parsed.ok() || !ApplyRegFile(registry, parsed.operations()).ok()) {
      state.SkipWithError("the file did not load");
    }
  }
}
BENCHMARK(BM_ParseAndApply)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state) {
  MemoryRegistry registry;
  const RegFileParseResult parsed = ParseRegFile(LargeFile(), cp);
  if (!parsed.ok() || !ApplyRegFile(registry, parsed.operations()).ok()) {
    state.SkipWithError("the file did not load");
    return;
  }
  for (auto _ : state) {
    const RegExportResult file = ExportRegFile(registry, RegExportScope::WholeRegistry(),
                                               static_cast<RegFileFormat>(state.range(0)), cp);
    if (!file.ok()) state.SkipWithError(file.message.c_str());
    benchmark::DoNotOptimize(file.bytes.size());
  }
}
BENCHMARK(BM_Export)
    ->Arg(static_cast<int>(RegFileFormat::Regedit4))
    ->Arg(static_cast<int>(RegFileFormat::Version5))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace halvex::platform::substitute

BENCHMARK_MAIN();
