#include "app/tool_host.h"

namespace halvex::app {

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
  for (const auto& window : windows_) {
    if (window && window->HoldsToolLinks()) return true;
  }
  return false;
}

void ToolHost::DestroyAll() {
  for (auto& window : windows_) window.reset();
}

}  // namespace halvex::app
