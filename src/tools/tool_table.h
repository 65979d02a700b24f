#pragma once
// The thirteen tools the main window opens, one row each: the left panel's link and the
// Advanced sheet's picture and label pair, the window class, how its window model is made, the
// hint its pair shows, the systems it opens on, whether it can hold the tool links, and its
// command-line verb. Everything the main window and halvex-cli know of a tool is in its row;
// adding a tool is its folder (src/tools/<tool>/) and its row here.
#include <array>
#include <cstddef>
#include <memory>

#include "platform/platform_class.h"
#include "tools/activex_blocker/malignant_form.h"
#include "tools/activex_reregister/reg_dll_form.h"
#include "tools/restore_points/sys_restore_form.h"
#include "tools/tool_window.h"
#include "ui/program_services.h"

namespace halvex::tools {

// In the order of the Advanced sheet's pairs: tool N is pair abAdvN, N = index + 1.
enum class ToolKind : std::size_t {
  StartupManager,
  AddRemove,
  JunkFilesCleaner,
  BrowserRestore,
  BrowserHelperObjects,
  CleanHistory,
  OptimizeSystem,
  BlockActiveX,
  TweakMemory,
  RestorePoint,
  RegisterActiveX,
  ErrorUtilities,
  DeleteDuplicateFiles,
};

inline constexpr std::size_t kToolCount =
    static_cast<std::size_t>(ToolKind::DeleteDuplicateFiles) + 1;

// Makes the tool's window model; a tool not built yet has none, and its link opens nothing.
using ToolWindowMaker = std::unique_ptr<ToolWindow> (*)(const ui::ProgramServices& services);
inline constexpr ToolWindowMaker kUnbuilt = nullptr;

// The systems a tool opens on. A tool that needs the NT family tells a Windows 95-family user
// so with its message (when it has one) and stays silent on any other system.
struct PlatformRequirement {
  bool ntFamilyOnly = false;
  const char* windows95Message = nullptr;
};

struct ToolEntry {
  ToolKind kind;
  const char* linkName;  // the left panel's link
  const char* linkCaption;
  const char* pairCaption;  // the Advanced sheet's label abAdvN
  const char* windowClass;  // the tool window it opens
  ToolWindowMaker makeWindow;
  // halvex-cli's verb for the tool; the system speed optimizer and the memory tweaker share
  // "optimize", whose models set both.
  const char* cliVerb;
  bool hidden = false;             // link and pair stay hidden
  const char* pairHint = nullptr;  // the hint of the pair's picture and label
  PlatformRequirement platform{};
  // True for the tool whose window can forbid opening tools (the junk files cleaner while it
  // shows its scanning page); the main window asks only these.
  bool holdsToolLinks = false;
};

inline constexpr const char* kErrorUtilitiesHint =
    "For some system errors are tough to fix, it is strongly required to use special error "
    "utilities to fix these errors.";

inline constexpr std::array<ToolEntry, kToolCount> kTools{{
    {.kind = ToolKind::StartupManager,
     .linkName = "abStartupManageBtn",
     .linkCaption = "Startup Manager",
     .pairCaption = "Startup Manager",
     .windowClass = "TStartupManagerForm",
     .makeWindow = kUnbuilt,
     .cliVerb = "startup"},
    {.kind = ToolKind::AddRemove,
     .linkName = "abAddRemoveBtn",
     .linkCaption = "Add/Remove",
     .pairCaption = "Add/Remove Programs Manager",
     .windowClass = "TInstalledManageForm",
     .makeWindow = kUnbuilt,
     .cliVerb = "programs"},
    {.kind = ToolKind::JunkFilesCleaner,
     .linkName = "abSystemCleanBtn",
     .linkCaption = "Junk Files Clean",
     .pairCaption = "Junk Files Cleaner",
     .windowClass = "TSysDiskCleanerForm",
     .makeWindow = kUnbuilt,
     .cliVerb = "junk",
     .holdsToolLinks = true},
    {.kind = ToolKind::BrowserRestore,
     .linkName = "BrowserRepairBtn",
     .linkCaption = "IE Restore",
     .pairCaption = "Internet Explorer Restore",
     .windowClass = "TBrowserRepairForm",
     .makeWindow = kUnbuilt,
     .cliVerb = "browser"},
    {.kind = ToolKind::BrowserHelperObjects,
     .linkName = "IEPluginsBtn",
     .linkCaption = "Browser HOM",
     .pairCaption = "Browser Helper Object Manager",
     .windowClass = "TFormIePlugins",
     .makeWindow = kUnbuilt,
     .cliVerb = "addons"},
    {.kind = ToolKind::CleanHistory,
     .linkName = "ClearHistoryBtn",
     .linkCaption = "Clean History",
     .pairCaption = "Clean History",
     .windowClass = "TRecycleForm",
     .makeWindow = kUnbuilt,
     .cliVerb = "history"},
    {.kind = ToolKind::OptimizeSystem,
     .linkName = "abOptimizeBtn",
     .linkCaption = "Optimize System",
     .pairCaption = "Optimize System",
     .windowClass = "TOptimizeForm",
     .makeWindow = kUnbuilt,
     .cliVerb = "optimize"},
    {.kind = ToolKind::BlockActiveX,
     .linkName = "abProtectPCBtn",
     .linkCaption = "Block activeX",
     .pairCaption = "Block activeX",
     .windowClass = "TFormMalignant",
     .makeWindow = MakeMalignantWindow,
     .cliVerb = "activex"},
    {.kind = ToolKind::TweakMemory,
     .linkName = "abTweakRAMBtn",
     .linkCaption = "Tweak Memory",
     .pairCaption = "Tweak Memory",
     .windowClass = "TTweakRamForm",
     .makeWindow = kUnbuilt,
     .cliVerb = "optimize"},
    {.kind = ToolKind::RestorePoint,
     .linkName = "abSysRestoreBtn",
     .linkCaption = "Restore Point",
     .pairCaption = "System Restore Point",
     .windowClass = "TSysRestoreForm",
     .makeWindow = MakeSysRestoreWindow,
     .cliVerb = "restorepoints",
     .platform = {.ntFamilyOnly = true,
                  .windows95Message = "System Restore Point for Windows 2000 and XP!"}},
    {.kind = ToolKind::RegisterActiveX,
     .linkName = "abRegisterActiveXBtn",
     .linkCaption = "Register ActiveX",
     .pairCaption = "Register ActiveX",
     .windowClass = "TFormRegDll",
     .makeWindow = MakeRegDllWindow,
     .cliVerb = "reregister"},
    {.kind = ToolKind::ErrorUtilities,
     .linkName = "abServiceOptimizeBtn",
     .linkCaption = "Error Utilities",
     .pairCaption = "Error Utilities",
     .windowClass = "TErrorFixForm",
     .makeWindow = kUnbuilt,
     .cliVerb = "errors",
     .pairHint = kErrorUtilitiesHint},
    {.kind = ToolKind::DeleteDuplicateFiles,
     .linkName = "abDelDuplicateFiles",
     .linkCaption = "Delete Duplicate Files",
     .pairCaption = "Delete Duplicate Files",
     .windowClass = "TDeleteDuplicatesForm",
     .makeWindow = kUnbuilt,
     .cliVerb = "duplicates",
     .hidden = true,
     .pairHint = kErrorUtilitiesHint},
}};

// Row i is the tool of kind i, so a kind indexes the table.
constexpr bool RowsFollowTheirKinds() {
  for (std::size_t i = 0; i < kTools.size(); ++i) {
    if (static_cast<std::size_t>(kTools[i].kind) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheirKinds(), "row i of kTools must be the tool of kind i");

constexpr const ToolEntry& ToolEntryOf(ToolKind kind) {
  return kTools[static_cast<std::size_t>(kind)];
}

// Whether the tool opens on a system of this class.
constexpr bool OpensOn(const ToolEntry& tool, platform::PlatformClass platformClass) {
  return !tool.platform.ntFamilyOnly || platformClass == platform::PlatformClass::NtFamily;
}

}  // namespace halvex::tools
