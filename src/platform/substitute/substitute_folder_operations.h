#pragma once
// Entering and deleting folders on the substitute machine's drives. A folder the test marks as
// not enterable answers as a folder without the right to traverse it does; every deletion is
// recorded.
#include <set>
#include <string>
#include <vector>

#include "platform/folder_operations.h"
#include "platform/substitute/host_file_system.h"

namespace halvex::platform::substitute {

class SubstituteFolderOperations final : public FolderOperations {
 public:
  explicit SubstituteFolderOperations(HostFileSystem& files) : files_(files) {}

  bool CanEnter(std::string_view folder) override;
  // A read-only file alone is deleted as well, as the shell deletes it.
  bool DeleteForGood(std::string_view path) override;

  void RefuseEntry(std::string folder) { unenterable_.insert(std::move(folder)); }
  // Every deletion asked for, in order: "delete C:\TEMP\a.tmp".
  const std::vector<std::string>& calls() const { return calls_; }

 private:
  HostFileSystem& files_;
  std::set<std::string> unenterable_;
  std::vector<std::string> calls_;
};

}  // namespace halvex::platform::substitute
