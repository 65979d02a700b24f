#pragma once
// Profile files through the system's profile calls (GetPrivateProfileStringA and
// WritePrivateProfileStringA), which resolve a name without a folder in the Windows folder.
#include "platform/profile_files.h"

namespace halvex::platform::win32 {

class Win32ProfileFiles final : public ProfileFiles {
 public:
  std::vector<std::string> KeyNames(std::string_view file, std::string_view section) override;
  std::optional<std::string> ReadKey(std::string_view file, std::string_view section,
                                     std::string_view key) override;
  bool WriteKey(std::string_view file, std::string_view section, std::string_view key,
                std::string_view value) override;
  bool DeleteKey(std::string_view file, std::string_view section, std::string_view key) override;
  // WritePrivateProfileStringA with every argument but the file NULL writes the cache out.
  void Flush(std::string_view file) override;

  // Takes a whole section out; the tests use it to leave win.ini as they found it.
  [[nodiscard]] static bool RemoveSection(std::string_view file, std::string_view section);
};

}  // namespace halvex::platform::win32
