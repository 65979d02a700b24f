#pragma once
// The substitute task scheduler keeps its saved work items in one text file of the machine,
// "<Windows folder>\Tasks\jobs.ini", where the system keeps its .job files. Each work item is a
// section named by the work item; its lines are key=value, taken exactly as written:
//   [Halvo.job]
//   Application=C:\Program Files\Halvex\Halvex.exe
//   Parameters=-Scan
//   WorkingDirectory=C:\Program Files\Halvex
//   Comment=Runs Hal Vex at Scheduled Time.
//   Account=User
//   Flags=8192
//   TaskFlags=0
//   Trigger=2026,1,15,0,0,0,21,15,0,0,0,1,2,0
// A Trigger line (one per trigger, in order) holds the fields of the trigger record in their
// order: begin year, month, day, end year, month, day, start hour, minute, minutes duration,
// minutes interval, flags, type, days interval, random minutes interval.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/task_scheduler.h"

namespace halvex::platform::substitute {

struct StoredJob {
  std::string application;
  std::string parameters;
  std::string workingDirectory;
  std::string comment;
  std::string account;
  std::uint32_t flags = 0;
  std::uint32_t taskFlags = 0;
  std::vector<TaskTrigger> triggers;
  friend bool operator==(const StoredJob&, const StoredJob&) = default;
};

// One section of the file: the work item, or nullopt when one of its lines cannot be read.
struct JobStoreEntry {
  std::string name;
  std::optional<StoredJob> job;
  std::string lines;  // the section's lines as read, kept for a section that cannot be read
};

// The sections in file order. Lines before the first section, and blank lines, are ignored.
std::vector<JobStoreEntry> ParseJobStore(std::string_view text);
// The text of a store holding these entries; an entry without a job keeps its lines as read.
std::string FormatJobStore(const std::vector<JobStoreEntry>& entries);

// Where the store of this file system's machine lies.
std::string JobStorePath(FileSystem& files);

}  // namespace halvex::platform::substitute
