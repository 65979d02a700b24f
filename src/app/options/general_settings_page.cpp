#include "app/options/general_settings_page.h"

#include <optional>

#include "app/options/run_entry.h"
#include "model/path_text.h"
#include "model/registry_object.h"
#include "model/text_search.h"
#include "platform/text_lines.h"

namespace halvex::app {
namespace {

constexpr std::string_view kUnknownVersion = "Unknowable Version";

struct FlagBox {
  std::string_view value;
  bool GeneralSettingsPage::*box;
  bool model::TMyRegistryInfo::*flag;
};

constexpr FlagBox kFlagBoxes[] = {
    {"NotAutoBackup", &GeneralSettingsPage::ChkAutoBackup, &model::TMyRegistryInfo::NotAutoBackup},
    {"SelectAll", &GeneralSettingsPage::ChkCheckItem, &model::TMyRegistryInfo::SelectAll},
    {"CheckUpdate", &GeneralSettingsPage::cbCheckUpdate, &model::TMyRegistryInfo::CheckUpdate},
};

// The executable's last write time, when the file can be found in its folder.
std::optional<platform::FileTime> LastWriteTime(platform::Platform& platform,
                                                const std::string& executablePath) {
  const std::string_view folder = model::FolderPart(executablePath);
  const std::string_view name = model::FileNamePart(executablePath);
  if (folder.empty() || name.empty()) return std::nullopt;
  const auto entries = platform.files.ListFolder(folder);
  if (!entries) return std::nullopt;
  for (const platform::FileEntry& entry : *entries) {
    if ((entry.attributes & platform::file_attribute::kDirectory) == 0 &&
        model::EqualsNoCase(platform.locale, entry.name, name)) {
      return entry.lastWriteTime;
    }
  }
  return std::nullopt;
}

std::string VersionLine(platform::Platform& platform, const std::string& executablePath,
                        std::string version) {
  const std::optional<platform::FileTime> written = LastWriteTime(platform, executablePath);
  if (!written) return std::string(kUnknownVersion);
  const std::optional<platform::LocalTime> local = platform.clock.FileTimeToLocal(*written);
  if (!local) return std::string(kUnknownVersion);
  if (version.empty()) version = model::kInstalledVersion;
  return "Version: " + version + ", Last Time: " + platform.locale.FormatDateTime(*local);
}

}  // namespace

GeneralSettingsPage LoadGeneralSettings(platform::Platform& platform,
                                        const std::string& executablePath) {
  GeneralSettingsPage page;
  page.ChkRun = ReadRunAtStartup(platform.registry, platform.locale, executablePath);

  std::string version;
  model::RegistryObject key(platform.registry);
  key.SetRootKey(platform::RootKey::CurrentUser);
  if (key.OpenKey(model::kSettingsKey, /*create=*/false)) {
    for (const FlagBox& flag : kFlagBoxes) {
      page.*flag.box = model::ReadSetting(key, flag.value) == "1";
    }
    version = std::string(platform::TrimText(model::ReadSetting(key, "Version")));
  }
  page.LabelVer = VersionLine(platform, executablePath, version);
  return page;
}

void SaveGeneralSettings(platform::Platform& platform, const std::string& executablePath,
                         const GeneralSettingsPage& page, model::TMyRegistryInfo& settings) {
  (void)WriteRunAtStartup(platform.registry, executablePath, page.ChkRun);

  model::RegistryObject key(platform.registry);
  key.SetRootKey(platform::RootKey::CurrentUser);
  const bool opened = key.OpenKey(model::kSettingsKey, /*create=*/true);
  // A flag changes only together with its stored value, so that the record and the registry
  // agree on what the next start will read.
  for (const FlagBox& flag : kFlagBoxes) {
    if (opened && key.WriteString(flag.value, page.*flag.box ? "1" : "0")) {
      settings.*flag.flag = page.*flag.box;
    }
  }
}

}  // namespace halvex::app
