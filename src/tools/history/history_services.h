#pragma once
// What the history cleaner works on: the machine with its shell (for the protected-path test),
// the URL cache and history, the Recycle Bin, and folders entered and deleted for good.
#include "platform/folder_operations.h"
#include "platform/recycle_bin.h"
#include "platform/url_cache.h"
#include "tools/cleanup/cleanup_services.h"

namespace halvex::tools::history {

struct HistoryServices {
  cleanup::CleanupServices cleanup;
  platform::UrlCache& cache;
  platform::RecycleBin& recycleBin;
  platform::FolderOperations& folders;

  platform::Platform& platform() const { return cleanup.platform; }
};

}  // namespace halvex::tools::history
