#pragma once
// Registering again every ActiveX control and library of a folder (the system folder) with the
// system's registration program, one at a time: each run is waited for, so its exit code gives
// the row's status and no two registrations run at once. Its window and halvex-cli's
// `reregister` verb share it.
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/process_runner.h"

namespace halvex::tools::reregister {

enum class RegistrationStatus {
  Registered,  // the registration program ended with 0
  Failed,      // it ended with another code
  NotStarted,  // it could not be started
};

inline constexpr std::string_view kRegisteredStatus = "Re-register successfully";
inline constexpr std::string_view kFailedStatus = "Re-register failed";
inline constexpr std::string_view kNotStartedStatus = "Could not start regsvr32";
std::string_view StatusText(RegistrationStatus status);

struct RegistrationRow {
  std::string path;
  RegistrationStatus status = RegistrationStatus::Registered;
  std::uint32_t exitCode = 0;
  friend bool operator==(const RegistrationRow&, const RegistrationRow&) = default;
};

// True when the path, upper-cased, holds ".OCX" or ".DLL" anywhere: the test is on the whole
// path, not its extension, so "x.ocx.bak" is registered and "x.exe" is not.
bool IsControlPath(platform::Locale& locale, std::string_view path);

// The registration program's silent command line for one file.
std::string RegistrationCommand(std::string_view path);

struct RegistrationHooks {
  // Asked before each entry; false ends the run (the Stop button).
  std::function<bool()> running = [] { return true; };
  // Lets the message loop run between entries and while a registration runs.
  std::function<void()> pump = [] {};
  // Each file handled, as soon as its registration ended.
  std::function<void(const RegistrationRow&)> onRow = [](const RegistrationRow&) {};
};

struct RegistrationServices {
  platform::FileSystem& files;
  platform::Locale& locale;
  platform::ProcessRunner& runner;
};

// Registers the file when its path names a control; false when it was passed over.
bool RegisterIfControl(const RegistrationServices& services, std::string_view path,
                       const RegistrationHooks& hooks);

// Every entry of the folder (not its subfolders; folders and "." entries are passed on like
// files, and only their names decide), in listing order, while `running` says so. False when
// the folder cannot be listed.
bool RegisterFolderControls(const RegistrationServices& services, std::string_view folder,
                            const RegistrationHooks& hooks);

}  // namespace halvex::tools::reregister
