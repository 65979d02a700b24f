#pragma once
// One profile (ini) file as the speed optimizer needs it: a section's keys, reading, writing and
// deleting one key. Reading and writing go through the program's profile-file layer.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::tools::system_speed {

class ProfileFile {
 public:
  virtual ~ProfileFile() = default;
  // The file's path.
  virtual const std::string& path() const = 0;
  // The keys of `section` in file order; empty when the section or the file is missing.
  virtual std::vector<std::string> SectionKeys(std::string_view section) = 0;
  // The key's text; nullopt when the key, the section or the file is missing.
  virtual std::optional<std::string> Read(std::string_view section, std::string_view key) = 0;
  // Creates or replaces the key, creating the section and the file when missing.
  [[nodiscard]] virtual bool Write(std::string_view section, std::string_view key,
                                   std::string_view text) = 0;
  [[nodiscard]] virtual bool DeleteKey(std::string_view section, std::string_view key) = 0;
};

}  // namespace halvex::tools::system_speed
