#include "tools/activex_blocker/blocked_controls.h"

#include <algorithm>

#include "model/download_file.h"
#include "model/program_folder.h"
#include "model/update_server.h"
#include "tools/activex_blocker/kill_flag.h"

namespace halvex::tools::activex {

std::string BlockListPath(platform::FileSystem& files) {
  return model::InProgramFolder(files, kBlockListFile);
}

std::optional<std::string> ReadBlockList(platform::FileSystem& files) {
  std::optional<std::string> text = files.ReadFile(BlockListPath(files));
  if (!text || text->empty()) return std::nullopt;
  return text;
}

bool FetchBlockList(platform::HttpClient& http, platform::FileSystem& files,
                    std::string_view updateServer) {
  if (ReadBlockList(files)) return true;
  const std::string address = model::UpdateServerUrl(updateServer, model::kActiveXCodePath);
  (void)model::DownloadFile(http, files, address, BlockListPath(files));
  return ReadBlockList(files).has_value();
}

std::vector<ControlRow> ListBlockedControls(platform::Platform& platform) {
  std::vector<ControlRow> rows;
  const std::optional<std::string> text = ReadBlockList(platform.files);
  if (!text) return rows;
  for (BlockedControl& control : ParseBlockList(*text)) {
    const bool locked = IsKillFlagSet(platform.registry, control.classId);
    rows.push_back({.control = std::move(control), .locked = locked, .checked = locked});
  }
  return rows;
}

std::size_t CountLocked(const std::vector<ControlRow>& rows) {
  return static_cast<std::size_t>(
      std::count_if(rows.begin(), rows.end(), [](const ControlRow& row) { return row.locked; }));
}

std::size_t LockCheckedControls(platform::Registry& registry, std::vector<ControlRow>& rows,
                                const RowProgress& progress) {
  std::size_t counted = 0;
  for (ControlRow& row : rows) {
    if (row.checked) {
      if (SetKillFlag(registry, row.control.classId)) {
        row.locked = true;
        ++counted;
      }
    } else if (ClearKillFlag(registry, row.control.classId)) {
      row.locked = false;
    }
    if (progress) progress(counted, rows.size());
  }
  return counted;
}

void UnlockAllControls(platform::Registry& registry, std::vector<ControlRow>& rows,
                       const RowProgress& progress) {
  std::size_t done = 0;
  for (ControlRow& row : rows) {
    if (ClearKillFlag(registry, row.control.classId)) {
      row.locked = false;
      row.checked = false;
    }
    ++done;
    if (progress) progress(done, rows.size());
  }
}

}  // namespace halvex::tools::activex
