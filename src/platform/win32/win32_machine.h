#pragma once
// The live machine through the Win32 bindings: the registry, the files, the locale, the clock,
// the shortcuts and the registry editor's runner, with the Platform bundle over them. Halvex.exe
// and the live halvex-cli both run on this one.
#include "platform/platform.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_identities.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_file_versions.h"
#include "platform/win32/win32_folder_operations.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_process_runner.h"
#include "platform/win32/win32_profile_files.h"
#include "platform/win32/win32_recycle_bin.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_shell_operations.h"
#include "platform/win32/win32_url_cache.h"

namespace halvex::platform::win32 {

struct Win32Machine {
  Win32Registry registry;
  Win32FileSystem files;
  Win32Locale locale;
  Win32Clock clock;
  Win32ShellLinks links;
  Win32ProcessRunner registryEditor;
  Win32ProfileFiles profiles;
  Win32FileVersions versions;
  Platform platform{registry, files, locale, clock, links, profiles, versions};
  Win32ShellOperations shell;
  Win32FileIdentities identities;
  Win32UrlCache urlCache;
  Win32RecycleBin recycleBin;
  Win32FolderOperations folders;

  Win32Machine() = default;
  Win32Machine(const Win32Machine&) = delete;
  Win32Machine& operator=(const Win32Machine&) = delete;
};

}  // namespace halvex::platform::win32
