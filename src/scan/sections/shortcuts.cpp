#include "scan/sections/shortcuts.h"

#include <algorithm>
#include <string>

#include "model/path_text.h"
#include "model/program_folder.h"
#include "model/system_locations.h"
#include "model/text_format.h"
#include "model/text_search.h"
#include "scan/sections/section_checks.h"

namespace halvex::scan {
namespace {

using model::registry_content::TContent;
namespace file_attribute = platform::file_attribute;

// The attribute values whose entries the visit counter has always counted.
constexpr std::uint32_t kCountedAttributes[] = {2, 4, 16, 19, 22, 32, 128, 256};

TContent MakeProblem(const std::string& shortcut, const std::string& target) {
  TContent problem;
  problem.KeyPath = shortcut;
  problem.ItemName = shortcut;
  problem.ValueName = target;
  problem.DetailKeyPath = " File Path:" + shortcut;
  problem.DetailValueName = " File Name:" + target;
  problem.DetailValue = " Value:" + shortcut;
  // The target's extension picks the text: a file's, or a folder's.
  problem.DetailProblem =
      model::ExtensionPart(target).empty()
          ? model::FormatText("This shortcut (%s) is invalid.", shortcut)
          : model::FormatText(" The file (%s) does not exist at the specified location", target);
  return problem;
}

// ScanShortcutFolder, one walk over the fixed drives.
class ShortcutWalk {
 public:
  explicit ShortcutWalk(SectionScan& scan)
      : scan_(scan),
        platform_(scan.platform()),
        upperRecent_(platform_.locale.Upper("Recent")),
        upperBackups_(
            platform_.locale.Upper(model::InProgramFolder(platform_.files, "RepairBackup"))) {}

  void Folder(const std::string& folder) {
    const auto entries = platform_.files.ListFolder(folder);
    if (!entries) return;  // an unreadable folder gives no entries
    for (const platform::FileEntry& entry : *entries) {
      if (scan_.Aborted()) return;
      scan_.ProcessMessages();
      const std::string full = folder + "\\" + entry.name;
      const std::string upper = platform_.locale.Upper(full);
      // The user's recent items are shortcuts to whatever was opened, often long gone: such an
      // entry is neither examined nor entered, and the folder's other entries still are.
      if (model::Contains(upper, upperRecent_)) continue;
      // The repair's own copies of deleted shortcuts point at missing targets by nature.
      if (upper == upperBackups_) continue;
      const bool walked = IsWalkedFolder(entry);
      if (walked ||
          std::ranges::find(kCountedAttributes, entry.attributes) != std::end(kCountedAttributes)) {
        scan_.CountVisit(full);
      }
      if (walked) Folder(full);
      // Exact case: "x.LNK" is not examined.
      if (entry.name.ends_with(".lnk")) Examine(full);
    }
  }

 private:
  // Every folder but a reparse point (a junction or a link could lead the walk in circles or
  // onto another drive): the system marks customised folders read-only, and folders often carry
  // the archive bit, so no exact attribute value can stand for "a folder".
  static bool IsWalkedFolder(const platform::FileEntry& entry) {
    if (entry.name == "." || entry.name == "..") return false;
    return (entry.attributes & file_attribute::kDirectory) != 0 &&
           (entry.attributes & file_attribute::kReparsePoint) == 0;
  }

  void Examine(const std::string& shortcut) {
    const std::string target = model::GetShortcutTarget(platform_.links, shortcut);
    // A target on a floppy, a CD-ROM or a network share may just not be there now.
    if (target.empty() || IsPassedOverReference(scan_, target)) return;
    if (model::Contains(target, "//")) return;  // a web address
    // Whatever its extension says, a target is fine when a file or a folder of that name exists.
    if (platform_.files.FileExists(target) || platform_.files.FolderExists(target)) return;
    // An ignored shortcut is passed over alone.
    if (scan_.IsIgnored(shortcut, target)) return;
    scan_.AddProblem(MakeProblem(shortcut, target));
  }

  SectionScan& scan_;
  platform::Platform& platform_;
  const std::string upperRecent_;
  const std::string upperBackups_;
};

class Shortcuts final : public SectionRoutines {
 public:
  // ScanShortcuts: the fixed drives C: to Z:, each walked from its root.
  void Scan(SectionScan& scan) const override {
    ShortcutWalk walk(scan);
    for (char letter = 'C'; letter <= 'Z' && !scan.Aborted(); ++letter) {
      const std::string drive{letter, ':'};
      if (scan.platform().files.GetDriveType(drive + "\\") == platform::DriveType::Fixed) {
        walk.Folder(drive);
      }
    }
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::File, {}, {}, problem.ItemName};
  }
};

}  // namespace

const SectionRoutines& ShortcutsSection() {
  static const Shortcuts routines;
  return routines;
}

}  // namespace halvex::scan
