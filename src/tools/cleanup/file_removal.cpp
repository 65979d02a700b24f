#include "tools/cleanup/file_removal.h"

namespace halvex::tools::cleanup {

bool RemoveFile(const CleanupServices& services, const ProtectedPaths& protection, RemovalMode mode,
                std::string_view path, std::string_view moveFolder) {
  if (protection.Protects(path)) return false;
  switch (mode) {
    case RemovalMode::Delete:
      return services.platform.files.DeleteFile(path);
    case RemovalMode::Recycle:
      return services.shell.Recycle(path);
    case RemovalMode::MoveInto:
      if (moveFolder.empty()) return false;
      return services.shell.MoveInto(path, moveFolder);
  }
  return false;
}

}  // namespace halvex::tools::cleanup
