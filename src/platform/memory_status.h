#pragma once
// The memory and processor figures the memory tweaker shows, and the one-megabyte blocks its
// tweak commits, fills and releases.
#include <cstdint>
#include <optional>

namespace halvex::platform {

// The figures in 64 bits, so a machine with more than 4 GB reports them unclipped.
struct MemoryFigures {
  std::uint32_t loadPercent = 0;
  std::uint64_t totalPhysical = 0;
  std::uint64_t availablePhysical = 0;
  std::uint64_t totalPageFile = 0;
  std::uint64_t availablePageFile = 0;
  std::uint64_t totalVirtual = 0;
  std::uint64_t availableVirtual = 0;
};

// One reading of the NT family's counters: the processors' summed idle time and the system
// time, both in 100-nanosecond units, and the number of processors.
struct ProcessorCounters {
  std::uint64_t idleTime = 0;
  std::uint64_t systemTime = 0;
  std::uint32_t processorCount = 0;
};

// A committed block; 0 is none.
struct MemoryBlock {
  std::uintptr_t address = 0;
  explicit operator bool() const { return address != 0; }
};

inline constexpr std::uint64_t kMemoryBlockBytes = 1024 * 1024;

class MemoryStatus {
 public:
  virtual ~MemoryStatus() = default;
  virtual MemoryFigures Figures() = 0;
  // The NT counters; nullopt when any of the three queries fails.
  virtual std::optional<ProcessorCounters> ReadProcessorCounters() = 0;
  // Commits one fresh block of kMemoryBlockBytes, uncached and writable, and writes zeros over
  // all of it, which forces its pages into memory; none when the commit fails.
  virtual MemoryBlock CommitZeroedBlock() = 0;
  virtual void ReleaseBlock(MemoryBlock block) = 0;

  // The Windows 95 family's processor load, kept under HKEY_DYN_DATA "PerfStats": starting the
  // statistics, one reading of the load in percent (nullopt when the key is missing), stopping.
  virtual void StartCpuStatistics() = 0;
  virtual std::optional<std::uint32_t> ReadCpuStatistics() = 0;
  virtual void StopCpuStatistics() = 0;
};

}  // namespace halvex::platform
