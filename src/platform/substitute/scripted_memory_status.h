#pragma once
// Memory figures, processor counters and block commits as a test scripts them. Blocks are
// counted, not allocated, so a test can commit a thousand of them for free.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <set>

#include "platform/memory_status.h"

namespace halvex::platform::substitute {

class ScriptedMemoryStatus final : public MemoryStatus {
 public:
  MemoryFigures figures;
  // Each reading takes the next; an empty script is a failed query.
  std::deque<std::optional<ProcessorCounters>> counterReadings;
  // The commit of this number (1 = the first) fails.
  std::optional<std::size_t> failingCommit;
  // What the Windows 95 family's statistics answer; none: the key is missing.
  std::optional<std::uint32_t> cpuStatistics;

  MemoryFigures Figures() override { return figures; }
  std::optional<ProcessorCounters> ReadProcessorCounters() override {
    if (counterReadings.empty()) return std::nullopt;
    const std::optional<ProcessorCounters> reading = counterReadings.front();
    counterReadings.pop_front();
    return reading;
  }
  MemoryBlock CommitZeroedBlock() override {
    ++commits_;
    if (failingCommit && commits_ == *failingCommit) return {};
    const MemoryBlock block{0x10000000u + commits_ * kMemoryBlockBytes};
    held_.insert(block.address);
    return block;
  }
  void ReleaseBlock(MemoryBlock block) override {
    if (held_.erase(block.address) == 1) ++releases_;
  }
  void StartCpuStatistics() override { statisticsRunning_ = true; }
  std::optional<std::uint32_t> ReadCpuStatistics() override { return cpuStatistics; }
  void StopCpuStatistics() override { statisticsRunning_ = false; }

  std::size_t commits() const { return commits_; }
  std::size_t releases() const { return releases_; }
  // Blocks committed and not yet released.
  std::size_t heldBlocks() const { return held_.size(); }
  bool statisticsRunning() const { return statisticsRunning_; }

 private:
  std::size_t commits_ = 0;
  std::size_t releases_ = 0;
  std::set<std::uintptr_t> held_;
  bool statisticsRunning_ = false;
};

}  // namespace halvex::platform::substitute
