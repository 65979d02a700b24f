#include "tools/junk_files/junk_clean.h"

namespace halvex::tools::junk_files {

const char* CleanStatus(cleanup::RemovalMode mode, bool removed) {
  if (mode == cleanup::RemovalMode::MoveInto) return removed ? "File Moved" : "Moved Error";
  return removed ? "File Deleted" : "Deleted Error";
}

std::vector<CleanedFile> CleanFoundFiles(const cleanup::CleanupServices& services,
                                         const std::vector<TTempFileInfo>& found,
                                         const std::vector<std::string>& driveIds,
                                         cleanup::RemovalMode mode, const std::string& moveFolder,
                                         const std::function<bool()>& stopRequested) {
  const cleanup::ProtectedPaths protection(services);
  std::vector<CleanedFile> cleaned;
  for (const std::string& driveId : driveIds) {
    for (const TTempFileInfo& file : found) {
      if (stopRequested && stopRequested()) return cleaned;
      if (!IsOnDrive(services.platform.locale, file, driveId)) continue;
      const bool removed = cleanup::RemoveFile(services, protection, mode, file.Path, moveFolder);
      cleaned.push_back({file.Path, CleanStatus(mode, removed)});
    }
  }
  return cleaned;
}

}  // namespace halvex::tools::junk_files
