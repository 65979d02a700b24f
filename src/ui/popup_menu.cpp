#include "ui/popup_menu.h"

namespace halvex::ui {

MenuItem* PopupMenu::Item(std::string_view name) {
  for (MenuItem& item : items) {
    if (item.name == name) return &item;
  }
  return nullptr;
}

bool PopupMenu::Choose(std::string_view name) {
  MenuItem* item = Item(name);
  if (item == nullptr || item->isSeparator()) return false;
  if (item->onClick) item->onClick();
  return true;
}

}  // namespace halvex::ui
