#pragma once
// A line of panels with texts at a window's foot.
#include <string>
#include <vector>

#include "ui/control.h"

namespace halvex::ui {

struct StatusPanel {
  std::string text{};
  int width = 100;  // the last panel takes the rest of the line
};

class StatusBar : public Control {
 public:
  explicit StatusBar(std::string name) : Control(ControlKind::StatusBar, std::move(name)) {}

  const std::vector<StatusPanel>& panels() const { return panels_; }
  void SetPanels(std::vector<StatusPanel> panels) {
    panels_ = std::move(panels);
    Notify(Property::Items);
  }
  // False for a panel that does not exist.
  [[nodiscard]] bool SetPanelText(std::size_t panel, std::string text) {
    if (panel >= panels_.size()) return false;
    panels_[panel].text = std::move(text);
    Notify(Property::Items);
    return true;
  }

 private:
  std::vector<StatusPanel> panels_;
};

}  // namespace halvex::ui
