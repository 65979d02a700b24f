#pragma once
// Profile files of a substitute machine: the text files themselves, read and rewritten through
// the machine's file system, so that a change is in the file at once (nothing to flush).
#include "platform/file_system.h"
#include "platform/profile_files.h"

namespace halvex::platform::substitute {

class SubstituteProfileFiles final : public ProfileFiles {
 public:
  explicit SubstituteProfileFiles(FileSystem& files) : files_(files) {}

  std::vector<std::string> KeyNames(std::string_view file, std::string_view section) override;
  std::optional<std::string> ReadKey(std::string_view file, std::string_view section,
                                     std::string_view key) override;
  bool WriteKey(std::string_view file, std::string_view section, std::string_view key,
                std::string_view value) override;
  bool DeleteKey(std::string_view file, std::string_view section, std::string_view key) override;
  void Flush(std::string_view) override {}

 private:
  // A name without a folder lies in the Windows folder.
  std::string PathOf(std::string_view file);

  FileSystem& files_;
};

}  // namespace halvex::platform::substitute
