#include "app/startup/elevation.h"

#include "model/registry_object.h"

namespace halvex::app {

namespace {

using model::RegistryObject;
using platform::RootKey;

constexpr const char* kSetupKey = "SOFTWARE\\Halvex";
constexpr const char* kVistaKey = "Software\\Hal Vex";
constexpr const char* kPolicyKey = "Software\\microsoft\\Windows\\CurrentVersion\\Policies\\System";

// A mark of another type than text counts as not set.
std::string ReadText(RegistryObject& key, std::string_view name) {
  try {
    return key.ReadString(name);
  } catch (const model::RegistryError&) {
    return {};
  }
}

// Reads the "setup" mark and deletes it, so that it skips one restart only.
bool TakeSetupMark(platform::Registry& registry) {
  RegistryObject key(registry);
  key.SetRootKey(RootKey::CurrentUser);
  const bool set = key.OpenKey(kSetupKey, false) && ReadText(key, "setup") == "1";
  key.CloseKey();
  if (key.OpenKey(kSetupKey, true)) {
    // A mark that cannot be deleted stays; nothing else depends on it.
    (void)key.DeleteValue("setup");
  }
  return set;
}

// Missing, unreadable or of another type than an integer: no user account control.
bool UserAccountControlOn(platform::Registry& registry) {
  RegistryObject key(registry);
  key.SetRootKey(RootKey::LocalMachine);
  if (!key.OpenKey(kPolicyKey, false)) return false;
  try {
    return key.ReadInteger("EnableLUA") != 0;
  } catch (const model::RegistryError&) {
    return false;
  }
}

}  // namespace

std::string QuoteArgument(std::string_view argument) {
  if (argument.empty()) return {};
  if (argument.find_first_of(" \t\"") == std::string_view::npos) return std::string(argument);
  // The system's rules: backslashes are literal unless they precede a quote.
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"')
      quoted.append(backslashes * 2 + 1, '\\');
    else
      quoted.append(backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  quoted += '"';
  return quoted;
}

ElevationOutcome RunElevationStep(platform::Registry& registry, platform::SystemInfo& system,
                                  platform::ProcessStarter& processes,
                                  std::string_view startArgument) {
  if (system.Version().major < 6) return ElevationOutcome::NotNeeded;
  if (TakeSetupMark(registry)) return ElevationOutcome::NotNeeded;
  if (!UserAccountControlOn(registry)) return ElevationOutcome::NotNeeded;

  RegistryObject vista(registry);
  vista.SetRootKey(RootKey::CurrentUser);
  // Without the key the restart could never be told from a first start: restarting would
  // loop, so the program goes on unelevated.
  if (!vista.OpenKey(kVistaKey, true)) return ElevationOutcome::NotNeeded;
  if (ReadText(vista, "vista") == "1") {
    (void)vista.WriteString("vista", "");
    return ElevationOutcome::ElevatedCopy;
  }
  if (!vista.WriteString("vista", "1")) return ElevationOutcome::NotNeeded;

  const platform::ProcessStart restart{
      .file = system.ExecutablePath(), .parameters = QuoteArgument(startArgument), .verb = "runas"};
  if (processes.Start(restart)) return ElevationOutcome::RestartedElevated;
  // Refused or failed: this copy carries on, and the mark must not make the next start think
  // it is the elevated one.
  (void)vista.WriteString("vista", "");
  return ElevationOutcome::RestartRefused;
}

}  // namespace halvex::app
