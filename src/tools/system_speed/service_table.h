#pragma once
// The 22 service boxes of the speed optimizer's second page, and the services each drives.
#include <array>
#include <string_view>

namespace halvex::tools::system_speed {

inline constexpr int kServiceBoxCount = 22;

struct ServiceBox {
  int box;  // N of chkN
  std::string_view caption;
  std::string_view
      service;  // the key name under HKEY_LOCAL_MACHINE "SYSTEM\CurrentControlSet\Services"
  std::string_view description;  // shown in MemoSer while the pointer is over the box
};

// Box N is row N - 1. Boxes 2 and 5 both drive "WZCSVC": the presets were made for it.
const std::array<ServiceBox, kServiceBoxCount>& ServiceTable();

using ServiceBoxes = std::array<bool, kServiceBoxCount>;
// Models 0 to 5 set every box; model 6 leaves them as they are.
void PresetServices(int model, ServiceBoxes& boxes);

}  // namespace halvex::tools::system_speed
