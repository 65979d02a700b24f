#include "scan/sections/classes_root_names.h"

#include <algorithm>
#include <string_view>

namespace halvex::scan {

void SplitClassesRootNames(std::vector<std::string>& names, std::vector<std::string>& extensions) {
  constexpr std::string_view kSkipTexts[] = {"*", "Directory", "Folder", "Drive", "Unknow"};
  std::erase_if(names, [&](const std::string& name) {
    return std::any_of(std::begin(kSkipTexts), std::end(kSkipTexts),
                       [&](std::string_view skip) { return name.find(skip) != std::string::npos; });
  });
  const auto firstClass = std::stable_partition(
      names.begin(), names.end(), [](const std::string& name) { return name.starts_with('.'); });
  extensions.insert(extensions.end(), std::make_move_iterator(names.begin()),
                    std::make_move_iterator(firstClass));
  names.erase(names.begin(), firstClass);
}

}  // namespace halvex::scan
