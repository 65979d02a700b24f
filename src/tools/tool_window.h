#pragma once
// A tool window: embedded in the Advanced sheet's panel, created on first use and destroyed
// when the user changes sheet.
#include <functional>
#include <memory>

#include "ui/form.h"

namespace halvex::tools {

class ToolWindow : public ui::Form {
 public:
  using ui::Form::Form;

  // True while the tool is in a state in which no other tool may open (the junk files
  // cleaner's scanning page). Asked only of tools whose row says they hold the links.
  virtual bool HoldsToolLinks() const { return false; }
};

// How the host makes a tool's window; the table's maker in the program, a probe in tests.
using ToolFactory = std::function<std::unique_ptr<ToolWindow>()>;

}  // namespace halvex::tools
