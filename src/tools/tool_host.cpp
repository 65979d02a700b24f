#include "tools/tool_host.h"

namespace halvex::tools {

ToolHost::ToolHost(ui::Panel& panel, const ui::ProgramServices& services) : panel_(panel) {
  for (const ToolEntry& tool : kTools) {
    if (tool.makeWindow == kUnbuilt) continue;
    factories_[static_cast<std::size_t>(tool.kind)] = [&services, make = tool.makeWindow] {
      return make(services);
    };
  }
}

void ToolHost::SetFactory(ToolKind kind, ToolFactory factory) {
  factories_[static_cast<std::size_t>(kind)] = std::move(factory);
}

ToolWindow* ToolHost::Open(ToolKind kind) {
  auto& window = windows_[static_cast<std::size_t>(kind)];
  if (!window) {
    const auto& factory = factories_[static_cast<std::size_t>(kind)];
    if (!factory) return nullptr;
    window = factory();
    if (!window) return nullptr;
    window->borderStyle = ui::BorderStyle::None;
    window->centred = false;
    window->SetAlign(ui::Align::Client);
    panel_.AddChild(*window);
  }
  // One tool shows at a time; the others stay alive behind it.
  for (auto& other : windows_) {
    if (other && other.get() != window.get()) other->SetVisible(false);
  }
  window->SetVisible(true);
  window->Shown();
  return window.get();
}

ToolWindow* ToolHost::Existing(ToolKind kind) const {
  return windows_[static_cast<std::size_t>(kind)].get();
}

bool ToolHost::AnyHoldsToolLinks() const {
  for (const ToolEntry& tool : kTools) {
    const auto& window = windows_[static_cast<std::size_t>(tool.kind)];
    if (tool.holdsToolLinks && window && window->HoldsToolLinks()) return true;
  }
  return false;
}

void ToolHost::DestroyAll() {
  for (auto& window : windows_) window.reset();
}

}  // namespace halvex::tools
