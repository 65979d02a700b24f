#include "ui/color.h"

#include <cstdio>

namespace halvex::ui {

std::string Color::Describe() const {
  char text[16];
  if (isSystem()) {
    std::snprintf(text, sizeof text, "system:%d", static_cast<int>(systemColor()));
  } else {
    std::snprintf(text, sizeof text, "#%02X%02X%02X", red(), green(), blue());
  }
  return text;
}

}  // namespace halvex::ui
