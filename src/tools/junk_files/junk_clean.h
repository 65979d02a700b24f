#pragma once
// The clean-up of found junk files in the chosen mode, each file with its status text.
#include <functional>
#include <string>
#include <vector>

#include "tools/cleanup/file_removal.h"
#include "tools/junk_files/junk_scan.h"

namespace halvex::tools::junk_files {

struct CleanedFile {
  std::string path;
  std::string status;  // "File Deleted", "Deleted Error", "File Moved", "Moved Error"
};

// The status text of one file's removal in a mode.
const char* CleanStatus(cleanup::RemovalMode mode, bool removed);

// Removes, for each drive id in order, the found files on it in found order; stops before the
// next file once `stopRequested` answers true. A protected path, and with MoveInto an empty
// folder, fail without asking the system.
std::vector<CleanedFile> CleanFoundFiles(const cleanup::CleanupServices& services,
                                         const std::vector<TTempFileInfo>& found,
                                         const std::vector<std::string>& driveIds,
                                         cleanup::RemovalMode mode, const std::string& moveFolder,
                                         const std::function<bool()>& stopRequested = {});

}  // namespace halvex::tools::junk_files
