#pragma once
// An entry of the ignore list: a registry entry that the scan must not report again. The
// collection is a std::vector of value records, like the problem collections.
#include <string>
#include <vector>

namespace halvex::model {

namespace ignore_item {

// The three fields of one line of the ignore file, in file order.
struct TContent {
  std::string Category;         // the ignore category of the scan section
  std::string IgnoreKeyPath;    // the full key path of the problem
  std::string IgnoreValueName;  // its value name ("default" for the unnamed value)

  friend bool operator==(const TContent&, const TContent&) = default;
};

}  // namespace ignore_item

using TIgnoreContents = std::vector<ignore_item::TContent>;

}  // namespace halvex::model
