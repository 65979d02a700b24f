#include "tools/tweak_memory/memory_tweak.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace halvex::tools::tweak_memory {

std::uint32_t BlockCount(const platform::MemoryFigures& figures) {
  return static_cast<std::uint32_t>(figures.totalPhysical >> 20) + 1;
}

FlushResult MemoryFlusher::FlushMemory(std::uint32_t count, const std::function<void()>& progress) {
  if (busy_) return FlushResult::Busy;
  busy_ = true;
  count = std::min(count, kMostBlocks);
  std::vector<platform::MemoryBlock> kept;
  kept.reserve(count);
  FlushResult result = FlushResult::Done;
  for (std::uint32_t i = 0; i < count; ++i) {
    const platform::MemoryBlock block = memory_.CommitZeroedBlock();
    if (!block) {
      result = FlushResult::CommitFailed;
      break;
    }
    kept.push_back(block);
    progress();
  }
  for (const platform::MemoryBlock block : kept) {
    memory_.ReleaseBlock(block);
    progress();
  }
  busy_ = false;
  return result;
}

std::optional<int> NtCpuLoad::ReadCpuUsageNT(platform::MemoryStatus& memory) {
  const std::optional<platform::ProcessorCounters> reading = memory.ReadProcessorCounters();
  if (!reading || reading->processorCount == 0) return std::nullopt;
  std::optional<int> load;
  // Counters that stand still or go back give no load rather than a division by zero or a
  // figure outside 0..100.
  if (previousIdle_ != 0 && reading->systemTime > previousSystem_) {
    const double idle =
        static_cast<double>(static_cast<std::int64_t>(reading->idleTime - previousIdle_));
    const double interval = static_cast<double>(reading->systemTime - previousSystem_);
    const double usage = 100.0 - idle / interval * 100.0 / reading->processorCount + 0.5;
    // Halves go to the even neighbour, as the system's rounding does.
    load = static_cast<int>(std::clamp(std::nearbyint(usage), 0.0, 100.0));
  }
  previousIdle_ = reading->idleTime;
  previousSystem_ = reading->systemTime;
  return load;
}

}  // namespace halvex::tools::tweak_memory
