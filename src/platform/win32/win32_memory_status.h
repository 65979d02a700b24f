#pragma once
// Memory figures (GlobalMemoryStatusEx), the NT counters (NtQuerySystemInformation, looked up
// once in ntdll.dll), one-megabyte blocks (VirtualAlloc) and the Windows 95 family's
// processor statistics under HKEY_DYN_DATA.
#include <cstdint>

#include "platform/memory_status.h"

namespace halvex::platform::win32 {

class Win32MemoryStatus final : public MemoryStatus {
 public:
  Win32MemoryStatus();
  ~Win32MemoryStatus() override;
  Win32MemoryStatus(const Win32MemoryStatus&) = delete;
  Win32MemoryStatus& operator=(const Win32MemoryStatus&) = delete;

  MemoryFigures Figures() override;
  std::optional<ProcessorCounters> ReadProcessorCounters() override;
  MemoryBlock CommitZeroedBlock() override;
  void ReleaseBlock(MemoryBlock block) override;
  void StartCpuStatistics() override;
  std::optional<std::uint32_t> ReadCpuStatistics() override;
  void StopCpuStatistics() override;

 private:
  void* querySystemInformation_ = nullptr;  // NtQuerySystemInformation, or none
  std::uintptr_t statisticsKey_ = 0;        // HKEY_DYN_DATA "PerfStats\StartStat" while open
};

}  // namespace halvex::platform::win32
