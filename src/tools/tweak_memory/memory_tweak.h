#pragma once
// The memory tweaker's logic: the number of blocks its tweak commits, the tweak itself, and the
// processor load of the NT family from two readings of the system's counters.
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/memory_status.h"

namespace halvex::tools::tweak_memory {

// The tweak commits at most this many one-megabyte blocks.
inline constexpr std::uint32_t kMostBlocks = 1024;

// Physical memory in MB, plus one.
std::uint32_t BlockCount(const platform::MemoryFigures& figures);

enum class FlushResult {
  Done,
  Busy,          // a tweak runs already (the progress pumps messages, so a click can come in)
  CommitFailed,  // a block could not be committed: every kept block was released
};

class MemoryFlusher {
 public:
  explicit MemoryFlusher(platform::MemoryStatus& memory) : memory_(memory) {}

  // Commits and zero-fills min(count, 1024) blocks, keeping each, then releases them in the
  // same order, calling `progress` after each commit and each release. A failed commit releases
  // what was kept and ends the tweak, as a null block must never be written.
  FlushResult FlushMemory(std::uint32_t count, const std::function<void()>& progress);
  bool busy() const { return busy_; }

 private:
  platform::MemoryStatus& memory_;
  bool busy_ = false;
};

// The NT family's processor load between two readings of the counters.
class NtCpuLoad {
 public:
  // The load in percent since the previous reading, 0 to 100; nullopt when the query failed,
  // on the first reading (which only sets the baseline), and when no time has passed.
  std::optional<int> ReadCpuUsageNT(platform::MemoryStatus& memory);

 private:
  std::uint64_t previousIdle_ = 0;
  std::uint64_t previousSystem_ = 0;
};

}  // namespace halvex::tools::tweak_memory
