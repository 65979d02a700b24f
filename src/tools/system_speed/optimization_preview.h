#pragma once
// What an optimization model would change, without changing anything: every value its tweaks
// write and every service start type its service boxes set, with the value now and after.
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace halvex::tools::system_speed {

struct PlannedChange {
  enum class Kind { Value, Service } kind;
  std::string key;   // full key path
  std::string name;  // the value's name; "" for the default value; "Start" for a service
  std::optional<std::string> current;  // nullopt: the value does not exist
  std::string next;
};

// Models 0 to 5, as Fast Optimize applies them: the tweaks the model ticks (none for model 0),
// then the services. A value written twice in a run is listed once; a value that keeps its
// data, a key that would only be created, a key an action needs but that is missing, and a
// service that is not installed are not listed.
std::vector<PlannedChange> PreviewOptimization(platform::Registry& registry, int model);

// The value's data as the listing shows it: a text as it is, an integer in decimal, anything
// else as its type number and hex bytes.
std::string ShownData(const platform::RegValue& value);

}  // namespace halvex::tools::system_speed
