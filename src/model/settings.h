#pragma once
// The user's settings: text values under HKEY_CURRENT_USER "\Software\Halvex", read once at
// start-up into one record that the rest of the program consults.
#include <string>
#include <string_view>

#include "model/registry_object.h"
#include "platform/registry.h"

namespace halvex::model {

// The settings key below HKEY_CURRENT_USER.
inline constexpr std::string_view kSettingsKey = "\\Software\\Halvex";
// Written at every start; the update check compares it with the server's version.
inline constexpr std::string_view kInstalledVersion = "3.0";

// Empty texts and false flags until LoadSettings fills it. The flags are changed afterwards only
// together with their registry values.
struct TMyRegistryInfo {
  std::string HomePage;        // the stored address, or the vendor's home page
  std::string HelpURL;         // the stored address, or the vendor's help page
  bool NotAutoBackup = false;  // no repair backup before a repair
  bool OneTime = false;        // the first full backup offer is still due
  bool SelectAll = false;      // new problems are marked for repair
  bool CheckUpdate = false;    // look for a newer version at start-up

  friend bool operator==(const TMyRegistryInfo&, const TMyRegistryInfo&) = default;
};

// Reads the settings, creating the key when it is missing, then writes the default of every flag
// whose value is empty ("NotAutoBackup" "0", "OneTime" "0", "SelectAll" "1", "CheckUpdate" "1")
// and "Version" = "3.0". The flags are set before the defaults are written, so the very first
// start runs with SelectAll and CheckUpdate off and OneTime on. Flags compare exactly with "1"
// or "0"; a value that cannot be read counts as empty. When the key cannot be opened the record
// stays empty and false.
TMyRegistryInfo LoadSettings(platform::Registry& registry);

// A setting of the open key as text; a missing value, and a value of another type, read as "".
std::string ReadSetting(RegistryObject& key, std::string_view name);

// The installed version the update check compares with the server's: "Version" of the settings
// key, without surrounding blanks. The key is created when it is missing; "" when it cannot be
// opened or holds no version.
std::string ReadInstalledVersion(platform::Registry& registry);

}  // namespace halvex::model
