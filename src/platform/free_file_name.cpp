#include "platform/free_file_name.h"

namespace halvex::platform {

std::string FreePathIn(std::string_view folder, std::string_view name,
                       const std::function<bool(const std::string&)>& taken) {
  std::string prefix(folder);
  if (!prefix.empty() && prefix.back() != '\\') prefix += '\\';
  std::string path = prefix + std::string(name);
  if (!taken(path)) return path;
  const std::size_t dot = name.rfind('.');
  const std::string_view stem = dot == std::string_view::npos ? name : name.substr(0, dot);
  const std::string_view extension = dot == std::string_view::npos ? "" : name.substr(dot);
  for (unsigned number = 2;; ++number) {
    path =
        prefix + std::string(stem) + " (" + std::to_string(number) + ")" + std::string(extension);
    if (!taken(path)) return path;
  }
}

}  // namespace halvex::platform
