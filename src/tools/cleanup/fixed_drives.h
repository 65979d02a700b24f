#pragma once
// The fixed drives the clean-up tools offer, A to Z, with the shell's display names.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/cleanup/cleanup_services.h"

namespace halvex::tools::cleanup {

struct FixedDrive {
  std::string id;    // the letter and ":", such as "C:"
  std::string root;  // "C:\"
  std::string displayName;
  std::uint64_t totalMB = 0;
  std::uint64_t freeMB = 0;
};

// Every drive the system calls fixed. With `needsSpace`, a drive whose total or free space
// cannot be read or is under 1 MB is left out, as the junk files cleaner lists drives.
// A drive the shell names nothing shows its root.
std::vector<FixedDrive> ListFixedDrives(const CleanupServices& services, bool needsSpace);

}  // namespace halvex::tools::cleanup
