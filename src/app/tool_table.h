#pragma once
// The thirteen tools the main window opens: the left panel's link and the Advanced sheet's
// picture and label pair of each, and the window class each opens.
#include <array>
#include <cstddef>

namespace halvex::app {

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

inline constexpr std::size_t kToolCount = 13;

struct ToolEntry {
  ToolKind kind;
  const char* linkName;  // the left panel's link
  const char* linkCaption;
  const char* pairCaption;  // the Advanced sheet's label abAdvN, N = index + 1
  const char* windowClass;  // the tool window it opens
  bool hidden;              // link and pair stay hidden
};

inline constexpr std::array<ToolEntry, kToolCount> kTools{{
    {ToolKind::StartupManager, "abStartupManageBtn", "Startup Manager", "Startup Manager",
     "TStartupManagerForm", false},
    {ToolKind::AddRemove, "abAddRemoveBtn", "Add/Remove", "Add/Remove Programs Manager",
     "TInstalledManageForm", false},
    {ToolKind::JunkFilesCleaner, "abSystemCleanBtn", "Junk Files Clean", "Junk Files Cleaner",
     "TSysDiskCleanerForm", false},
    {ToolKind::BrowserRestore, "BrowserRepairBtn", "IE Restore", "Internet Explorer Restore",
     "TBrowserRepairForm", false},
    {ToolKind::BrowserHelperObjects, "IEPluginsBtn", "Browser HOM", "Browser Helper Object Manager",
     "TFormIePlugins", false},
    {ToolKind::CleanHistory, "ClearHistoryBtn", "Clean History", "Clean History", "TRecycleForm",
     false},
    {ToolKind::OptimizeSystem, "abOptimizeBtn", "Optimize System", "Optimize System",
     "TOptimizeForm", false},
    {ToolKind::BlockActiveX, "abProtectPCBtn", "Block activeX", "Block activeX", "TFormMalignant",
     false},
    {ToolKind::TweakMemory, "abTweakRAMBtn", "Tweak Memory", "Tweak Memory", "TTweakRamForm",
     false},
    {ToolKind::RestorePoint, "abSysRestoreBtn", "Restore Point", "System Restore Point",
     "TSysRestoreForm", false},
    {ToolKind::RegisterActiveX, "abRegisterActiveXBtn", "Register ActiveX", "Register ActiveX",
     "TFormRegDll", false},
    {ToolKind::ErrorUtilities, "abServiceOptimizeBtn", "Error Utilities", "Error Utilities",
     "TErrorFixForm", false},
    {ToolKind::DeleteDuplicateFiles, "abDelDuplicateFiles", "Delete Duplicate Files",
     "Delete Duplicate Files", "TDeleteDuplicatesForm", true},
}};

constexpr const ToolEntry& ToolEntryOf(ToolKind kind) {
  return kTools[static_cast<std::size_t>(kind)];
}

}  // namespace halvex::app
