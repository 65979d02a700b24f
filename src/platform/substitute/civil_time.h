#pragma once
// Calendar arithmetic for the substitute platform: file times (100-ns ticks since 1601 UTC) to
// calendar fields and back, with the system's range and validity rules.
#include <optional>
#include <string_view>

#include "platform/clock.h"

namespace halvex::platform::substitute {

inline constexpr FileTime kTicksPerSecond = 10'000'000;
inline constexpr FileTime kTicksPerMillisecond = 10'000;
// The system converts file times only below 2^63, as FileTimeToSystemTime does.
inline constexpr FileTime kLargestFileTime = 0x7FFF'FFFF'FFFF'FFFFull;

// True when every field is in range: month 1-12, a day the month has, hour 0-23, minute and
// second 0-59, millisecond 0-999, year 1601-30827 (the years a file time can hold).
bool IsValidTime(const LocalTime& time);

// The calendar fields of a file time; nullopt above kLargestFileTime.
std::optional<LocalTime> FileTimeToFields(FileTime time);
// The file time of calendar fields; nullopt when IsValidTime is false.
std::optional<FileTime> FieldsToFileTime(const LocalTime& time);

// "yyyy-mm-dd hh:nn:ss", the form the machine folder's files write times in; nullopt for any
// other text and for a time the calendar does not have.
std::optional<LocalTime> ParseTimeText(std::string_view text);

}  // namespace halvex::platform::substitute
