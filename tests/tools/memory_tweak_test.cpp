// The memory tweaker's tweak and its processor load.
#include <gtest/gtest.h>

#include "platform/substitute/scripted_memory_status.h"
#include "tools/tweak_memory/memory_tweak.h"

namespace halvex::tools::tweak_memory {
namespace {

using platform::ProcessorCounters;
using platform::substitute::ScriptedMemoryStatus;

TEST(MemoryTweak, CommitsAndReleasesEveryBlockWithOneStepEach) {
  struct Case {
    std::uint64_t megabytes;
    std::size_t blocks;
    int steps;
  };
  // 512 MB: 513 blocks, the gauge runs to 1026; 2 GB: 1024 blocks, it stops at 2048.
  for (const Case c : {Case{512, 513, 1026}, Case{2048, 1024, 2048}}) {
    ScriptedMemoryStatus memory;
    memory.figures.totalPhysical = c.megabytes << 20;
    MemoryFlusher flusher(memory);
    int steps = 0;
    EXPECT_EQ(flusher.FlushMemory(BlockCount(memory.figures), [&] { ++steps; }), FlushResult::Done);
    EXPECT_EQ(memory.commits(), c.blocks);
    EXPECT_EQ(memory.releases(), c.blocks);
    EXPECT_EQ(steps, c.steps);
    EXPECT_FALSE(flusher.busy());
  }
}

TEST(MemoryTweak, AFailedCommitReleasesTheKeptBlocksAndClearsTheBusyFlag) {
  ScriptedMemoryStatus memory;
  memory.failingCommit = 5;
  MemoryFlusher flusher(memory);
  EXPECT_EQ(flusher.FlushMemory(10, [] {}), FlushResult::CommitFailed);
  EXPECT_EQ(memory.releases(), 4u);
  EXPECT_EQ(memory.heldBlocks(), 0u);
  EXPECT_FALSE(flusher.busy());
  memory.failingCommit.reset();
  EXPECT_EQ(flusher.FlushMemory(1, [] {}), FlushResult::Done) << "a later tweak runs again";
}

TEST(MemoryTweak, ASecondTweakFromInsideTheFirstDoesNothing) {
  ScriptedMemoryStatus memory;
  MemoryFlusher flusher(memory);
  std::optional<FlushResult> inner;
  flusher.FlushMemory(3, [&] {
    if (!inner) inner = flusher.FlushMemory(3, [] {});
  });
  EXPECT_EQ(inner, FlushResult::Busy);
  EXPECT_EQ(memory.commits(), 3u);
}

TEST(NtCpuLoad, ReadsTheLoadBetweenTwoReadings) {
  struct Case {
    const char* what;
    ProcessorCounters first, second;
    std::optional<int> load;
  };
  const Case cases[] = {
      {"two idle processors: 100 - 200 / 2 + 0.5 = 0.5 rounds to the even 0",
       {1000, 5000, 2},
       {3000, 6000, 2},
       0},
      {"a true load of 37.2 % shows as 38", {1000, 5000, 1}, {1628, 6000, 1}, 38},
      {"no time passed: no load", {1000, 5000, 1}, {1000, 5000, 1}, std::nullopt},
      {"idle time going back: clamped to 100", {5000, 5000, 1}, {1000, 6000, 1}, 100},
      {"idle time beyond the interval: clamped to 0", {1000, 5000, 1}, {9000, 6000, 1}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedMemoryStatus memory;
    memory.counterReadings = {c.first, c.second};
    NtCpuLoad meter;
    EXPECT_EQ(meter.ReadCpuUsageNT(memory), std::nullopt) << "the first reading sets the baseline";
    EXPECT_EQ(meter.ReadCpuUsageNT(memory), c.load);
  }
}

TEST(NtCpuLoad, AFailedQueryKeepsTheBaseline) {
  ScriptedMemoryStatus memory;
  memory.counterReadings = {
      ProcessorCounters{1000, 5000, 1}, std::nullopt,
      ProcessorCounters{1500, 6000, 1}};  // 100 - 50 + 0.5 = 50.5, to the even 50
  NtCpuLoad meter;
  EXPECT_EQ(meter.ReadCpuUsageNT(memory), std::nullopt);
  EXPECT_EQ(meter.ReadCpuUsageNT(memory), std::nullopt);
  EXPECT_EQ(meter.ReadCpuUsageNT(memory), 50);
}

}  // namespace
}  // namespace halvex::tools::tweak_memory
