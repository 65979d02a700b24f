#include "model/settings.h"

#include "model/path_text.h"
#include "model/vendor_config.h"
#include "platform/text_lines.h"

namespace halvex::model {

std::string ReadSetting(RegistryObject& key, std::string_view name) {
  try {
    return key.ReadString(name);
  } catch (const RegistryError&) {
    return {};
  }
}

namespace {

std::string OrDefault(std::string text, std::string_view fallback) {
  return text.empty() ? std::string(fallback) : text;
}

struct FlagDefault {
  std::string_view name;
  std::string_view text;
};

// In the order in which missing defaults are written.
constexpr FlagDefault kFlagDefaults[] = {
    {"NotAutoBackup", "0"}, {"OneTime", "0"}, {"SelectAll", "1"}, {"CheckUpdate", "1"}};

}  // namespace

TMyRegistryInfo LoadSettings(platform::Registry& registry) {
  TMyRegistryInfo info;
  RegistryObject key(registry);
  key.SetRootKey(RootKey::CurrentUser);
  if (!key.OpenKey(kSettingsKey, /*create=*/true)) return info;

  info.HomePage = OrDefault(ReadSetting(key, "HomePage"), kVendorHomePage);
  info.HelpURL = OrDefault(ReadSetting(key, "HelpURL"), kVendorHelpPage);
  info.NotAutoBackup = ReadSetting(key, "NotAutoBackup") == "1";
  const std::string oneTime = ReadSetting(key, "OneTime");
  info.OneTime = oneTime == "0" || oneTime.empty();
  info.SelectAll = ReadSetting(key, "SelectAll") == "1";
  info.CheckUpdate = ReadSetting(key, "CheckUpdate") == "1";

  // Write failures of single values are not reported: the record already holds what applies.
  for (const FlagDefault& flag : kFlagDefaults) {
    if (ReadSetting(key, flag.name).empty()) (void)key.WriteString(flag.name, flag.text);
  }
  (void)key.WriteString("Version", kInstalledVersion);
  return info;
}

std::string ReadInstalledVersion(platform::Registry& registry) {
  RegistryObject key(registry);
  key.SetRootKey(RootKey::CurrentUser);
  if (!key.OpenKey(kSettingsKey, /*create=*/true)) return {};
  return std::string(platform::TrimText(ReadSetting(key, "Version")));
}

}  // namespace halvex::model
