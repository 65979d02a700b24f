#include "platform/substitute/substitute_profile_files.h"

#include "platform/substitute/profile_text.h"

namespace halvex::platform::substitute {

std::string SubstituteProfileFiles::PathOf(std::string_view file) {
  if (file.find_first_of("\\/:") != std::string_view::npos) return std::string(file);
  return files_.WindowsFolder() + "\\" + std::string(file);
}

std::vector<std::string> SubstituteProfileFiles::KeyNames(std::string_view file,
                                                          std::string_view section) {
  const std::optional<std::string> text = files_.ReadFile(PathOf(file));
  return text ? ProfileKeyNames(*text, section) : std::vector<std::string>{};
}

std::optional<std::string> SubstituteProfileFiles::ReadKey(std::string_view file,
                                                           std::string_view section,
                                                           std::string_view key) {
  const std::optional<std::string> text = files_.ReadFile(PathOf(file));
  return text ? ProfileValue(*text, section, key) : std::nullopt;
}

bool SubstituteProfileFiles::WriteKey(std::string_view file, std::string_view section,
                                      std::string_view key, std::string_view value) {
  const std::string path = PathOf(file);
  const std::optional<std::string> text = files_.ReadFile(path);
  // A file that is there but cannot be read is never replaced by one holding only this key.
  if (!text && files_.FileExists(path)) return false;
  return files_.WriteFile(path,
                          WithProfileValue(text.value_or(std::string()), section, key, value));
}

bool SubstituteProfileFiles::DeleteKey(std::string_view file, std::string_view section,
                                       std::string_view key) {
  const std::string path = PathOf(file);
  const std::optional<std::string> text = files_.ReadFile(path);
  if (!text) return !files_.FileExists(path);
  const std::string changed = WithoutProfileKey(*text, section, key);
  return changed == *text || files_.WriteFile(path, changed);
}

}  // namespace halvex::platform::substitute
