#pragma once
// The program's icon in the notification area. The system sends the owner window the callback
// message with the mouse event in its second parameter.
#include <cstddef>
#include <cstdint>
#include <string>

namespace halvex::ui {

struct TrayIcon {
  static constexpr std::size_t kMaxTipLength = 63;  // the system keeps 64 characters, NUL included

  std::uint32_t id = 0;
  std::uint32_t callbackMessage = 0;
  std::string iconResource;
  std::string tip;

  // The tip as the system takes it: at most 63 characters.
  void SetTip(std::string text) {
    if (text.size() > kMaxTipLength) text.resize(kMaxTipLength);
    tip = std::move(text);
  }
};

}  // namespace halvex::ui
