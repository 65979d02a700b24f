#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace halvex::platform::win32 {
namespace {

LocalTime FromSystemTime(const SYSTEMTIME& time) {
  return LocalTime{time.wYear,   time.wMonth,  time.wDay,         time.wHour,
                   time.wMinute, time.wSecond, time.wMilliseconds};
}

}  // namespace

LocalTime Win32Clock::Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return FromSystemTime(now);
}

std::optional<LocalTime> Win32Clock::FileTimeToLocal(FileTime time) {
  const FILETIME utc{static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
  FILETIME local;
  SYSTEMTIME fields;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &fields)) {
    return std::nullopt;
  }
  return FromSystemTime(fields);
}

std::uint32_t Win32Clock::TickCount() {
  return GetTickCount();
}

}  // namespace halvex::platform::win32
