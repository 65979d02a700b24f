#pragma once
// How backup files are named: after the local time, "yyyymmdd_hhnnss", and never over an
// earlier backup, which may be the only undo of an earlier change.
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace halvex::backup {

// Four-digit year, then month, day, 24-hour hour, minutes and seconds, two digits each.
std::string BackupTimeStamp(const platform::LocalTime& time);

// `stem` + ".reg", or, when a file of that name exists, `stem` + "_2.reg", "_3.reg", ...
std::string UnusedBackupPath(platform::FileSystem& files, const std::string& stem);

}  // namespace halvex::backup
