#include "platform/substitute/civil_time.h"

#include <cstdint>

namespace halvex::platform::substitute {
namespace {

// Days between 1601-01-01 and 1970-01-01.
constexpr std::int64_t kDaysFrom1601To1970 = 134774;
constexpr std::int64_t kSecondsPerDay = 86400;

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (the civil-from-days algorithm by
// Howard Hinnant, in its inverse direction).
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

bool IsValidTime(const LocalTime& time) {
  return time.year >= 1601 && time.year <= 30827 && time.month >= 1 && time.month <= 12 &&
         time.day >= 1 && time.day <= DaysInMonth(time.year, time.month) && time.hour >= 0 &&
         time.hour <= 23 && time.minute >= 0 && time.minute <= 59 && time.second >= 0 &&
         time.second <= 59 && time.millisecond >= 0 && time.millisecond <= 999;
}

std::optional<LocalTime> FileTimeToFields(FileTime time) {
  if (time > kLargestFileTime) return std::nullopt;
  const auto seconds = static_cast<std::int64_t>(time / kTicksPerSecond);
  LocalTime fields;
  CivilFromDays(seconds / kSecondsPerDay - kDaysFrom1601To1970, fields.year, fields.month,
                fields.day);
  const std::int64_t secondOfDay = seconds % kSecondsPerDay;
  fields.hour = static_cast<int>(secondOfDay / 3600);
  fields.minute = static_cast<int>(secondOfDay / 60 % 60);
  fields.second = static_cast<int>(secondOfDay % 60);
  fields.millisecond = static_cast<int>(time % kTicksPerSecond / kTicksPerMillisecond);
  return fields;
}

std::optional<FileTime> FieldsToFileTime(const LocalTime& time) {
  if (!IsValidTime(time)) return std::nullopt;
  const std::int64_t days =
      DaysFromCivil(time.year, static_cast<unsigned>(time.month), static_cast<unsigned>(time.day)) +
      kDaysFrom1601To1970;
  const std::int64_t seconds =
      days * kSecondsPerDay + time.hour * 3600 + time.minute * 60 + time.second;
  return static_cast<FileTime>(seconds) * kTicksPerSecond +
         static_cast<FileTime>(time.millisecond) * kTicksPerMillisecond;
}

std::optional<LocalTime> ParseTimeText(std::string_view text) {
  // Positions of the digits and of the separators in "yyyy-mm-dd hh:nn:ss".
  constexpr std::string_view kShape = "dddd-dd-dd dd:dd:dd";
  if (text.size() != kShape.size()) return std::nullopt;
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return std::nullopt;
  }
  const auto number = [&](std::size_t at, std::size_t size) {
    int value = 0;
    for (std::size_t i = at; i < at + size; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  const LocalTime time{
      number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2), number(17, 2), 0};
  if (!IsValidTime(time)) return std::nullopt;
  return time;
}

}  // namespace halvex::platform::substitute
