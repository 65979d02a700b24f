#pragma once
// Messages between the program's copies: a running copy is found by its main window's class
// name and asked to act by a posted message.
#include <cstdint>
#include <optional>
#include <string_view>

namespace halvex::platform {

struct WindowHandle {
  std::uintptr_t value = 0;
  friend bool operator==(WindowHandle, WindowHandle) = default;
};

class WindowMessages {
 public:
  virtual ~WindowMessages() = default;
  // A top-level window of that class, of any process; nullopt when there is none.
  virtual std::optional<WindowHandle> FindTopLevelWindow(std::string_view className) = 0;
  [[nodiscard]] virtual bool PostToWindow(WindowHandle window, std::uint32_t message,
                                         std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

}  // namespace halvex::platform
