#pragma once
// What the restore point tool lists and does, over the system restore service: the rows, and
// creating, restoring and deleting a point. Its window and halvex-cli's `restorepoints` verb
// share it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/locale.h"
#include "platform/restore_points.h"

namespace halvex::tools::restore_points {

struct RestorePointRow {
  std::string description;
  std::string time;  // the creation time in local time, in the system's date and time format
  std::string sequenceNumber;
  std::int32_t type = 0;
  friend bool operator==(const RestorePointRow&, const RestorePointRow&) = default;
};

// A management date-time text ("20240131142507.000000+480": year, month, day, hour, minute,
// second, ".", microseconds, the offset from UTC in minutes) as local time through the clock;
// nullopt when the text does not split into those fields or names no real moment.
std::optional<platform::LocalTime> CreationTimeToLocal(platform::Clock& clock,
                                                       std::string_view text);

struct RestorePointList {
  std::vector<RestorePointRow> rows;
  std::string error;  // the service's error, when it raised one
};

// The points with a description, a time and a sequence number (each non-blank), except
// cancelled operations (type 13). A point whose time does not convert is left out, not the rest.
RestorePointList ListRestorePoints(platform::RestorePointService& service, platform::Clock& clock,
                                   platform::Locale& locale);

// The sequence number of a row, as the service takes it; nullopt for a text that is no number.
std::optional<std::uint32_t> SequenceOf(std::string_view text);

}  // namespace halvex::tools::restore_points
