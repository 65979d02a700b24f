#include "ui/recording_window_system.h"

#include <algorithm>
#include <utility>

namespace halvex::ui {

void RecordingWindowSystem::Show(Form& form) {
  shown_.push_back(form.name());
  form.SetVisible(true);
  form.Shown();
}

ModalResult RecordingWindowSystem::ShowModal(Form& form) {
  modals_.push_back(form.name());
  form.SetModalResult(ModalResult::None);
  form.SetVisible(true);
  form.Shown();
  if (const auto script = modalScripts_.find(form.name()); script != modalScripts_.end()) {
    script->second(form);
  }
  if (form.modalResult() == ModalResult::None) form.SetModalResult(ModalResult::Cancel);
  form.SetVisible(false);
  return form.modalResult();
}

void RecordingWindowSystem::ShowPopupMenu(PopupMenu& menu, Point at) {
  menus_.push_back({menu.name(), at});
  const std::string pick = std::exchange(nextMenuPick_, {});
  if (!pick.empty()) menu.Choose(pick);
}

bool RecordingWindowSystem::AddTrayIcon(const TrayIcon& icon, Form& owner) {
  if (failTrayIcons_) return false;
  trayIcons_.emplace_back(icon, owner.name());
  return true;
}

void RecordingWindowSystem::RemoveTrayIcon(const TrayIcon& icon, Form& owner) {
  std::erase_if(trayIcons_, [&](const auto& entry) {
    return entry.first.id == icon.id && entry.second == owner.name();
  });
}

}  // namespace halvex::ui
