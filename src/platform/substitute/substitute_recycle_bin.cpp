#include "platform/substitute/substitute_recycle_bin.h"

namespace halvex::platform::substitute {

EmptyRecycleBinResult SubstituteRecycleBin::EmptyAll() {
  ++calls_;
  if (answer_ != EmptyRecycleBinResult::Called) return answer_;
  std::error_code error;
  std::filesystem::remove_all(bin_, error);
  emptied_ = true;
  return EmptyRecycleBinResult::Called;
}

}  // namespace halvex::platform::substitute
