#pragma once
// Everything the logic asks of the operating system, handed to it as one bundle. The win32
// binding fills it with the real services, the substitute with a machine folder's.
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/file_versions.h"
#include "platform/locale.h"
#include "platform/profile_files.h"
#include "platform/registry.h"
#include "platform/shell_links.h"

namespace halvex::platform {

struct Platform {
  Registry& registry;
  FileSystem& files;
  Locale& locale;
  Clock& clock;
  ShellLinks& links;
  // A bundle built without profile files refuses every profile call.
  ProfileFiles& profiles = ProfileFiles::None();
  // A bundle built without version resources finds none.
  FileVersions& versions = FileVersions::None();
};

}  // namespace halvex::platform
