#pragma once
// What a clean-up tool's logic works on: the machine, its shell and its files' identities.
#include "platform/file_identity.h"
#include "platform/platform.h"
#include "platform/shell_operations.h"

namespace halvex::tools::cleanup {

struct CleanupServices {
  platform::Platform& platform;
  platform::ShellOperations& shell;
  platform::FileIdentities& identities;
};

}  // namespace halvex::tools::cleanup
