#pragma once
// Hosts the tool windows in a panel: each is created on first use as a child that fills the
// panel, shown again on later use, and destroyed with all others on a sheet change.
#include <array>
#include <memory>

#include "tools/tool_table.h"
#include "tools/tool_window.h"
#include "ui/panel.h"
#include "ui/program_services.h"

namespace halvex::tools {

class ToolHost {
 public:
  // Each tool's window is made by its row's maker over `services`.
  ToolHost(ui::Panel& panel, const ui::ProgramServices& services);
  ~ToolHost() { DestroyAll(); }
  ToolHost(const ToolHost&) = delete;
  ToolHost& operator=(const ToolHost&) = delete;

  // Replaces how the tool's window is made (tests put probes in); a tool without a factory
  // opens nothing.
  void SetFactory(ToolKind kind, ToolFactory factory);

  // Shows the tool in the panel, in front of the other tools, creating it first when it does
  // not exist. nullptr when the tool has no factory or the factory made nothing.
  ToolWindow* Open(ToolKind kind);
  ToolWindow* Existing(ToolKind kind) const;
  // True when an existing tool whose row says it can hold the links forbids opening tools now.
  bool AnyHoldsToolLinks() const;
  void DestroyAll();

 private:
  ui::Panel& panel_;
  std::array<ToolFactory, kToolCount> factories_;
  std::array<std::unique_ptr<ToolWindow>, kToolCount> windows_;
};

}  // namespace halvex::tools
