#include "scan/sections/menu_order.h"

#include <string>
#include <vector>

#include "model/key_naming.h"
#include "model/registry_object.h"
#include "model/system_locations.h"
#include "model/text_search.h"
#include "scan/sections/section_checks.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;

TContent MakeProblem(const std::string& keyPath, const std::string& folder) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = folder;
  problem.ValueName = folder;
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:" + folder;
  problem.DetailValue = " Value:" + folder;
  problem.DetailProblem = " The key does not exist at the specified location";
  return problem;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The "Programs" value of a shell folders key of the current user; empty when the key does not
// open or the value holds no text.
std::string ProgramsValue(platform::Registry& registry, std::string_view key) {
  model::RegistryObject folders(registry);
  folders.SetRootKey(platform::RootKey::CurrentUser);
  if (!folders.OpenKey(key, /*create=*/false)) return {};
  return TextValue(folders, "Programs").value_or("");
}

// The folder followed by "\"; empty for an empty text, and for a text that still holds a
// variable the program cannot expand: a folder that cannot be named proves nothing missing.
std::string AsFolder(const std::string& text) {
  if (text.empty() || model::Contains(text, "%")) return {};
  return text + "\\";
}

class MenuOrderPrograms final : public SectionRoutines {
 public:
  // ScanMenuOrderPrograms: the Programs key below the first subkey whose name contains
  // "Start Menu" (exact case), or the driver's key itself when none does.
  void Scan(SectionScan& scan) const override {
    std::string menuKey(scan.startKey());
    model::RegistryObject order(scan.platform().registry);
    order.SetRootKey(scan.root());
    if (order.OpenKey(menuKey, /*create=*/false)) {
      for (const std::string& name : order.KeyNames()) {
        if (!model::Contains(name, "Start Menu")) continue;
        menuKey += "\\" + name + "\\Programs";
        break;
      }
      order.CloseKey();
    }
    model::RegistryObject menu(scan.platform().registry);
    menu.SetRootKey(scan.root());
    if (!menu.OpenKey(menuKey, /*create=*/false)) return;
    CheckMenuOrderFolders(scan, menuKey, menu.KeyNames());
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::KeyTree, problem.KeyPath, {}, {}};
  }

 private:
  // A short list of folders: no abort test, no message processing, no progress line.
  static void CheckMenuOrderFolders(SectionScan& scan, const std::string& menuKey,
                                    const std::vector<std::string>& subkeys) {
    platform::Platform& platform = scan.platform();
    const std::string common =
        AsFolder(ReplaceAll(ProgramsValue(platform.registry, kUserShellFoldersKey), "%USERPROFILE%",
                            model::GetAllUsersProfileDir(platform.files)));
    const std::string user = AsFolder(ProgramsValue(platform.registry, kShellFoldersKey));
    // With neither folder known, no folder can be missing.
    if (common.empty() && user.empty()) return;
    // A folder on a network share, a floppy or a drive the scan passes over says nothing about
    // the folders it lacks: then nothing is reported.
    for (const std::string& folder : {common, user}) {
      if (!folder.empty() && IsPassedOverReference(scan, folder)) return;
    }
    const std::string parentKeyPath = model::RootKeyName(scan.root()) + "\\" + menuKey + "\\";
    for (const std::string& subkey : subkeys) {
      const std::string keyPath = parentKeyPath + subkey;
      // An ignored subkey is passed over; the subkeys after it are still tested.
      if (scan.IsIgnored(keyPath, subkey)) continue;
      if (HoldsFolder(platform.files, common, subkey) ||
          HoldsFolder(platform.files, user, subkey)) {
        continue;
      }
      scan.AddProblem(MakeProblem(keyPath, subkey));
    }
  }

  // An unknown folder (empty) holds nothing: the other folder decides.
  static bool HoldsFolder(platform::FileSystem& files, const std::string& folder,
                          const std::string& name) {
    return !folder.empty() && files.FolderExists(folder + name);
  }
};

}  // namespace

const SectionRoutines& MenuOrderProgramsSection() {
  static const MenuOrderPrograms routines;
  return routines;
}

}  // namespace halvex::scan
