#include "tools/browser_restore/restore_items.h"

#include <optional>
#include <vector>

#include "model/registry_delete.h"
#include "model/system_locations.h"

namespace halvex::tools {
namespace {

using platform::RegStatus;
using platform::RootKey;
using Step = RestoreStep;
using Value = RestoreValue;
constexpr RootKey HKLM = RootKey::LocalMachine;
constexpr RootKey HKCU = RootKey::CurrentUser;
constexpr RootKey HKU = RootKey::Users;

constexpr std::string_view kMachineRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kMain = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr std::string_view kUserExplorerPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr std::string_view kSystemPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
constexpr std::string_view kRestrictions =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";

// --- The actions of each item, as data. ---

constexpr Value kStartPage[] = {{"start page", "about:blank"},
                                {"Window Title", "Microsoft Internet Explorer"}};
constexpr Value kEmptyPages[] = {
    {"Default_Page_URL", ""}, {"Default_Search_URL", ""}, {"Search Page", ""}};
constexpr Step kStartPageSteps[] = {
    {HKLM, kMain, RestoreAction::WriteText, kStartPage},
    {HKCU, kMain, RestoreAction::WriteText, kStartPage},
    {HKLM, "SOFTWARE\\Microsoft\\Internet Explorer\\Main", RestoreAction::WriteText, kEmptyPages},
};

constexpr Value kNoFolderOptions[] = {{"NoFolderOptions"}};
constexpr Value kHomePage[] = {{"homepage"}};
constexpr Step kIeControl[] = {
    {HKLM, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
     RestoreAction::WriteFourZeroBytes, kNoFolderOptions},
    // The default user's Internet Explorer control panel policy key, written exactly so.
    {HKU, ".DEFAULT\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Pan",
     RestoreAction::WriteDwordZero, kHomePage},
};

constexpr Value kDisableRegistryTools[] = {{"DisableRegistryTools"}};
constexpr Step kRegistryTools[] = {
    {HKCU, kSystemPolicies, RestoreAction::WriteDwordZero, kDisableRegistryTools}};

constexpr Value kSearchValues[] = {{"CustomizeSearch"}, {"SearchAssistant"}};
constexpr Step kSearchEngine[] = {{HKLM, "SOFTWARE\\Microsoft\\Internet Explorer\\Search",
                                   RestoreAction::WriteSearchAssistant, kSearchValues}};

constexpr Value kMenuRestrictions[] = {{"NoViewSource"},    {"NoBrowserContextMenu"},
                                       {"NoBrowserClose"},  {"NoBrowserOptions"},
                                       {"NoBrowserSaveAs"}, {"NoFavorites"},
                                       {"NoFileNew"},       {"NoFileOpen"},
                                       {"NoFindFiles"},     {"NoSelectDownloadDir"},
                                       {"NoTheaterMode"},   {"NoAddressBar"},
                                       {"NoToolBar"},       {"NoLinksBar"}};
constexpr Value kDefaultUserRestrictions[] = {{"NoViewSource"}, {"NoBrowserContextMenu"}};
constexpr Step kMenuItems[] = {
    {HKCU, kRestrictions, RestoreAction::WriteDwordZero, kMenuRestrictions},
    {HKU, ".DEFAULT\\Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions",
     RestoreAction::WriteDwordZero, kDefaultUserRestrictions},
};

constexpr Value kContextMenu[] = {{"NoBrowserContextMenu"}};
constexpr Step kRightButton[] = {
    {HKCU, kRestrictions, RestoreAction::WriteDwordZero, kContextMenu}};

constexpr Value kNoDesktop[] = {{"NoDesktop"}};
constexpr Step kDesktopIcons[] = {
    {HKCU, kUserExplorerPolicies, RestoreAction::WriteDwordZero, kNoDesktop}};

constexpr Value kRestrictRun[] = {{"RestrictRun"}};
constexpr Step kOptionCard[] = {
    {HKCU, kUserExplorerPolicies, RestoreAction::WriteFourZeroBytes, kNoFolderOptions},
    {HKCU, kUserExplorerPolicies, RestoreAction::WriteDwordZero, kRestrictRun},
};

constexpr Value kProgramMenuValues[] = {{"NoRun"},        {"NoLogOff"},     {"NoFind"},
                                        {"NoClose"},      {"NoSetFolders"}, {"NoFavoritesMenu"},
                                        {"NoStartBanner"}};
constexpr Step kProgramMenu[] = {
    {HKU, ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
     RestoreAction::WriteDwordZero, kProgramMenuValues}};

constexpr Value kControlPanelValues[] = {{"NoSecCPL"},
                                         {"NoDispCPL"},
                                         {"NoDispBackgroundPage"},
                                         {"NoDispScrSavPage"},
                                         {"NoDispAppearancePage"},
                                         {"NoDispSettingsPage"},
                                         {"NoDevMgrPage"},
                                         {"NoConfigPage"},
                                         {"NoVirtMemPage"},
                                         {"NoFileSysPage"},
                                         {"NoNetSetup"},
                                         {"NoNetSetupIDPage"},
                                         {"NoNetSetupSecurityPage"},
                                         {"NoWorkgroupContents"},
                                         {"NoEntireNetwork"},
                                         {"NoFileSharingControl"}};
constexpr Step kControlPanel[] = {
    {HKCU, kSystemPolicies, RestoreAction::WriteDwordZero, kControlPanelValues}};

constexpr Step kContextMenuEntries[] = {
    {HKCU, "Software\\Microsoft\\Internet Explorer\\MenuExt", RestoreAction::DeleteEveryValue}};
constexpr Step kTypedUrls[] = {
    {HKCU, "Software\\Microsoft\\Internet Explorer\\TypedUrls", RestoreAction::DeleteEveryValue}};
constexpr Step kLinksToolbar[] = {
    {HKLM, "SOFTWARE\\Microsoft\\Internet Explorer\\Extensions", RestoreAction::DeleteEverySubkey}};

const RestoreItem kItems[kRestoreItemCount] = {
    {"Repair IE HomePage and Default Page", {}, RepairStartPage},
    {"Repair IE Control", kIeControl},
    {"Enable RegistryTools(Registry Editor)", kRegistryTools},
    {"IE Search Engine", kSearchEngine},
    {"Cancel IE Menu Items Restrictions", kMenuItems},
    {"Enable IE Right Button", kRightButton},
    {"Get back Desktop Icon", kDesktopIcons},
    {"Eabled IE Option Card", kOptionCard},
    {"Get Back Program Menu", kProgramMenu},
    {"Enable control panel", kControlPanel},
    {"Remove IE Context Menu", kContextMenuEntries},
    {"Delete IE Typed URL History", kTypedUrls},
    {"Repair Links Toolbar Name", kLinksToolbar},
};

// --- Carrying the actions out. ---

std::vector<std::uint8_t> StringData(std::string_view text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  return data;
}

std::vector<std::string> Names(platform::Registry& registry, platform::KeyHandle key,
                               bool subkeys) {
  std::vector<std::string> names;
  std::string name;
  for (std::uint32_t i = 0;; ++i) {
    const RegStatus status =
        subkeys ? registry.EnumKey(key, i, name) : registry.EnumValue(key, i, name);
    if (status != RegStatus::Ok) break;
    names.push_back(name);
  }
  return names;
}

// A delete that finds nothing left to delete has done its work.
bool Deleted(RegStatus status) {
  return status == RegStatus::Ok || status == RegStatus::NotFound;
}

bool SetValue(platform::Registry& registry, platform::KeyHandle key, std::string_view name,
              std::uint32_t type, const std::vector<std::uint8_t>& data) {
  return registry.SetValue(key, name, type, data) == RegStatus::Ok;
}

bool RunStep(RestoreTarget& target, const RestoreStep& step) {
  platform::Registry& registry = target.registry;
  platform::KeyHandle opened;
  if (registry.CreateKey(platform::RootHandle(step.root), step.key, opened) != RegStatus::Ok) {
    return false;
  }
  platform::ScopedKey key(registry, opened);
  bool succeeded = true;
  const std::string searchAssistant =
      target.config.searchAssistantHost + std::string(kSearchAssistantPath);
  switch (step.action) {
    case RestoreAction::DeleteEveryValue:
      for (const std::string& name : Names(registry, opened, false)) {
        succeeded = Deleted(registry.DeleteValue(opened, name)) && succeeded;
      }
      return succeeded;
    case RestoreAction::DeleteEverySubkey: {
      const std::string path = "\\" + std::string(step.key) + "\\";
      for (const std::string& name : Names(registry, opened, true)) {
        succeeded = model::DeleteKeyByPath(registry, step.root, path + name) && succeeded;
      }
      return succeeded;
    }
    default:
      break;
  }
  for (const RestoreValue& value : step.values) {
    switch (step.action) {
      case RestoreAction::WriteFourZeroBytes:
        succeeded =
            SetValue(registry, opened, value.name, platform::reg_type::kBinary, {0, 0, 0, 0}) &&
            succeeded;
        break;
      case RestoreAction::WriteDwordZero:
        succeeded =
            SetValue(registry, opened, value.name, platform::reg_type::kDword, {0, 0, 0, 0}) &&
            succeeded;
        break;
      case RestoreAction::WriteText:
        succeeded = SetValue(registry, opened, value.name, platform::reg_type::kString,
                             StringData(value.text)) &&
                    succeeded;
        break;
      case RestoreAction::WriteSearchAssistant:
        succeeded = SetValue(registry, opened, value.name, platform::reg_type::kString,
                             StringData(searchAssistant)) &&
                    succeeded;
        break;
      default:
        break;
    }
  }
  return succeeded;
}

bool RunSteps(RestoreTarget& target, std::span<const RestoreStep> steps) {
  bool succeeded = true;
  // The next action follows whether or not the one before succeeded.
  for (const RestoreStep& step : steps) succeeded = RunStep(target, step) && succeeded;
  return succeeded;
}

// The string Run values of the machine whose data `matches`, deleted; true when each went.
template <typename Match>
bool DeleteRunValuesWhere(platform::Registry& registry, platform::KeyHandle run, Match matches) {
  bool succeeded = true;
  for (const std::string& name : Names(registry, run, false)) {
    platform::RegValue value;
    if (platform::ReadWholeValue(registry, run, name, value) != RegStatus::Ok) continue;
    if (value.type != platform::reg_type::kString &&
        value.type != platform::reg_type::kExpandString) {
      continue;
    }
    std::string data(value.data.begin(), value.data.end());
    data = data.substr(0, data.find('\0'));
    if (matches(data)) succeeded = Deleted(registry.DeleteValue(run, name)) && succeeded;
  }
  return succeeded;
}

// The machine's start page as text; "" when it cannot be read.
std::string CurrentStartPage(platform::Registry& registry) {
  platform::KeyHandle opened;
  if (registry.OpenKey(platform::RootHandle(HKLM), kMain, platform::KeyAccess::Read, opened) !=
      RegStatus::Ok) {
    return {};
  }
  platform::ScopedKey main(registry, opened);
  platform::RegValue value;
  if (platform::ReadWholeValue(registry, opened, "start page", value) != RegStatus::Ok) return {};
  if (value.type != platform::reg_type::kString &&
      value.type != platform::reg_type::kExpandString) {
    return {};
  }
  std::string text(value.data.begin(), value.data.end());
  return text.substr(0, text.find('\0'));
}

}  // namespace

std::span<const RestoreItem, kRestoreItemCount> RestoreItems() {
  return kItems;
}

bool RunRestoreItem(RestoreTarget& target, const RestoreItem& item) {
  if (item.routine != nullptr) return item.routine(target);
  return RunSteps(target, item.steps);
}

bool RemoveStartPageRunEntries(RestoreTarget& target) {
  platform::Registry& registry = target.registry;
  const std::string startPage = CurrentStartPage(registry);
  platform::KeyHandle opened;
  const RegStatus status = registry.OpenKey(platform::RootHandle(HKLM), kMachineRun,
                                            platform::KeyAccess::ReadWrite, opened);
  if (status == RegStatus::NotFound) return true;  // no Run key: no entry to remove
  if (status != RegStatus::Ok) return false;
  platform::ScopedKey run(registry, opened);
  if (startPage.empty()) return true;  // an empty start page matches nothing
  platform::RegValue named;
  if (registry.QueryValue(opened, startPage, 0, named) != RegStatus::NotFound) {
    return Deleted(registry.DeleteValue(opened, startPage));
  }
  if (startPage.find("://") == std::string::npos) return true;
  return DeleteRunValuesWhere(registry, opened, [&](const std::string& command) {
    return command.find(startPage) != std::string::npos;  // case-sensitive
  });
}

bool RemoveRegeditRunEntries(RestoreTarget& target) {
  platform::Registry& registry = target.registry;
  platform::KeyHandle opened;
  if (registry.CreateKey(platform::RootHandle(HKLM), kMachineRun, opened) != RegStatus::Ok) {
    return false;
  }
  platform::ScopedKey run(registry, opened);
  return DeleteRunValuesWhere(registry, opened, [&](const std::string& command) {
    const std::string upper = target.locale.Upper(command);
    return upper.find("REGEDIT -S") != std::string::npos ||
           upper.find("REGEDIT /S") != std::string::npos;
  });
}

bool RepairStartPage(RestoreTarget& target) {
  bool succeeded = RemoveStartPageRunEntries(target);
  succeeded = RunSteps(target, kStartPageSteps) && succeeded;
  {
    platform::KeyHandle opened;
    if (target.registry.CreateKey(platform::RootHandle(HKLM), kMachineRun, opened) ==
        RegStatus::Ok) {
      platform::ScopedKey run(target.registry, opened);
      succeeded = Deleted(target.registry.DeleteValue(opened, "registry.exe")) && succeeded;
    } else {
      succeeded = false;
    }
  }
  const std::string planted = model::GetTempDriveRoot(target.files) + "Program Files\\registry.exe";
  if (target.files.FileExists(planted)) succeeded = target.files.DeleteFile(planted) && succeeded;
  return RemoveRegeditRunEntries(target) && succeeded;
}

}  // namespace halvex::tools
