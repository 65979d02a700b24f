#pragma once
// Hosts the tool windows in a panel: each is created on first use as a child that fills the
// panel, shown again on later use, and destroyed with all others on a sheet change.
#include <array>
#include <memory>

#include "app/tool_table.h"
#include "app/tool_window.h"
#include "ui/panel.h"

namespace halvex::app {

class ToolHost {
 public:
  explicit ToolHost(ui::Panel& panel) : panel_(panel) {}
  ~ToolHost() { DestroyAll(); }
  ToolHost(const ToolHost&) = delete;
  ToolHost& operator=(const ToolHost&) = delete;

  // How the tool's window is made; a tool without a factory opens nothing.
  void SetFactory(ToolKind kind, ToolFactory factory);

  // Shows the tool in the panel, in front of the other tools, creating it first when it does
  // not exist. nullptr when the tool has no factory or the factory made nothing.
  ToolWindow* Open(ToolKind kind);
  ToolWindow* Existing(ToolKind kind) const;
  // True when an existing tool forbids opening tools now.
  bool AnyHoldsToolLinks() const;
  void DestroyAll();

 private:
  ui::Panel& panel_;
  std::array<ToolFactory, kToolCount> factories_;
  std::array<std::unique_ptr<ToolWindow>, kToolCount> windows_;
};

}  // namespace halvex::app
