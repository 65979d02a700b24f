#pragma once
// Version resources of a substitute machine, as its versions.ini describes them. A file has
// its section's resource only while it exists on the machine; its strings lie in the block of
// its first translation.
#include "platform/file_system.h"
#include "platform/file_versions.h"
#include "platform/substitute/versions_ini.h"

namespace halvex::platform::substitute {

class SubstituteFileVersions final : public FileVersions {
 public:
  SubstituteFileVersions(FileSystem& files, VersionTable table = {})
      : files_(files), table_(std::move(table)) {}

  void SetTable(VersionTable table) { table_ = std::move(table); }
  std::unique_ptr<VersionResource> Load(std::string_view file) override;

 private:
  FileSystem& files_;
  VersionTable table_;
};

}  // namespace halvex::platform::substitute
