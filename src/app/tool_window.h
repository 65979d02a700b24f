#pragma once
// A tool window: embedded in the Advanced sheet's panel, created on first use and destroyed
// when the user changes sheet.
#include <functional>
#include <memory>

#include "ui/form.h"

namespace halvex::app {

class ToolWindow : public ui::Form {
 public:
  using ui::Form::Form;

  // True while the tool is in a state in which no other tool may open (the junk files
  // cleaner's scanning page).
  virtual bool HoldsToolLinks() const { return false; }
};

using ToolFactory = std::function<std::unique_ptr<ToolWindow>()>;

}  // namespace halvex::app
