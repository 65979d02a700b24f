#include "platform/win32/win32_memory_status.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace halvex::platform::win32 {
namespace {

using QuerySystemInformation = LONG(WINAPI*)(ULONG infoClass, void* buffer, ULONG length,
                                             ULONG* returned);

constexpr ULONG kBasicInformation = 0;
constexpr ULONG kPerformanceInformation = 2;
constexpr ULONG kTimeOfDayInformation = 3;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

// The start of the basic information, in the build's word size (44 bytes in a 32-bit build,
// 64 in a 64-bit one): the processor count follows the three address-sized fields.
struct BasicInformation {
  ULONG reserved;
  ULONG timerResolution;
  ULONG pageSize;
  ULONG physicalPages;
  ULONG lowestPhysicalPage;
  ULONG highestPhysicalPage;
  ULONG allocationGranularity;
  ULONG_PTR lowestUserAddress;
  ULONG_PTR highestUserAddress;
  ULONG_PTR activeProcessorsAffinityMask;
  CCHAR numberOfProcessors;
};
static_assert(sizeof(BasicInformation) == (sizeof(void*) == 4 ? 44 : 64));
// The performance information begins with the idle time; the system's size grew over the
// versions, so a refused length is retried with the one the system names.
constexpr ULONG kPerformanceInformationBytes = 312;
// Boot time, current time, time zone bias and zone id: the current time is at offset 8.
constexpr ULONG kTimeOfDayBytes = 32;

// The information of one class, asking again with the size the system wants when it refuses.
bool Query(QuerySystemInformation query, ULONG infoClass, ULONG length,
           std::vector<std::uint8_t>& buffer) {
  buffer.assign(length, 0);
  ULONG returned = 0;
  LONG status = query(infoClass, buffer.data(), length, &returned);
  if (status == kInfoLengthMismatch && returned > length) {
    buffer.assign(returned, 0);
    status = query(infoClass, buffer.data(), returned, &returned);
  }
  return status >= 0;
}

std::uint64_t Read64(const std::vector<std::uint8_t>& buffer, std::size_t offset) {
  std::uint64_t number = 0;
  std::memcpy(&number, buffer.data() + offset, sizeof number);
  return number;
}

}  // namespace

Win32MemoryStatus::Win32MemoryStatus() {
  if (HMODULE ntdll = GetModuleHandleA("ntdll.dll")) {
    querySystemInformation_ =
        reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySystemInformation"));
  }
}

Win32MemoryStatus::~Win32MemoryStatus() {
  if (statisticsKey_ != 0) RegCloseKey(reinterpret_cast<HKEY>(statisticsKey_));
}

MemoryFigures Win32MemoryStatus::Figures() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return {};
  return MemoryFigures{
      .loadPercent = status.dwMemoryLoad,
      .totalPhysical = status.ullTotalPhys,
      .availablePhysical = status.ullAvailPhys,
      .totalPageFile = status.ullTotalPageFile,
      .availablePageFile = status.ullAvailPageFile,
      .totalVirtual = status.ullTotalVirtual,
      .availableVirtual = status.ullAvailVirtual,
  };
}

std::optional<ProcessorCounters> Win32MemoryStatus::ReadProcessorCounters() {
  if (querySystemInformation_ == nullptr) return std::nullopt;
  const auto query = reinterpret_cast<QuerySystemInformation>(querySystemInformation_);
  std::vector<std::uint8_t> basic, time, performance;
  if (!Query(query, kBasicInformation, sizeof(BasicInformation), basic) ||
      !Query(query, kTimeOfDayInformation, kTimeOfDayBytes, time) ||
      !Query(query, kPerformanceInformation, kPerformanceInformationBytes, performance)) {
    return std::nullopt;
  }
  BasicInformation info{};
  std::memcpy(&info, basic.data(), sizeof info);
  return ProcessorCounters{
      .idleTime = Read64(performance, 0),
      .systemTime = Read64(time, 8),
      .processorCount = static_cast<std::uint8_t>(info.numberOfProcessors),
  };
}

MemoryBlock Win32MemoryStatus::CommitZeroedBlock() {
  void* block = VirtualAlloc(nullptr, kMemoryBlockBytes, MEM_COMMIT, PAGE_READWRITE | PAGE_NOCACHE);
  if (block == nullptr) return {};
  // The zero fill touches every page, which is what pushes other programs' pages out.
  std::memset(block, 0, kMemoryBlockBytes);
  return MemoryBlock{reinterpret_cast<std::uintptr_t>(block)};
}

void Win32MemoryStatus::ReleaseBlock(MemoryBlock block) {
  if (block) VirtualFree(reinterpret_cast<void*>(block.address), 0, MEM_RELEASE);
}

namespace {

// Reads the value "KERNEL\CPUUsage" of HKEY_DYN_DATA "PerfStats\<key>" into `data`.
bool ReadPerfStats(const char* key, void* data, DWORD size, HKEY* kept) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_DYN_DATA, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  DWORD type = 0;
  const bool read = RegQueryValueExA(opened, "KERNEL\\CPUUsage", nullptr, &type,
                                     static_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
  if (kept != nullptr) {
    *kept = opened;
  } else {
    RegCloseKey(opened);
  }
  return read;
}

}  // namespace

void Win32MemoryStatus::StartCpuStatistics() {
  BYTE ignored[1025];
  HKEY kept = nullptr;
  ReadPerfStats("PerfStats\\StartStat", ignored, sizeof ignored, &kept);
  statisticsKey_ = reinterpret_cast<std::uintptr_t>(kept);
}

std::optional<std::uint32_t> Win32MemoryStatus::ReadCpuStatistics() {
  DWORD load = 0;
  if (!ReadPerfStats("PerfStats\\StatData", &load, sizeof load, nullptr)) return std::nullopt;
  return load;
}

void Win32MemoryStatus::StopCpuStatistics() {
  BYTE ignored[1025];
  ReadPerfStats("PerfStats\\StopStat", ignored, sizeof ignored, nullptr);
  if (statisticsKey_ != 0) RegCloseKey(reinterpret_cast<HKEY>(statisticsKey_));
  statisticsKey_ = 0;
}

}  // namespace halvex::platform::win32
