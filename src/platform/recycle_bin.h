#pragma once
// Emptying the Recycle Bin of every drive, through SHEmptyRecycleBinA, which the program looks
// up by name in "Shell32.dll" because the oldest systems' shell has no such function.
namespace halvex::platform {

enum class EmptyRecycleBinResult {
  Called,      // the function ran (silently: no confirmation, progress or sound)
  NoLibrary,   // "Shell32.dll" could not be loaded
  NoFunction,  // the library has no SHEmptyRecycleBinA
};

class RecycleBin {
 public:
  virtual ~RecycleBin() = default;
  virtual EmptyRecycleBinResult EmptyAll() = 0;
};

}  // namespace halvex::platform
