// The speed optimizer and the memory tweaker on the real system: one model's tweaks applied and
// reset on the real registry with the speed backup file written through the system's profile
// calls, and the memory figures, the NT counters and the tweak on the real memory calls.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <set>
#include <string>

#include "platform/win32/win32_machine.h"
#include "platform/win32/win32_memory_status.h"
#include "tools/system_speed/profile_files.h"
#include "tools/system_speed/registry_values.h"
#include "tools/system_speed/tweaks.h"
#include "tools/tweak_memory/memory_tweak.h"

namespace halvex::tools {
namespace {

using namespace system_speed;

// Each key a tweak writes, with each of its parents, as present or missing, and each value it
// writes with its type and data.
std::set<std::string> TweakedState(platform::Registry& registry) {
  std::set<std::string> state;
  for (const Tweak& tweak : TweakTable()) {
    for (const TweakWrite& write : tweak.apply) {
      std::string_view key = write.key;
      for (std::size_t end = 0; end != std::string_view::npos;) {
        end = key.find('\\', end + 1);
        const std::string_view prefix = key.substr(0, end);
        state.insert(FullKeyName(write.root, prefix) +
                     (KeyExists(registry, write.root, prefix) ? " exists" : " missing"));
      }
      if (write.kind == WriteKind::KeyOnly) continue;
      state.insert(FullKeyName(write.root, write.key) + "|" + std::string(write.name) + "|" +
                   EncodePriorValue(ReadValue(registry, write.root, write.key, write.name)));
    }
  }
  return state;
}

TEST(SpeedOptimizerOnTheSystem, AModelAppliedAndResetGivesTheRegistryBack) {
  platform::win32::Win32Machine machine;
  const std::string path = machine.files.TempFolder() + "halvex-speed-test.ini";
  (void)machine.files.DeleteFile(path);
  const auto before = TweakedState(machine.registry);

  TweakBoxes boxes{};
  PresetTweaks(3, boxes);
  StepFailures failures;
  {
    const auto file = ProfileFilesOf(machine.platform)(path);
    ApplyTweaks(machine.registry, *file, boxes, failures);
  }
  EXPECT_TRUE(failures.empty()) << failures.lines.front();
  EXPECT_NE(TweakedState(machine.registry), before);
  // The file as the system wrote it, read back by the profile calls of a new opener.
  {
    const auto file = ProfileFilesOf(machine.platform)(path);
    EXPECT_FALSE(file->SectionKeys("Quicken menu display speed").empty());
    RestoreTweaks(machine.registry, *file, failures);
  }
  EXPECT_TRUE(failures.empty()) << failures.lines.front();
  EXPECT_EQ(TweakedState(machine.registry), before);
  EXPECT_TRUE(machine.files.DeleteFile(path));
}

TEST(MemoryStatusOnTheSystem, FiguresCountersAndTheTweak) {
  platform::win32::Win32MemoryStatus memory;
  const platform::MemoryFigures figures = memory.Figures();
  EXPECT_GT(figures.totalPhysical, 0u);
  EXPECT_LE(figures.availablePhysical, figures.totalPhysical);
  EXPECT_LE(figures.loadPercent, 100u);
  EXPECT_GT(figures.totalVirtual, 0u);

  tweak_memory::NtCpuLoad meter;
  ASSERT_EQ(meter.ReadCpuUsageNT(memory), std::nullopt) << "the first reading sets the baseline";
  std::this_thread::sleep_for(std::chrono::seconds(1));
  const std::optional<int> load = meter.ReadCpuUsageNT(memory);
  ASSERT_TRUE(load) << "two readings a second apart give a load";
  EXPECT_GE(*load, 0);
  EXPECT_LE(*load, 100);

  tweak_memory::MemoryFlusher flusher(memory);
  int steps = 0;
  EXPECT_EQ(flusher.FlushMemory(4, [&] { ++steps; }), tweak_memory::FlushResult::Done);
  EXPECT_EQ(steps, 8);
}

}  // namespace
}  // namespace halvex::tools
