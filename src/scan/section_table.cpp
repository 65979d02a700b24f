#include "scan/section_table.h"

#include "scan/sections/shared_dlls.h"

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

const std::array<SectionRow, model::kSectionCount>& Rows() {
  static const std::array<SectionRow, model::kSectionCount> rows = {{
      {1, kClassesRoot, "", {.hiddenRootName = "HKEY_CLASSES_ROOT"}, UnbuiltSection()},
      {2, kCurrentUser, "", kPumping, UnbuiltSection()},
      {3, kMachineThenUsers, "", kPumping, UnbuiltSection()},
      {4, kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls", kPumping,
       SharedDllsSection()},
      {5, kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", kNotPumping,
       UnbuiltSection()},
      {6, kClassesRoot, "", kPumping, UnbuiltSection()},
      {7, kLocalMachine, "SYSTEM\\CurrentControlSet\\Services", kNotPumping, UnbuiltSection()},
      {8, kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall", kPumping,
       UnbuiltSection()},
      {9, kLocalMachine, "", {.hiddenRootName = "HKEY_LOCAL_MACHINE"}, UnbuiltSection()},
      {10, kLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths", kPumping,
       UnbuiltSection()},
      {11, kNoRoot, "", kNotPumping, UnbuiltSection()},
      {12, kUsers, "", kPumping, UnbuiltSection()},
      {13, kClassesRoot, "", kPumping, UnbuiltSection()},
      {14, kCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder",
       kPumping, UnbuiltSection()},
      {15, kLocalMachine, "Control Panel\\Sounds", kNotPumping, UnbuiltSection()},
      {16, kCurrentUser,
       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Start Menu2\\Programs",
       kPumping, UnbuiltSection()},
      {17, kCurrentUser,
       "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU", kPumping,
       UnbuiltSection()},
  }};
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
