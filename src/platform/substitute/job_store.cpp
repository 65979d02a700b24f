#include "platform/substitute/job_store.h"

#include <charconv>

namespace halvex::platform::substitute {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1));
  }
  return lines;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc{} && end == text.data() + text.size();
}

bool ParseTrigger(std::string_view text, TaskTrigger& trigger) {
  std::uint32_t fields[14] = {};
  for (std::size_t i = 0; i < 14; ++i) {
    const std::size_t comma = text.find(',');
    if ((comma == std::string_view::npos) != (i == 13)) return false;
    if (!ParseNumber(text.substr(0, comma), fields[i])) return false;
    if (comma != std::string_view::npos) text.remove_prefix(comma + 1);
  }
  const auto word = [](std::uint32_t value) { return static_cast<std::uint16_t>(value); };
  for (const std::size_t i : {0, 1, 2, 3, 4, 5, 6, 7, 12, 13}) {
    if (fields[i] > 0xFFFF) return false;
  }
  if (fields[11] > static_cast<std::uint32_t>(TriggerType::AtLogon)) return false;
  trigger = TaskTrigger{word(fields[0]),  word(fields[1]), word(fields[2]),
                        word(fields[3]),  word(fields[4]), word(fields[5]),
                        word(fields[6]),  word(fields[7]), fields[8],
                        fields[9],        fields[10],      static_cast<TriggerType>(fields[11]),
                        word(fields[12]), word(fields[13])};
  return true;
}

std::string FormatTrigger(const TaskTrigger& t) {
  std::string text;
  const std::uint32_t fields[14] = {t.beginYear,       t.beginMonth,
                                    t.beginDay,        t.endYear,
                                    t.endMonth,        t.endDay,
                                    t.startHour,       t.startMinute,
                                    t.minutesDuration, t.minutesInterval,
                                    t.flags,           static_cast<std::uint32_t>(t.type),
                                    t.daysInterval,    t.randomMinutesInterval};
  for (const std::uint32_t field : fields) {
    if (!text.empty()) text += ',';
    text += std::to_string(field);
  }
  return text;
}

bool ApplyLine(std::string_view key, std::string_view value, StoredJob& job) {
  if (key == "Application") {
    job.application = value;
  } else if (key == "Parameters") {
    job.parameters = value;
  } else if (key == "WorkingDirectory") {
    job.workingDirectory = value;
  } else if (key == "Comment") {
    job.comment = value;
  } else if (key == "Account") {
    job.account = value;
  } else if (key == "Flags") {
    return ParseNumber(value, job.flags);
  } else if (key == "TaskFlags") {
    return ParseNumber(value, job.taskFlags);
  } else if (key == "Trigger") {
    TaskTrigger trigger;
    if (!ParseTrigger(value, trigger)) return false;
    job.triggers.push_back(trigger);
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::vector<JobStoreEntry> ParseJobStore(std::string_view text) {
  std::vector<JobStoreEntry> entries;
  for (const std::string_view line : Lines(text)) {
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') {
      entries.push_back({std::string(line.substr(1, line.size() - 2)), StoredJob{}, {}});
      continue;
    }
    if (entries.empty()) continue;
    entries.back().lines.append(line).append("\r\n");
    if (!entries.back().job) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos ||
        !ApplyLine(line.substr(0, equals), line.substr(equals + 1), *entries.back().job)) {
      entries.back().job.reset();
    }
  }
  return entries;
}

std::string FormatJobStore(const std::vector<JobStoreEntry>& entries) {
  std::string text;
  for (const JobStoreEntry& entry : entries) {
    text += "[" + entry.name + "]\r\n";
    if (!entry.job) {
      text += entry.lines;
      continue;
    }
    const StoredJob& job = *entry.job;
    text += "Application=" + job.application + "\r\n";
    text += "Parameters=" + job.parameters + "\r\n";
    text += "WorkingDirectory=" + job.workingDirectory + "\r\n";
    text += "Comment=" + job.comment + "\r\n";
    text += "Account=" + job.account + "\r\n";
    text += "Flags=" + std::to_string(job.flags) + "\r\n";
    text += "TaskFlags=" + std::to_string(job.taskFlags) + "\r\n";
    for (const TaskTrigger& trigger : job.triggers) {
      text += "Trigger=" + FormatTrigger(trigger) + "\r\n";
    }
  }
  return text;
}

std::string JobStorePath(FileSystem& files) {
  return files.WindowsFolder() + "\\Tasks\\jobs.ini";
}

}  // namespace halvex::platform::substitute
