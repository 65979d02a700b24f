// halvex-cli addons: the browser add-ons (menu extensions, toolbar buttons, explorer bars),
// their removal after a backup in "IEBackUp\", and the list of those backups, through the add-on
// manager's logic. A backup is restored with halvex-cli restore.
#include <algorithm>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "backup/backup_files.h"
#include "cli/verb.h"
#include "tools/browser_addons/add_on_list.h"
#include "tools/browser_addons/add_on_removal.h"

namespace halvex::cli {
namespace {

const char* KindName(const model::registry_content::TContent& addOn) {
  if (addOn.KindCode == tools::kMenuExtensionKind) return "Menu Extension";
  if (addOn.KindCode == tools::kToolbarKind) return "ToolBar";
  return "Explorer Bar";
}

VerbResult List(VerbCall& call) {
  platform::Platform& platform = call.machine.platform();
  platform::Locale& locale = platform.locale;
  const model::TRegistryContents addOns = tools::FillAddOnList(platform.registry, {});
  if (call.line.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& addOn : addOns) {
      list.push_back({{"id", locale.ToUtf8(tools::AddOnId(addOn))},
                      {"kind", KindName(addOn)},
                      {"name", locale.ToUtf8(addOn.DisplayName)},
                      {"key", locale.ToUtf8(addOn.KeyPath)}});
    }
    const nlohmann::ordered_json document = {{"addons", list}};
    std::fputs((document.dump(2) + "\n").c_str(), call.console.out);
    return VerbResult::Done;
  }
  if (addOns.empty()) std::fputs("No browser add-ons.\n", call.console.out);
  for (const auto& addOn : addOns) {
    std::fprintf(call.console.out, "%s\n  %s: %s\n  Registry Entries: %s\n",
                 locale.ToUtf8(tools::AddOnId(addOn)).c_str(), KindName(addOn),
                 locale.ToUtf8(addOn.DisplayName).c_str(), locale.ToUtf8(addOn.KeyPath).c_str());
  }
  return VerbResult::Done;
}

VerbResult Remove(VerbCall& call) {
  std::vector<std::string> ids = call.line.moreOperands;
  if (ids.empty())
    return call.Refuse("addons remove needs the ids of the add-ons (see addons list)");
  platform::Platform& platform = call.machine.platform();
  platform::Locale& locale = platform.locale;
  const model::TRegistryContents listed = tools::FillAddOnList(platform.registry, {});
  model::TRegistryContents chosen;
  for (const std::string& id : ids) {
    const auto found = std::find_if(listed.begin(), listed.end(), [&](const auto& addOn) {
      return locale.Upper(tools::AddOnId(addOn)) == locale.Upper(id);
    });
    if (found == listed.end()) return call.Fail("no listed add-on has the id " + id);
    chosen.push_back(*found);
  }

  const tools::AddOnRemovalResult removal =
      tools::RemoveAddOns(platform, call.machine.platformClass(), chosen);
  if (removal.status == tools::AddOnRemovalStatus::BackupNotWritten) {
    return call.Fail("the backup " + locale.ToUtf8(removal.backupPath) +
                     " could not be written; nothing was removed");
  }
  call.MachineChanged();
  nlohmann::ordered_json removed = nlohmann::ordered_json::array();
  for (std::size_t index : removal.removed) {
    removed.push_back(locale.ToUtf8(tools::AddOnId(chosen[index])));
  }
  const nlohmann::ordered_json backup =
      removal.backupPath.empty() ? nlohmann::ordered_json(nullptr)
                                 : nlohmann::ordered_json(locale.ToUtf8(removal.backupPath));
  if (call.line.json) {
    const nlohmann::ordered_json document = {{"backup", backup}, {"removed", removed}};
    std::fputs((document.dump(2) + "\n").c_str(), call.console.out);
  } else {
    std::fprintf(call.console.out, "Backup: %s\n",
                 removal.backupPath.empty() ? "none" : locale.ToUtf8(removal.backupPath).c_str());
    for (const auto& id : removed) {
      std::fprintf(call.console.out, "Removed %s\n", id.get<std::string>().c_str());
    }
  }
  for (std::size_t index : removal.failed) {
    std::fprintf(call.console.err, "halvex-cli: %s could not be removed\n",
                 locale.ToUtf8(tools::AddOnId(chosen[index])).c_str());
  }
  return removal.failed.empty() ? VerbResult::Done : VerbResult::Failed;
}

VerbResult Backups(VerbCall& call) {
  platform::Platform& platform = call.machine.platform();
  const auto rows = backup::ListBackupFiles(platform, tools::AddOnBackupFolder(platform.files));
  if (rows.empty()) std::fputs("No add-on backups.\n", call.console.out);
  for (const backup::BackupFileRow& row : rows) {
    std::fprintf(call.console.out, "%s  %s\n", platform.locale.ToUtf8(row.time).c_str(),
                 platform.locale.ToUtf8(row.path).c_str());
  }
  return VerbResult::Done;
}

VerbResult RunAddOns(VerbCall& call) {
  const std::string& action = *call.line.operand;
  const bool noMore = call.line.moreOperands.empty();
  if (action == "list" && noMore) return List(call);
  if (action == "backups" && noMore) return Backups(call);
  if (action == "remove") return Remove(call);
  return call.Refuse("addons takes list, remove ID... or backups");
}

}  // namespace

extern const Verb kAddOnsVerb{
    .name = "addons",
    .operand = "(list | remove ID... | backups)",
    .operandNeeded = "list, remove ID... or backups",
    .usage =
        "Lists the browser add-ons (menu extensions, toolbar buttons, explorer bars) with\n"
        "their ids, removes add-ons after saving their keys whole into a backup in the\n"
        "program folder's IEBackUp\\ (nothing is removed when it cannot be written), or\n"
        "lists those backups, newest first; halvex-cli restore FILE imports one.",
    .writesJson = true,
    .run = RunAddOns,
    .moreOperands = true};

}  // namespace halvex::cli
