#pragma once
// The window system for tests: records what the windows asked of it and plays the user's part
// in modal dialogs and popup menus from a script.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/window_system.h"

namespace halvex::ui {

class RecordingWindowSystem final : public WindowSystem {
 public:
  // What the user does in the modal dialog of that name: the script runs while the dialog
  // shows (click its buttons, read its labels). Without a script a dialog ends with Cancel.
  using ModalScript = std::function<void(Form&)>;
  void OnModal(const std::string& formName, ModalScript script) {
    modalScripts_[formName] = std::move(script);
  }
  // Every later tray icon is refused, as before the taskbar is ready.
  void FailTrayIcons(bool fail) { failTrayIcons_ = fail; }
  // A restarted taskbar holds no icons; the windows learn it through Form::TaskbarCreated.
  void RestartTaskbar() { trayIcons_.clear(); }
  // The item the user picks from the next popup menu; empty picks none.
  void PickFromNextMenu(std::string itemName) { nextMenuPick_ = std::move(itemName); }

  void SetApplicationTitle(const std::string& title) override { title_ = title; }
  void SetMainForm(Form& form) override { mainForm_ = form.name(); }
  void Show(Form& form) override;
  ModalResult ShowModal(Form& form) override;
  void Repaint(Control& control) override { repainted_.push_back(control.name()); }
  void AttachTimer(Timer& timer) override { timers_.push_back(&timer); }
  void ShowPopupMenu(PopupMenu& menu, Point at) override;
  Point CursorPosition() override { return cursor; }
  Size ScreenSize() override { return screen; }
  void BeginMoving(Form& form) override { moved_.push_back(form.name()); }
  void AllowMessagesFromOtherPrograms(Form& form,
                                      const std::vector<std::uint32_t>& messages) override {
    messagesAllowed_.emplace_back(form.name(), messages);
  }
  bool AddTrayIcon(const TrayIcon& icon, Form& owner) override;
  void RemoveTrayIcon(const TrayIcon& icon, Form& owner) override;
  void MinimizeApplication() override { minimized_ = true; }
  void RestoreApplication() override {
    minimized_ = false;
    ++restores_;
  }
  bool IsApplicationMinimized() override { return minimized_; }
  void HideTaskbarButton() override { taskbarHidden_ = true; }
  void Terminate() override { terminated_ = true; }
  bool terminated() override { return terminated_; }

  Point cursor{640, 512};
  Size screen{1280, 1024};

  const std::string& title() const { return title_; }
  const std::string& mainForm() const { return mainForm_; }
  const std::vector<std::string>& shown() const { return shown_; }
  const std::vector<std::string>& modals() const { return modals_; }
  const std::vector<std::string>& repainted() const { return repainted_; }
  const std::vector<Timer*>& timers() const { return timers_; }
  const std::vector<std::string>& moved() const { return moved_; }
  struct MenuShown {
    std::string menu;
    Point at;
  };
  const std::vector<MenuShown>& menus() const { return menus_; }
  // The tray icons present now, with their owners' names.
  const std::vector<std::pair<TrayIcon, std::string>>& trayIcons() const { return trayIcons_; }
  // The messages each window allowed from other programs, with the window's name.
  const std::vector<std::pair<std::string, std::vector<std::uint32_t>>>& messagesAllowed() const {
    return messagesAllowed_;
  }
  bool taskbarHidden() const { return taskbarHidden_; }
  int restores() const { return restores_; }

 private:
  std::map<std::string, ModalScript> modalScripts_;
  std::string nextMenuPick_;
  std::string title_;
  std::string mainForm_;
  std::vector<std::string> shown_, modals_, repainted_, moved_;
  std::vector<Timer*> timers_;
  std::vector<MenuShown> menus_;
  std::vector<std::pair<TrayIcon, std::string>> trayIcons_;
  std::vector<std::pair<std::string, std::vector<std::uint32_t>>> messagesAllowed_;
  bool failTrayIcons_ = false;
  bool minimized_ = false;
  bool taskbarHidden_ = false;
  bool terminated_ = false;
  int restores_ = 0;
};

}  // namespace halvex::ui
