#include "tools/activex_reregister/control_registration.h"

#include "model/text_format.h"
#include "model/text_search.h"

namespace halvex::tools::reregister {

std::string_view StatusText(RegistrationStatus status) {
  switch (status) {
    case RegistrationStatus::Registered:
      return kRegisteredStatus;
    case RegistrationStatus::Failed:
      return kFailedStatus;
    case RegistrationStatus::NotStarted:
      return kNotStartedStatus;
  }
  return kFailedStatus;
}

bool IsControlPath(platform::Locale& locale, std::string_view path) {
  return model::ContainsNoCase(locale, path, ".ocx") || model::ContainsNoCase(locale, path, ".dll");
}

std::string RegistrationCommand(std::string_view path) {
  // The switch stands apart from the program's name: with "regsvr32.exe/s" the system looks
  // for a program of that whole name and starts nothing.
  return model::FormatText("regsvr32.exe /s \"%s\"", std::string(path));
}

bool RegisterIfControl(const RegistrationServices& services, std::string_view path,
                       const RegistrationHooks& hooks) {
  if (!IsControlPath(services.locale, path)) return false;
  const platform::ProcessExit exit =
      services.runner.RunHidden(RegistrationCommand(path), hooks.pump);
  RegistrationRow row{.path = std::string(path), .exitCode = exit.exitCode};
  if (!exit.started) {
    row.status = RegistrationStatus::NotStarted;
  } else if (exit.exitCode != 0) {
    row.status = RegistrationStatus::Failed;
  }
  hooks.onRow(row);
  return true;
}

bool RegisterFolderControls(const RegistrationServices& services, std::string_view folder,
                            const RegistrationHooks& hooks) {
  const auto entries = services.files.ListFolder(folder);
  if (!entries) return false;
  for (const platform::FileEntry& entry : *entries) {
    if (!hooks.running()) break;
    hooks.pump();
    if (!hooks.running()) break;
    RegisterIfControl(services, std::string(folder) + "\\" + entry.name, hooks);
  }
  return true;
}

}  // namespace halvex::tools::reregister
