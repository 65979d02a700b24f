#pragma once
// The shell of the substitute machine, over its file system. The Recycle Bin is a host folder
// outside every drive (a machine folder's "recycled/"), so a recycled file leaves the machine's
// drives but is kept. Every call is recorded, a test can make the shell refuse a path, and
// the folder picker answers what the test scripted.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/shell_operations.h"
#include "platform/substitute/host_file_system.h"

namespace halvex::platform::substitute {

class SubstituteShell final : public ShellOperations {
 public:
  SubstituteShell(HostFileSystem& files, std::filesystem::path recycleBin,
                  UserFolders userFolders = {});

  // A file is recycled under its own name, or "name.2", "name.3" ... beside an earlier one of
  // that name. A read-only file is refused, as the file system refuses to delete it.
  bool Recycle(std::string_view path) override;
  // Within a drive a move keeps attributes and times; across drives the file is copied and the
  // original deleted. A folder that does not exist, or an empty folder text, is refused.
  bool MoveInto(std::string_view path, std::string_view folder) override;
  // "Local Disk (C:)" for an existing drive.
  std::optional<std::string> DriveDisplayName(std::string_view root) override;
  std::optional<std::string> BrowseForFolder(std::string_view title,
                                             std::string_view preselect) override;

  // Every call in order: "recycle C:\a.tmp", "move C:\a.tmp into D:\junk",
  // "display name C:\", "browse Select Directory".
  const std::vector<std::string>& calls() const { return calls_; }
  // Recycling or moving this path (compared as given) fails from now on.
  void Refuse(std::string path) { refused_.insert(std::move(path)); }
  // What the next folder pickers answer; nullopt is a cancelled picker.
  void ChooseFolder(std::optional<std::string> folder) { chosenFolder_ = std::move(folder); }
  const std::filesystem::path& recycleBin() const { return recycleBin_; }
  UserFolders UserFolderPaths() override { return userFolders_; }

 private:
  HostFileSystem& files_;
  std::filesystem::path recycleBin_;
  std::vector<std::string> calls_;
  std::set<std::string> refused_;
  std::optional<std::string> chosenFolder_;
  UserFolders userFolders_;
};

}  // namespace halvex::platform::substitute
