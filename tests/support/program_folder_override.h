#pragma once
// A file system that names another program folder than its binding's. Under the test prefix the
// test programs run from a folder outside every drive, where the program cannot keep files.
#include <string>

#include "tests/support/forwarding_file_system.h"

namespace halvex::testing {

class ProgramFolderOverride final : public ForwardingFileSystem {
 public:
  // `folder` ends with a backslash, as the system gives the program folder.
  ProgramFolderOverride(platform::FileSystem& files, std::string folder)
      : ForwardingFileSystem(files), folder_(std::move(folder)) {}

  std::string ProgramFolder() override { return folder_; }

 private:
  std::string folder_;
};

}  // namespace halvex::testing
