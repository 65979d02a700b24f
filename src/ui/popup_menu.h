#pragma once
// A menu that pops up at a point, such as the tray icon's.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/image_list.h"

namespace halvex::ui {

struct MenuItem {
  std::string name{};
  std::string caption{};  // empty for a separator
  int imageIndex = -1;
  bool isDefault = false;
  std::function<void()> onClick{};

  bool isSeparator() const { return caption.empty(); }
};

class PopupMenu {
 public:
  explicit PopupMenu(std::string name) : name_(std::move(name)) {}

  const std::string& name() const { return name_; }
  const ImageList* imageList = nullptr;
  std::vector<MenuItem> items;

  MenuItem* Item(std::string_view name);
  // The user picked the item: raises its click. False when there is no such item.
  bool Choose(std::string_view name);

 private:
  std::string name_;
};

}  // namespace halvex::ui
