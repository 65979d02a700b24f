#pragma once
// Removing one file in one of the clean-up modes, after the protected-path test: deleted for
// good, moved to the Recycle Bin, or moved into one folder where a same-named file stays.
#include <string>
#include <string_view>

#include "tools/cleanup/cleanup_services.h"
#include "tools/cleanup/protected_paths.h"

namespace halvex::tools::cleanup {

enum class RemovalMode { Delete, Recycle, MoveInto };

// False when the path is protected (nothing is asked of the system then), when a move has no
// folder (the shell is not asked either), or when the system refused.
[[nodiscard]] bool RemoveFile(const CleanupServices& services, const ProtectedPaths& protection,
                              RemovalMode mode, std::string_view path,
                              std::string_view moveFolder = {});

}  // namespace halvex::tools::cleanup
