#include "tools/restore_points/restore_point_rows.h"

#include <charconv>

#include "platform/text_lines.h"

namespace halvex::tools::restore_points {
namespace {

// Digits [from, from + count) of the text as a number; nullopt when any is not a digit.
std::optional<int> Digits(std::string_view text, std::size_t from, std::size_t count) {
  int number = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    number = number * 10 + (text[i] - '0');
  }
  return number;
}

// Days from 1601-01-01 to the date (proleptic Gregorian calendar).
std::int64_t DaysSince1601(int year, int month, int day) {
  const int y = year - (month <= 2);
  const int era = y / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t daysSince1970 = std::int64_t(era) * 146097 + dayOfEra - 719468;
  return daysSince1970 + 134774;
}

bool IsRealDate(int year, int month, int day) {
  if (year < 1601 || month < 1 || month > 12 || day < 1) return false;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace

std::optional<platform::LocalTime> CreationTimeToLocal(platform::Clock& clock,
                                                       std::string_view text) {
  if (text.size() != 25 || text[14] != '.' || (text[21] != '+' && text[21] != '-')) {
    return std::nullopt;
  }
  const auto year = Digits(text, 0, 4), month = Digits(text, 4, 2), day = Digits(text, 6, 2);
  const auto hour = Digits(text, 8, 2), minute = Digits(text, 10, 2), second = Digits(text, 12, 2);
  const auto micro = Digits(text, 15, 6), offset = Digits(text, 22, 3);
  if (!year || !month || !day || !hour || !minute || !second || !micro || !offset) {
    return std::nullopt;
  }
  if (!IsRealDate(*year, *month, *day) || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  const std::int64_t offsetMinutes = text[21] == '-' ? -*offset : *offset;
  const std::int64_t utcSeconds = DaysSince1601(*year, *month, *day) * 86400 + *hour * 3600 +
                                  *minute * 60 + *second - offsetMinutes * 60;
  if (utcSeconds < 0) return std::nullopt;
  const platform::FileTime time =
      static_cast<platform::FileTime>(utcSeconds) * 10'000'000 + *micro * 10ull;
  return clock.FileTimeToLocal(time);
}

RestorePointList ListRestorePoints(platform::RestorePointService& service, platform::Clock& clock,
                                   platform::Locale& locale) {
  RestorePointList list;
  platform::RestorePointListing listing = service.List();
  list.error = std::move(listing.error);
  for (const platform::RestorePointInstance& point : listing.instances) {
    const auto local = CreationTimeToLocal(clock, point.creationTime);
    RestorePointRow row{.description = point.description,
                        .time = local ? locale.FormatDateTime(*local) : std::string(),
                        .sequenceNumber = point.sequenceNumber,
                        .type = point.type};
    const auto blank = [](std::string_view text) { return platform::TrimText(text).empty(); };
    if (blank(row.description) || blank(row.time) || blank(row.sequenceNumber)) continue;
    if (row.type == platform::kCancelledOperation) continue;
    list.rows.push_back(std::move(row));
  }
  return list;
}

std::optional<std::uint32_t> SequenceOf(std::string_view text) {
  text = platform::TrimText(text);
  std::uint32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

}  // namespace halvex::tools::restore_points
