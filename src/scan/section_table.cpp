#include "scan/section_table.h"

#include <utility>

#include "scan/sections/app_paths.h"
#include "scan/sections/com_registrations.h"
#include "scan/sections/device_filters.h"
#include "scan/sections/empty_keys.h"
#include "scan/sections/file_associations.h"
#include "scan/sections/file_extensions.h"
#include "scan/sections/fonts.h"
#include "scan/sections/help_files.h"
#include "scan/sections/menu_order.h"
#include "scan/sections/recent_files.h"
#include "scan/sections/shared_dlls.h"
#include "scan/sections/shortcuts.h"
#include "scan/sections/software_settings.h"
#include "scan/sections/sounds.h"
#include "scan/sections/start_menu_items.h"
#include "scan/sections/uninstall_entries.h"

namespace halvex::scan {
namespace {

using platform::RootKey;

constexpr RootKey kClassesRoot[] = {RootKey::ClassesRoot};
constexpr RootKey kCurrentUser[] = {RootKey::CurrentUser};
constexpr RootKey kLocalMachine[] = {RootKey::LocalMachine};
constexpr RootKey kUsers[] = {RootKey::Users};
constexpr RootKey kMachineThenUsers[] = {RootKey::LocalMachine, RootKey::Users};
constexpr RootKey kNoRoot[] = {RootKey::None};

constexpr RepairStyle kPumping{};
constexpr RepairStyle kNotPumping{.processMessages = false};

// The table's rows as written, with each section's routines named by the function that gives
// them, so that the compiler can check the numbering below.
struct WrittenRow {
  int number;
  std::span<const RootKey> roots;
  std::string_view startKey;
  RepairStyle repair;
  const SectionRoutines& (*routines)();
};

constexpr std::array<WrittenRow, model::kSectionCount> kWrittenRows = {{
    {1, kClassesRoot, "", {.hiddenRootName = "HKEY_CLASSES_ROOT"}, ComRegistrationsSection},
    {2, kCurrentUser, "", kPumping, UserSoftwareSection},
    {3, kMachineThenUsers, "", kPumping, SystemSoftwareSection},
    {4, kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls", kPumping,
     SharedDllsSection},
    {5, kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", kNotPumping,
     FontsSection},
    {6, kClassesRoot, "", kPumping, FileAssociationsSection},
    {7, kLocalMachine, "SYSTEM\\CurrentControlSet\\Services", kNotPumping, DeviceFiltersSection},
    {8, kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall", kPumping,
     UninstallEntriesSection},
    {9, kLocalMachine, "", {.hiddenRootName = "HKEY_LOCAL_MACHINE"}, HelpFilesSection},
    {10, kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths", kPumping,
     AppPathsSection},
    {11, kNoRoot, "", kNotPumping, ShortcutsSection},
    {12, kUsers, "", kPumping, EmptyKeysSection},
    {13, kClassesRoot, "", kPumping, FileExtensionsSection},
    {14, kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder",
     kPumping, MenuOrderProgramsSection},
    {15, kLocalMachine, "Control Panel\\Sounds", kNotPumping, SoundsSection},
    {16, kCurrentUser,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu2\\Programs",
     kPumping, StartMenuItemsSection},
    {17, kCurrentUser,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU", kPumping,
     RecentFilesSection},
}};

constexpr bool RowsFollowTheirNumbers() {
  for (std::size_t i = 0; i < kWrittenRows.size(); ++i) {
    if (kWrittenRows[i].number != static_cast<int>(i) + 1) return false;
    if (kWrittenRows[i].roots.empty() || kWrittenRows[i].routines == nullptr) return false;
  }
  return true;
}
static_assert(RowsFollowTheirNumbers(),
              "row i must be section i + 1, with at least one root and its routines");

template <std::size_t... I>
std::array<SectionRow, model::kSectionCount> MakeRows(std::index_sequence<I...>) {
  return {{SectionRow{kWrittenRows[I].number, kWrittenRows[I].roots, kWrittenRows[I].startKey,
                      kWrittenRows[I].repair, kWrittenRows[I].routines()}...}};
}

const std::array<SectionRow, model::kSectionCount>& Rows() {
  static const std::array<SectionRow, model::kSectionCount> rows =
      MakeRows(std::make_index_sequence<model::kSectionCount>());
  return rows;
}

}  // namespace

std::span<const SectionRow> SectionTable() {
  return Rows();
}

const SectionRow* FindSection(int number) {
  if (number < 1 || number > model::kSectionCount) return nullptr;
  return &Rows()[static_cast<std::size_t>(number - 1)];
}

}  // namespace halvex::scan
