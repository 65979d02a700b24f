#pragma once
// The Recycle Bin of the substitute machine: emptying removes what the shell recycled into the
// machine's bin folder. A test can take the library or the function away.
#include <filesystem>

#include "platform/recycle_bin.h"

namespace halvex::platform::substitute {

class SubstituteRecycleBin final : public RecycleBin {
 public:
  explicit SubstituteRecycleBin(std::filesystem::path bin) : bin_(std::move(bin)) {}

  EmptyRecycleBinResult EmptyAll() override;

  // What the next calls answer instead of emptying: NoLibrary or NoFunction; Called empties.
  void Answer(EmptyRecycleBinResult answer) { answer_ = answer; }
  // Whether the bin was emptied, so that saving a machine folder empties DIR/recycled too.
  bool emptied() const { return emptied_; }
  int calls() const { return calls_; }

 private:
  std::filesystem::path bin_;
  EmptyRecycleBinResult answer_ = EmptyRecycleBinResult::Called;
  bool emptied_ = false;
  int calls_ = 0;
};

}  // namespace halvex::platform::substitute
