#pragma once
// Messages between the program's copies: a running copy is found by its main window's class
// name and asked to act by a posted message; a copy that is still starting is known by the
// name it claimed.
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
  // Claims the name for this process for as long as it runs; false while another running
  // process holds it. The claim of a process that ended passes to the next one that asks.
  [[nodiscard]] virtual bool ClaimInstance(std::string_view name) = 0;
  [[nodiscard]] virtual bool PostToWindow(WindowHandle window, std::uint32_t message,
                                          std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

}  // namespace halvex::platform
