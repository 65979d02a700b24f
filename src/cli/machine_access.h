#pragma once
// The machine a command works on: a machine folder, or the live system where there is one.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/file_identity.h"
#include "platform/folder_operations.h"
#include "platform/http_client.h"
#include "platform/platform.h"
#include "platform/platform_class.h"
#include "platform/process_runner.h"
#include "platform/process_starter.h"
#include "platform/recycle_bin.h"
#include "platform/restore_points.h"
#include "platform/service_manager.h"
#include "platform/shell_operations.h"
#include "platform/url_cache.h"

namespace halvex::cli {

class Machine {
 public:
  virtual ~Machine() = default;
  virtual platform::Platform& platform() = 0;
  // 2 for the Windows 95 family, 4 for the NT family: decides the repair backup's header.
  virtual platform::PlatformClass platformClass() = 0;
  // Where the system's registry editor runs: the real one, or the machine folder's.
  virtual platform::ProcessRunner& processes() = 0;
  // The lines the machine folder's registry editor skipped in its last import, each
  // "FILE:LINE: why"; the system's editor says nothing of them.
  virtual std::vector<std::string> SkippedLines() { return {}; }
  // Makes the changes last: a machine folder writes its registry and drives back into DIR;
  // the live system has nothing to do. The error is one line saying what could not be saved.
  [[nodiscard]] virtual std::optional<std::string> SaveChanges() = 0;
  // Starts other programs without waiting for them (an uninstaller): the live system's shell.
  // None for a machine folder, whose programs cannot run.
  virtual platform::ProcessStarter* programStarter() { return nullptr; }
  // What the history cleaner empties and deletes: the URL cache and history, the Recycle Bin,
  // and folders entered and deleted for good.
  virtual platform::UrlCache& urlCache() = 0;
  virtual platform::RecycleBin& recycleBin() = 0;
  virtual platform::FolderOperations& folders() = 0;

  // The system restore service: the real one, or the machine folder's points.
  virtual platform::RestorePointService* restorePoints() { return nullptr; }
  // The network, for the files the tools fetch; a machine folder has none.
  virtual platform::HttpClient* network() { return nullptr; }
  // The service control manager: the system's, or the machine folder's over its registry.
  virtual platform::ServiceManager* services() { return nullptr; }
  // The shell the clean-up verbs recycle and move through, and the files' identities.
  virtual platform::ShellOperations& shell() = 0;
  virtual platform::FileIdentities& identities() = 0;
};

// The machine folder when one is given, else the live system. The error is one line saying why
// the machine cannot be opened.
std::variant<std::unique_ptr<Machine>, std::string> OpenMachine(
    const std::optional<std::string>& machineFolder);

// The live system: available on Windows only.
std::variant<std::unique_ptr<Machine>, std::string> OpenLiveMachine();

}  // namespace halvex::cli
