#pragma once
// Emptying the Recycle Bin through SHEmptyRecycleBinA, looked up by name in "Shell32.dll".
#include "platform/recycle_bin.h"

namespace halvex::platform::win32 {

class Win32RecycleBin final : public RecycleBin {
 public:
  EmptyRecycleBinResult EmptyAll() override;
};

}  // namespace halvex::platform::win32
